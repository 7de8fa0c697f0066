// StoragePort over our own compound-file reader and writer (cfb_format.h):
// the storage of the native build, of the tests and of the Windows-side
// cross-check programs. Portable C++17 with std::FILE only.
//
// A file is held in memory as a tree while its root is open. CreateFile
// creates (truncates) the file at once and writes the whole tree when the
// root is released. OpenFile loads the file and requires it to be writable;
// if anything was created or written under it, the file is rewritten when the
// root is released, as the platform's read/write storage does.
//
// Objects stay valid after their parent or root is released (they keep the
// tree alive), but writes made after the root's release never reach the disk.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ports/storage_port.h"

namespace qvs {

class CompoundFileStorage final : public StoragePort {
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
    bool ReleaseStorageObject(StorageObject* object) override;

    // Beyond the port: for tools, tests and the fuzzer, which walk trees
    // whose names need not be expressible in the ANSI code page.
    struct ChildInfo {
        std::u16string name;
        bool isStorage;
        uint64_t size;  // streams only
    };
    // The children of a storage in the format's name order; empty for a stream.
    std::vector<ChildInfo> ListChildren(StorageObject* storage);
    StorageObject* OpenSubStorageW(StorageObject* parent, const std::u16string& name);
    StorageObject* OpenStreamW(StorageObject* storage, const std::u16string& name);
    // A read-only root over file bytes in memory; nothing is ever written.
    StorageObject* OpenMemory(const uint8_t* bytes, std::size_t size);
};

}  // namespace qvs
