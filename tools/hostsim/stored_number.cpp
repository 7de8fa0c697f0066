#include "stored_number.h"

#include <memory>

#include "persistence/compound/compound_storage.h"

namespace hostsim {
namespace {

using qvs::CompoundFileStorage;
using qvs::StorageObject;

// An open element, released when it goes out of scope; the reader keeps the
// tree alive for its children.
class Element {
public:
    Element(CompoundFileStorage& storage, StorageObject* object) : storage_(storage), object_(object) {}
    ~Element() { storage_.ReleaseStorageObject(object_); }
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;
    StorageObject* Get() const { return object_; }

private:
    CompoundFileStorage& storage_;
    StorageObject* object_;
};

std::vector<std::string> Split(const std::string& path) {
    std::vector<std::string> names;
    std::size_t start = 0;
    for (;;) {
        std::size_t slash = path.find('\\', start);
        names.push_back(path.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
        if (slash == std::string::npos) return names;
        start = slash + 1;
    }
}

bool NumberOf(const std::string& bytes, uint64_t& value, std::string& error) {
    if (bytes.size() != 4 && bytes.size() != 8) {
        error = "the stream holds " + std::to_string(bytes.size()) + " byte(s), not a 4- or 8-byte number";
        return false;
    }
    value = 0;
    for (std::size_t i = bytes.size(); i > 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[i - 1]);
    return true;
}

}  // namespace

bool ReadStoredStream(const std::vector<uint8_t>& file, const std::string& path, std::string& bytes, std::string& error) {
    CompoundFileStorage storage;
    auto current = std::make_unique<Element>(storage, storage.OpenMemory(file.data(), file.size()));
    if (!current->Get()) {
        error = "not a compound file";
        return false;
    }
    std::vector<std::string> names = Split(path);
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        current = std::make_unique<Element>(storage, storage.OpenSubStorage(current->Get(), names[i].c_str()));
        if (!current->Get()) {
            error = "no storage " + names[i];
            return false;
        }
    }
    Element stream(storage, storage.OpenStream(current->Get(), names.back().c_str()));
    if (!stream.Get()) {
        error = "no stream " + names.back();
        return false;
    }
    bytes.assign(storage.GetStreamSize(stream.Get()), '\0');
    if (!bytes.empty()) storage.ReadStreamData(stream.Get(), &bytes[0], static_cast<uint32_t>(bytes.size()));
    return true;
}

bool ReadStoredNumber(const std::vector<uint8_t>& file, const std::string& path, uint64_t& value, std::string& error) {
    std::string bytes;
    return ReadStoredStream(file, path, bytes, error) && NumberOf(bytes, value, error);
}

}  // namespace hostsim
