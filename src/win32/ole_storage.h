// StoragePort over the platform's structured storage (ole32): StgCreateDocfile,
// StgOpenStorage, IStorage and IStream in direct mode, with exactly the modes
// the configuration files use: 0x1012 to create, 0x12 to open.
//
// <windows.h> defines CreateFile as a macro; include this header before it and
// #undef CreateFile after it (see ole_storage.cpp).
#pragma once
#include "ports/storage_port.h"

namespace qvs {

class OleStorage final : public StoragePort {
public:
    StorageObject* CreateFile(const char* path) override;
    StorageObject* OpenFile(const char* path) override;
    StorageObject* CreateSubStorage(StorageObject* parent, const char* name) override;
    StorageObject* OpenSubStorage(StorageObject* parent, const char* name) override;
    StorageObject* CreateStream(StorageObject* storage, const char* name) override;
    StorageObject* OpenStream(StorageObject* storage, const char* name) override;
    void WriteStreamData(StorageObject* stream, const void* bytes, uint32_t count) override;
    void ReadStreamData(StorageObject* stream, void* buffer, uint32_t count) override;
    uint32_t GetStreamSize(StorageObject* stream) override;
    // Direct mode: releasing the root finishes the file; false when any write
    // under it did not reach the file.
    bool ReleaseStorageObject(StorageObject* object) override;
};

}  // namespace qvs
