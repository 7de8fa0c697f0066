#include "win32/ole_storage.h"

#include <memory>
#include <string>

#include <windows.h>
#include <objbase.h>
#undef CreateFile

namespace qvs {

namespace {

constexpr DWORD kCreateMode = STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE;  // 0x1012
constexpr DWORD kOpenMode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;                  // 0x12
static_assert(kCreateMode == 0x1012 && kOpenMode == 0x12, "the configuration files' storage modes");

// A storage or a stream; the port hands these out as StorageObject*. Every
// object opened under one root shares its failure mark, so a write that did
// not reach the file (a full disk) fails the release of the root.
struct OleObject {
    IStorage* storage;
    IStream* stream;
    std::shared_ptr<bool> failed;
    bool isRoot;
};

StorageObject* ToObject(OleObject* o) { return reinterpret_cast<StorageObject*>(o); }
OleObject* FromObject(StorageObject* o) { return reinterpret_cast<OleObject*>(o); }

IStorage* StorageOf(StorageObject* o) {
    OleObject* ole = FromObject(o);
    return ole ? ole->storage : nullptr;
}
IStream* StreamOf(StorageObject* o) {
    OleObject* ole = FromObject(o);
    return ole ? ole->stream : nullptr;
}

StorageObject* WrapRoot(IStorage* root) {
    return ToObject(new OleObject{root, nullptr, std::make_shared<bool>(false), true});
}

StorageObject* WrapChild(StorageObject* parent, IStorage* storage, IStream* stream) {
    return ToObject(new OleObject{storage, stream, FromObject(parent)->failed, false});
}

void MarkFailed(StorageObject* object) {
    OleObject* ole = FromObject(object);
    if (ole && ole->failed) *ole->failed = true;
}

// ANSI code page to UTF-16; the platform judges the name (length, characters).
std::wstring Wide(const char* ansi) {
    if (!ansi) return std::wstring();
    int units = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
    if (units <= 0) return std::wstring();
    std::wstring out(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, &out[0], units);
    out.resize(static_cast<std::size_t>(units - 1));
    return out;
}

}  // namespace

StorageObject* OleStorage::CreateFile(const char* path) {
    if (!path) return nullptr;
    std::wstring wide = Wide(path);
    IStorage* root = nullptr;
    if (FAILED(StgCreateDocfile(wide.c_str(), kCreateMode, 0, &root)) || !root) return nullptr;
    return WrapRoot(root);
}

StorageObject* OleStorage::OpenFile(const char* path) {
    if (!path) return nullptr;
    std::wstring wide = Wide(path);
    IStorage* root = nullptr;
    if (FAILED(StgOpenStorage(wide.c_str(), nullptr, kOpenMode, nullptr, 0, &root)) || !root) return nullptr;
    return WrapRoot(root);
}

StorageObject* OleStorage::CreateSubStorage(StorageObject* parent, const char* name) {
    IStorage* storage = StorageOf(parent);
    if (!storage || !name) return nullptr;
    std::wstring wide = Wide(name);
    IStorage* sub = nullptr;
    if (FAILED(storage->CreateStorage(wide.c_str(), kCreateMode, 0, 0, &sub)) || !sub) return nullptr;
    return WrapChild(parent, sub, nullptr);
}

StorageObject* OleStorage::OpenSubStorage(StorageObject* parent, const char* name) {
    IStorage* storage = StorageOf(parent);
    if (!storage || !name) return nullptr;
    std::wstring wide = Wide(name);
    IStorage* sub = nullptr;
    if (FAILED(storage->OpenStorage(wide.c_str(), nullptr, kOpenMode, nullptr, 0, &sub)) || !sub) return nullptr;
    return WrapChild(parent, sub, nullptr);
}

StorageObject* OleStorage::CreateStream(StorageObject* storage, const char* name) {
    IStorage* owner = StorageOf(storage);
    if (!owner || !name) return nullptr;
    std::wstring wide = Wide(name);
    IStream* stream = nullptr;
    if (FAILED(owner->CreateStream(wide.c_str(), kCreateMode, 0, 0, &stream)) || !stream) return nullptr;
    return WrapChild(storage, nullptr, stream);
}

StorageObject* OleStorage::OpenStream(StorageObject* storage, const char* name) {
    IStorage* owner = StorageOf(storage);
    if (!owner || !name) return nullptr;
    std::wstring wide = Wide(name);
    IStream* stream = nullptr;
    if (FAILED(owner->OpenStream(wide.c_str(), nullptr, kOpenMode, 0, &stream)) || !stream) return nullptr;
    return WrapChild(storage, nullptr, stream);
}

void OleStorage::WriteStreamData(StorageObject* stream, const void* bytes, uint32_t count) {
    IStream* s = StreamOf(stream);
    if (!s || !bytes) return;
    ULONG written = 0;
    if (FAILED(s->Write(bytes, count, &written)) || written != count) MarkFailed(stream);
}

void OleStorage::ReadStreamData(StorageObject* stream, void* buffer, uint32_t count) {
    IStream* s = StreamOf(stream);
    if (!s || !buffer) return;
    ULONG read = 0;
    s->Read(buffer, count, &read);  // a short read leaves the rest of the buffer as it was
}

uint32_t OleStorage::GetStreamSize(StorageObject* stream) {
    IStream* s = StreamOf(stream);
    if (!s) return 0;
    STATSTG stat = {};
    if (FAILED(s->Stat(&stat, STATFLAG_NONAME))) return 0;
    return static_cast<uint32_t>(stat.cbSize.QuadPart & 0xFFFFFFFFu);
}

bool OleStorage::ReleaseStorageObject(StorageObject* object) {
    OleObject* ole = FromObject(object);
    if (!ole) return true;
    if (ole->stream) ole->stream->Release();
    if (ole->storage) ole->storage->Release();
    bool finished = !(ole->isRoot && *ole->failed);
    delete ole;
    return finished;
}

}  // namespace qvs
