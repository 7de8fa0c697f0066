#include "persistence/compound/compound_storage.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "persistence/compound/cfb_format.h"

namespace qvs {

namespace {

// One open compound file: its tree and, until the root is released, its file.
struct Document {
    std::shared_ptr<cfb::Entry> root;
    std::string path;
    std::FILE* file = nullptr;  // held open from create/open to root release
    bool created = false;       // CreateFile: always written at root release
    bool dirty = false;         // something was created or written

    ~Document() {
        if (file) std::fclose(file);
    }

    // Writes the whole tree to the file and closes it. False on any failure.
    bool Finish() {
        if (!file) return true;
        bool write = created || dirty;
        bool ok = true;
        if (write) {
            std::vector<std::uint8_t> bytes;
            try {
                bytes = cfb::Serialize(*root);
            } catch (...) {  // out of memory: the file is not finished
                std::fclose(file);
                file = nullptr;
                return false;
            }
            if (!created) {
                // Rewrite from scratch so a shorter tree leaves no tail behind.
                file = std::freopen(path.c_str(), "wb", file);
                if (!file) return false;
            } else if (std::fseek(file, 0, SEEK_SET) != 0) {
                ok = false;
            }
            if (ok && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) ok = false;
            if (ok && std::fflush(file) != 0) ok = false;
        }
        if (std::fclose(file) != 0) ok = false;
        file = nullptr;
        return ok;
    }
};

struct Handle {
    std::shared_ptr<Document> doc;
    std::shared_ptr<cfb::Entry> entry;
    bool isRoot = false;
    int depth = 0;            // storages: nesting below the root
    std::size_t position = 0; // streams: read/write position, as IStream keeps it
};

StorageObject* ToObject(Handle* h) { return reinterpret_cast<StorageObject*>(h); }
Handle* FromObject(StorageObject* o) { return reinterpret_cast<Handle*>(o); }

Handle* AsStorage(StorageObject* o) {
    Handle* h = FromObject(o);
    return h && h->entry->isStorage ? h : nullptr;
}
Handle* AsStream(StorageObject* o) {
    Handle* h = FromObject(o);
    return h && !h->entry->isStorage ? h : nullptr;
}

// Reads a whole file, refusing anything larger than the format layer accepts.
bool ReadAll(std::FILE* f, std::vector<std::uint8_t>& out) {
    out.clear();
    // The size is only a hint for the first allocation; the reads decide.
    if (std::fseek(f, 0, SEEK_END) == 0) {
        long size = std::ftell(f);
        if (size > 0) out.reserve(std::min<std::size_t>(std::size_t(size), cfb::kMaxFileBytes));
    }
    if (std::fseek(f, 0, SEEK_SET) != 0) return false;
    std::uint8_t chunk[65536];
    for (;;) {
        std::size_t got = std::fread(chunk, 1, sizeof chunk, f);
        if (got == 0) break;
        if (out.size() + got > cfb::kMaxFileBytes) return false;
        out.insert(out.end(), chunk, chunk + got);
    }
    return !std::ferror(f);
}

// No exception leaves this file: the port reports failure with null objects
// and false, and the module must not unwind through the host.
StorageObject* NewHandle(std::shared_ptr<Document> doc, std::shared_ptr<cfb::Entry> entry, bool isRoot, int depth) {
    try {
        auto* h = new Handle;
        h->doc = std::move(doc);
        h->entry = std::move(entry);
        h->isRoot = isRoot;
        h->depth = depth;
        return ToObject(h);
    } catch (...) {
        return nullptr;
    }
}

StorageObject* NewChild(Handle* parent, const std::u16string& name, bool storage) {
    if (!parent || !cfb::IsValidName(name)) return nullptr;
    if (storage && parent->depth + 1 >= cfb::kMaxDepth) return nullptr;
    std::shared_ptr<cfb::Entry> entry;
    try {
        entry = parent->entry->Replace(name, storage);
    } catch (...) {
        return nullptr;
    }
    parent->doc->dirty = true;
    return NewHandle(parent->doc, std::move(entry), false, parent->depth + 1);
}

StorageObject* OpenChild(Handle* parent, const std::u16string& name, bool storage) {
    // Looser than creation: a file may hold names with characters that may
    // not be created ('/', '!', ...); they still open by their exact name.
    if (!parent || name.empty() || name.size() > cfb::kMaxNameLength) return nullptr;
    std::shared_ptr<cfb::Entry> entry;
    try {
        entry = parent->entry->Find(name);
    } catch (...) {
        return nullptr;
    }
    if (!entry || entry->isStorage != storage) return nullptr;
    return NewHandle(parent->doc, std::move(entry), false, parent->depth + 1);
}

// A root over a parsed or new tree; takes ownership of the file.
StorageObject* NewRoot(std::shared_ptr<cfb::Entry> tree, const char* path, std::FILE* file, bool created) {
    std::shared_ptr<Document> doc;
    try {
        doc = std::make_shared<Document>();
        if (path) doc->path = path;
    } catch (...) {
        if (file) std::fclose(file);
        return nullptr;
    }
    doc->root = tree;
    doc->file = file;  // closed by the document from here on
    doc->created = created;
    return NewHandle(std::move(doc), std::move(tree), true, 0);
}

std::shared_ptr<cfb::Entry> ParseGuarded(const std::uint8_t* bytes, std::size_t size) {
    try {
        return cfb::Parse(bytes, size);
    } catch (...) {  // out of memory on a huge or hostile file
        return nullptr;
    }
}

}  // namespace

StorageObject* CompoundFileStorage::CreateFile(const char* path) {
    if (!path || !*path) return nullptr;
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return nullptr;
    std::shared_ptr<cfb::Entry> tree;
    try {
        tree = cfb::NewRoot();
    } catch (...) {
        std::fclose(f);
        return nullptr;
    }
    return NewRoot(std::move(tree), path, f, true);
}

StorageObject* CompoundFileStorage::OpenFile(const char* path) {
    if (!path || !*path) return nullptr;
    // Read/write like the platform's open: a read-only file is refused.
    std::FILE* f = std::fopen(path, "r+b");
    if (!f) return nullptr;
    std::shared_ptr<cfb::Entry> tree;
    try {
        std::vector<std::uint8_t> bytes;
        if (ReadAll(f, bytes)) tree = cfb::Parse(bytes.data(), bytes.size());
    } catch (...) {
        tree = nullptr;
    }
    if (!tree) {
        std::fclose(f);
        return nullptr;
    }
    return NewRoot(std::move(tree), path, f, false);
}

StorageObject* CompoundFileStorage::OpenMemory(const uint8_t* bytes, std::size_t size) {
    auto tree = ParseGuarded(bytes, size);
    if (!tree) return nullptr;
    return NewRoot(std::move(tree), nullptr, nullptr, false);
}

StorageObject* CompoundFileStorage::CreateSubStorage(StorageObject* parent, const char* name) {
    if (!name) return nullptr;
    return NewChild(AsStorage(parent), cfb::AnsiToUtf16(name), true);
}

StorageObject* CompoundFileStorage::OpenSubStorage(StorageObject* parent, const char* name) {
    if (!name) return nullptr;
    return OpenChild(AsStorage(parent), cfb::AnsiToUtf16(name), true);
}

StorageObject* CompoundFileStorage::CreateStream(StorageObject* storage, const char* name) {
    if (!name) return nullptr;
    return NewChild(AsStorage(storage), cfb::AnsiToUtf16(name), false);
}

StorageObject* CompoundFileStorage::OpenStream(StorageObject* storage, const char* name) {
    if (!name) return nullptr;
    return OpenChild(AsStorage(storage), cfb::AnsiToUtf16(name), false);
}

StorageObject* CompoundFileStorage::OpenSubStorageW(StorageObject* parent, const std::u16string& name) {
    return OpenChild(AsStorage(parent), name, true);
}

StorageObject* CompoundFileStorage::OpenStreamW(StorageObject* storage, const std::u16string& name) {
    return OpenChild(AsStorage(storage), name, false);
}

void CompoundFileStorage::WriteStreamData(StorageObject* stream, const void* bytes, uint32_t count) {
    Handle* h = AsStream(stream);
    if (!h || !bytes || count == 0) return;
    std::vector<std::uint8_t>& data = h->entry->data;
    if (h->position > cfb::kMaxFileBytes || count > cfb::kMaxFileBytes - h->position) return;
    std::size_t end = h->position + count;
    try {
        if (data.size() < end) data.resize(end);
    } catch (...) {
        return;  // out of memory: the write is lost, as a failed IStream::Write
    }
    std::memcpy(data.data() + h->position, bytes, count);
    h->position = end;
    h->doc->dirty = true;
}

void CompoundFileStorage::ReadStreamData(StorageObject* stream, void* buffer, uint32_t count) {
    Handle* h = AsStream(stream);
    if (!h || !buffer) return;
    const std::vector<std::uint8_t>& data = h->entry->data;
    if (h->position >= data.size()) return;
    std::size_t take = std::min<std::size_t>(count, data.size() - h->position);
    std::memcpy(buffer, data.data() + h->position, take);
    h->position += take;
}

uint32_t CompoundFileStorage::GetStreamSize(StorageObject* stream) {
    Handle* h = AsStream(stream);
    return h ? uint32_t(h->entry->data.size()) : 0;
}

bool CompoundFileStorage::ReleaseStorageObject(StorageObject* object) {
    Handle* h = FromObject(object);
    if (!h) return true;
    bool ok = h->isRoot ? h->doc->Finish() : true;
    delete h;
    return ok;
}

std::vector<CompoundFileStorage::ChildInfo> CompoundFileStorage::ListChildren(StorageObject* storage) {
    std::vector<ChildInfo> out;
    Handle* h = AsStorage(storage);
    if (!h) return out;
    try {
        out.reserve(h->entry->children.size());
        for (const auto& kv : h->entry->children) {
            out.push_back({kv.second->name, kv.second->isStorage, kv.second->data.size()});
        }
    } catch (...) {
        out.clear();
    }
    return out;
}

}  // namespace qvs
