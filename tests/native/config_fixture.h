// Configuration files on real compound files in the scratch folder: a second
// session that loads what the first one saved, a storage that counts opens
// and fails on request, and direct access to the written trees.
#pragma once
#include <memory>
#include <set>
#include <string>

#include "module_fixture.h"
#include "persistence/compound/compound_storage.h"
#include "persistence/configuration.h"
#include "persistence/storage_ref.h"
#include "persistence/stored_values.h"

namespace qvs {

// The compound-file storage, counting the elements it is asked to open and
// failing where a test wants a save to break.
class SpyStorage : public StoragePort {
public:
    uint64_t Opens = 0;
    int CreatesBeforeFailure = -1;  // sub-storages and streams; -1 never fails
    bool RootReleaseFails = false;  // the file cannot be finished (disk full)

    StorageObject* CreateFile(const char* path) override { return Root(real_.CreateFile(path)); }
    StorageObject* OpenFile(const char* path) override { return Root(real_.OpenFile(path)); }
    StorageObject* CreateSubStorage(StorageObject* parent, const char* name) override {
        return Failing() ? nullptr : real_.CreateSubStorage(parent, name);
    }
    StorageObject* OpenSubStorage(StorageObject* parent, const char* name) override {
        ++Opens;
        return real_.OpenSubStorage(parent, name);
    }
    StorageObject* CreateStream(StorageObject* storage, const char* name) override {
        return Failing() ? nullptr : real_.CreateStream(storage, name);
    }
    StorageObject* OpenStream(StorageObject* storage, const char* name) override {
        ++Opens;
        return real_.OpenStream(storage, name);
    }
    void WriteStreamData(StorageObject* stream, const void* bytes, uint32_t count) override {
        real_.WriteStreamData(stream, bytes, count);
    }
    void ReadStreamData(StorageObject* stream, void* buffer, uint32_t count) override {
        real_.ReadStreamData(stream, buffer, count);
    }
    uint32_t GetStreamSize(StorageObject* stream) override { return real_.GetStreamSize(stream); }
    bool ReleaseStorageObject(StorageObject* object) override {
        bool root = roots_.erase(object) > 0;
        bool finished = real_.ReleaseStorageObject(object);
        return root && RootReleaseFails ? false : finished;
    }

private:
    StorageObject* Root(StorageObject* root) {
        if (root) roots_.insert(root);
        return root;
    }
    bool Failing() { return CreatesBeforeFailure >= 0 && CreatesBeforeFailure-- == 0; }

    CompoundFileStorage real_;
    std::set<StorageObject*> roots_;
};

class ConfigTest : public ModuleTest {
protected:
    CompoundFileStorage files;  // for reading and forging trees directly

    // The next session on the same configuration folder, loaded (through
    // storage when given).
    ModuleState& Reload(StoragePort* storage = nullptr) {
        next_ = std::make_unique<FakePlatform>(scratch.Path() + "/");
        if (storage) next_->State.Ports.Storage = storage;
        LoadAllConfiguration(next_->State);
        return next_->State;
    }

    StorageRef Open(const std::string& file) {
        return StorageRef(&files, files.OpenFile(ConfigPath(file).c_str()));
    }
    // A new file whose tree the test writes by hand.
    StorageRef Forge(const std::string& file) {
        return StorageRef(&files, files.CreateFile(ConfigPath(file).c_str()));
    }

    static bool HasStream(const StorageRef& storage, const char* name) {
        return static_cast<bool>(storage.OpenStream(name));
    }
    static bool HasStorage(const StorageRef& storage, const char* name) {
        return static_cast<bool>(storage.OpenStorage(name));
    }
    // The stream's bytes, or "<absent>".
    static std::string Bytes(const StorageRef& storage, const char* name) {
        StorageRef stream = storage.OpenStream(name);
        if (!stream) return "<absent>";
        std::string bytes(stream.Port().GetStreamSize(stream.Object()), '\0');
        stream.Port().ReadStreamData(stream.Object(), bytes.data(), static_cast<uint32_t>(bytes.size()));
        return bytes;
    }
    static uint32_t Dword(const StorageRef& storage, const char* name) {
        uint32_t value = 0xDEADBEEF;
        ReadDword(storage, name, value);
        return value;
    }
    static void PutBytes(const StorageRef& storage, const char* name, const std::string& bytes) {
        StorageRef stream = storage.CreateStream(name);
        stream.Port().WriteStreamData(stream.Object(), bytes.data(), static_cast<uint32_t>(bytes.size()));
    }

private:
    std::unique_ptr<FakePlatform> next_;
};

}  // namespace qvs
