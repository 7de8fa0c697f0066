#include "model/text.h"

#include <cstring>

#include "model/memory.h"

namespace qvs {

Text& Text::operator=(const Text& other) {
    if (this != &other) Set(other.data_);
    return *this;
}

Text& Text::operator=(Text&& other) noexcept {
    if (this != &other) {
        Clear();
        data_ = other.data_;
        other.data_ = nullptr;
    }
    return *this;
}

void Text::Set(const char* value) {
    if (!value) {
        Clear();
        return;
    }
    Set(value, std::strlen(value));
}

void Text::Set(const char* value, std::size_t length) {
    char* copy = static_cast<char*>(AllocateZeroed(length + 1));
    if (copy && length) std::memcpy(copy, value, length);
    Clear();
    data_ = copy;
}

void Text::Clear() {
    ReleaseBlock(data_);
    data_ = nullptr;
}

std::size_t Text::Length() const { return data_ ? std::strlen(data_) : 0; }

}  // namespace qvs
