// The value encodings of the configuration files: one value per stream,
// little-endian, no header. Writing is create, write, release; reading is
// open, (size,) read, release; an absent key leaves the caller's default.
#pragma once
#include <cstdint>

#include "model/records.h"
#include "persistence/storage_ref.h"

namespace qvs {

enum class StringForm {
    Terminated,  // the text and its zero byte
    Optional,    // as Terminated, or 0 bytes when the text is absent
    Bare,        // the text alone; the reader adds the terminator
};

// Longest text taken from one stream. Every stored text is a name, a path, a
// trigger or a template that the panel edits and the host link carries
// (2048 bytes), so anything longer is damage; reading stops there instead of
// allocating whatever size a broken file claims.
constexpr uint32_t kMaxStoredText = 65536;

void WriteDword(const StorageRef& storage, const char* key, uint32_t value);
void WriteQword(const StorageRef& storage, const char* key, uint64_t value);
void WriteDateTime(const StorageRef& storage, const char* key, const DateTime& value);
void WriteString(const StorageRef& storage, const char* key, const Text& value, StringForm form);

// False, with value untouched, when the key is absent or its stream is not
// exactly the width of the value (a stream holds one value and nothing else,
// so a shorter or longer one is not that value).
bool ReadDword(const StorageRef& storage, const char* key, uint32_t& value);
bool ReadQword(const StorageRef& storage, const char* key, uint64_t& value);
bool ReadDateTime(const StorageRef& storage, const char* key, DateTime& value);
// False when the key is absent. The text ends at its first zero byte or at
// the stream's end; an empty Optional stream makes it absent.
bool ReadString(const StorageRef& storage, const char* key, Text& value, StringForm form);

// A count key; 0 when missing.
uint32_t ReadCount(const StorageRef& storage, const char* key);

// The two directions of a record's key table. A table is written once, as a
// template over its Keys, and runs with a KeyWriter to save the record or a
// KeyReader to load it.
class KeyWriter {
public:
    explicit KeyWriter(const StorageRef& storage) : storage_(storage) {}
    void Dword(const char* key, uint32_t value, uint32_t /*whenMissing*/ = 0) const;
    // A global setting: on load a missing key keeps the current value.
    void Setting(const char* key, uint32_t value) const { WriteDword(storage_, key, value); }
    void Qword(const char* key, uint64_t value) const { WriteQword(storage_, key, value); }
    void Time(const char* key, const DateTime& value) const { WriteDateTime(storage_, key, value); }
    void String(const char* key, const Text& value, StringForm form) const { WriteString(storage_, key, value, form); }

private:
    const StorageRef& storage_;
};

class KeyReader {
public:
    explicit KeyReader(const StorageRef& storage) : storage_(storage) {}
    void Dword(const char* key, uint32_t& value, uint32_t whenMissing = 0) const;
    void Setting(const char* key, uint32_t& value) const { ReadDword(storage_, key, value); }
    void Qword(const char* key, uint64_t& value) const;
    void Time(const char* key, DateTime& value) const;
    void String(const char* key, Text& value, StringForm form) const;

private:
    const StorageRef& storage_;
};

}  // namespace qvs
