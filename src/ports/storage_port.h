// Compound-file storage as the configuration files use it: a root storage
// holding named streams and sub-storages. In the module this is the
// platform's structured storage; natively it is our own compound-file code.
#pragma once
#include <cstdint>

namespace qvs {

// An open storage (root or sub-storage) or stream. Opaque to the core.
struct StorageObject;

class StoragePort {
public:
    virtual ~StoragePort() = default;

    // Creates (replacing) a compound file, or opens one read/write.
    // Null on failure: missing, empty, not a compound file, locked.
    virtual StorageObject* CreateFile(const char* path) = 0;
    virtual StorageObject* OpenFile(const char* path) = 0;

    virtual StorageObject* CreateSubStorage(StorageObject* parent, const char* name) = 0;
    virtual StorageObject* OpenSubStorage(StorageObject* parent, const char* name) = 0;

    // Null from OpenStream means the key is absent.
    virtual StorageObject* CreateStream(StorageObject* storage, const char* name) = 0;
    virtual StorageObject* OpenStream(StorageObject* storage, const char* name) = 0;

    virtual void WriteStreamData(StorageObject* stream, const void* bytes, uint32_t count) = 0;
    // Reads up to count bytes from the stream's start; bytes past its end stay untouched.
    virtual void ReadStreamData(StorageObject* stream, void* buffer, uint32_t count) = 0;
    // Low 32 bits of the stream size.
    virtual uint32_t GetStreamSize(StorageObject* stream) = 0;

    // Releasing a root created with CreateFile finishes the file on disk;
    // the result tells whether that worked (always true for other objects).
    virtual bool ReleaseStorageObject(StorageObject* object) = 0;
};

}  // namespace qvs
