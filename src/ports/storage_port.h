// Compound-file storage as the configuration files use it: a root storage
// holding named streams and sub-storages. In the module this is the
// platform's structured storage (win32/ole_storage.h); natively it is our own
// compound-file code (persistence/compound/compound_storage.h).
//
// Names are ANSI, converted to UTF-16; they compare without regard to case and
// hold at most 31 characters (a longer one gives a null object).
// <windows.h> defines CreateFile as a macro: a file that includes both must
// include this header first and #undef CreateFile after <windows.h>.
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

    // CreateStream and CreateSubStorage replace an element of the same name.
    // Null from OpenStream means the key is absent.
    virtual StorageObject* CreateStream(StorageObject* storage, const char* name) = 0;
    virtual StorageObject* OpenStream(StorageObject* storage, const char* name) = 0;

    // Writes and reads move the stream's position, which starts at 0 for a
    // freshly created or opened stream (as IStream does).
    virtual void WriteStreamData(StorageObject* stream, const void* bytes, uint32_t count) = 0;
    // Reads up to count bytes from the position (the stream's start when
    // fresh); bytes of the buffer past the stream's end stay untouched.
    virtual void ReadStreamData(StorageObject* stream, void* buffer, uint32_t count) = 0;
    // Low 32 bits of the stream size.
    virtual uint32_t GetStreamSize(StorageObject* stream) = 0;

    // Releasing a root created with CreateFile finishes the file on disk
    // (and a root from OpenFile writes back what was changed under it); the
    // result tells whether that worked (always true for other objects).
    virtual bool ReleaseStorageObject(StorageObject* object) = 0;
};

}  // namespace qvs
