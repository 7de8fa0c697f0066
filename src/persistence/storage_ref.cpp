#include "persistence/storage_ref.h"

#include <utility>

namespace qvs {

StorageRef::StorageRef(StorageRef&& other) noexcept
    : port_(other.port_), object_(std::exchange(other.object_, nullptr)), failureMark_(other.failureMark_) {}

StorageRef& StorageRef::operator=(StorageRef&& other) noexcept {
    if (this != &other) {
        Release();
        port_ = other.port_;
        object_ = std::exchange(other.object_, nullptr);
        failureMark_ = other.failureMark_;
    }
    return *this;
}

StorageRef StorageRef::Created(StorageObject* child) const {
    if (!child && failureMark_) *failureMark_ = true;
    return StorageRef(port_, child, failureMark_);
}

StorageRef StorageRef::CreateStorage(const char* name) const {
    if (!object_) return Created(nullptr);
    return Created(port_->CreateSubStorage(object_, name));
}

StorageRef StorageRef::CreateStream(const char* name) const {
    if (!object_) return Created(nullptr);
    return Created(port_->CreateStream(object_, name));
}

StorageRef StorageRef::OpenStorage(const char* name) const {
    if (!object_) return StorageRef();
    return StorageRef(port_, port_->OpenSubStorage(object_, name));
}

StorageRef StorageRef::OpenStream(const char* name) const {
    if (!object_) return StorageRef();
    return StorageRef(port_, port_->OpenStream(object_, name));
}

bool StorageRef::Release() {
    if (!object_) return true;
    return port_->ReleaseStorageObject(std::exchange(object_, nullptr));
}

}  // namespace qvs
