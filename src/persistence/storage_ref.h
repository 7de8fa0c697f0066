// An open storage or stream of a configuration file, released when it goes
// out of scope. While a file is being written, every reference made under
// its root shares one failure mark, so an element that could not be created
// anywhere in the tree fails the whole save.
#pragma once
#include "ports/storage_port.h"

namespace qvs {

class StorageRef {
public:
    StorageRef() = default;
    // failureMark: set when a Create call under this object fails; null when
    // the file is only read.
    StorageRef(StoragePort* port, StorageObject* object, bool* failureMark = nullptr)
        : port_(port), object_(object), failureMark_(failureMark) {}
    StorageRef(StorageRef&& other) noexcept;
    StorageRef& operator=(StorageRef&& other) noexcept;
    StorageRef(const StorageRef&) = delete;
    StorageRef& operator=(const StorageRef&) = delete;
    ~StorageRef() { Release(); }

    explicit operator bool() const { return object_ != nullptr; }
    StoragePort& Port() const { return *port_; }
    StorageObject* Object() const { return object_; }

    // Null references when the element cannot be made or is absent.
    StorageRef CreateStorage(const char* name) const;
    StorageRef OpenStorage(const char* name) const;
    StorageRef CreateStream(const char* name) const;
    StorageRef OpenStream(const char* name) const;

    // For a root made by CreateFile: whether the file was finished on disk.
    bool Release();

private:
    StorageRef Created(StorageObject* child) const;

    StoragePort* port_ = nullptr;
    StorageObject* object_ = nullptr;
    bool* failureMark_ = nullptr;
};

}  // namespace qvs
