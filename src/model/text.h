// An owned single-byte text that can also be absent: stored files tell an
// absent optional string from an empty one, so the record keeps that apart.
#pragma once
#include <cstddef>

#include "model/names.h"

namespace qvs {

class Text {
public:
    Text() = default;
    explicit Text(const char* value) { Set(value); }
    Text(const char* value, std::size_t length) { Set(value, length); }
    Text(const Text& other) { Set(other.data_); }
    Text(Text&& other) noexcept : data_(other.data_) { other.data_ = nullptr; }
    Text& operator=(const Text& other);
    Text& operator=(Text&& other) noexcept;
    ~Text() { Clear(); }

    // Replacing releases the old text; null makes it absent.
    void Set(const char* value);
    void Set(const char* value, std::size_t length);
    void Clear();

    bool IsNone() const { return data_ == nullptr; }
    bool IsEmpty() const { return !data_ || !*data_; }
    // Never null: an absent text reads as "".
    const char* c_str() const { return data_ ? data_ : ""; }
    std::size_t Length() const;
    // Case-insensitive comparison, as every name in the module compares.
    bool Equals(const char* other) const { return NamesEqual(c_str(), other ? other : ""); }

private:
    char* data_ = nullptr;
};

}  // namespace qvs
