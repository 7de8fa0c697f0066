#include "persistence/stored_values.h"

#include <vector>

namespace qvs {
namespace {

constexpr uint32_t kDateTimeBytes = 16;

void PutLittleEndian(uint8_t* bytes, uint64_t value, int width) {
    for (int i = 0; i < width; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t GetLittleEndian(const uint8_t* bytes, int width) {
    uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

void WriteBytes(const StorageRef& storage, const char* key, const void* bytes, uint32_t count) {
    StorageRef stream = storage.CreateStream(key);
    if (stream && count) stream.Port().WriteStreamData(stream.Object(), bytes, count);
}

// The whole stream when it is exactly count bytes long.
bool ReadExactly(const StorageRef& storage, const char* key, uint8_t* bytes, uint32_t count) {
    StorageRef stream = storage.OpenStream(key);
    if (!stream || stream.Port().GetStreamSize(stream.Object()) != count) return false;
    stream.Port().ReadStreamData(stream.Object(), bytes, count);
    return true;
}

template <int Width, typename Value>
void WriteNumber(const StorageRef& storage, const char* key, Value value) {
    uint8_t bytes[Width];
    PutLittleEndian(bytes, value, Width);
    WriteBytes(storage, key, bytes, Width);
}

template <int Width, typename Value>
bool ReadNumber(const StorageRef& storage, const char* key, Value& value) {
    uint8_t bytes[Width] = {};
    if (!ReadExactly(storage, key, bytes, Width)) return false;
    value = static_cast<Value>(GetLittleEndian(bytes, Width));
    return true;
}

// The SYSTEMTIME layout: year, month, day of week, day, hour, minute, second, milliseconds.
constexpr uint16_t DateTime::*kDateTimeWords[] = {&DateTime::Year,   &DateTime::Month,  &DateTime::DayOfWeek,
                                                  &DateTime::Day,    &DateTime::Hour,   &DateTime::Minute,
                                                  &DateTime::Second, &DateTime::Milliseconds};

}  // namespace

void WriteDword(const StorageRef& storage, const char* key, uint32_t value) { WriteNumber<4>(storage, key, value); }
void WriteQword(const StorageRef& storage, const char* key, uint64_t value) { WriteNumber<8>(storage, key, value); }

void WriteDateTime(const StorageRef& storage, const char* key, const DateTime& value) {
    uint8_t bytes[kDateTimeBytes];
    for (int word = 0; word < 8; ++word) PutLittleEndian(bytes + 2 * word, value.*kDateTimeWords[word], 2);
    WriteBytes(storage, key, bytes, kDateTimeBytes);
}

void WriteString(const StorageRef& storage, const char* key, const Text& value, StringForm form) {
    uint32_t length = static_cast<uint32_t>(value.Length());
    if (form == StringForm::Optional && value.IsNone())
        WriteBytes(storage, key, nullptr, 0);
    else
        WriteBytes(storage, key, value.c_str(), form == StringForm::Bare ? length : length + 1);
}

bool ReadDword(const StorageRef& storage, const char* key, uint32_t& value) {
    return ReadNumber<4>(storage, key, value);
}

bool ReadQword(const StorageRef& storage, const char* key, uint64_t& value) {
    return ReadNumber<8>(storage, key, value);
}

bool ReadDateTime(const StorageRef& storage, const char* key, DateTime& value) {
    uint8_t bytes[kDateTimeBytes] = {};
    if (!ReadExactly(storage, key, bytes, kDateTimeBytes)) return false;
    for (int word = 0; word < 8; ++word)
        value.*kDateTimeWords[word] = static_cast<uint16_t>(GetLittleEndian(bytes + 2 * word, 2));
    return true;
}

bool ReadString(const StorageRef& storage, const char* key, Text& value, StringForm form) {
    StorageRef stream = storage.OpenStream(key);
    if (!stream) return false;
    uint32_t size = stream.Port().GetStreamSize(stream.Object());
    if (form == StringForm::Optional && size == 0) {
        value.Clear();
        return true;
    }
    // One zero byte beyond what is read terminates a text stored without one.
    std::vector<char> buffer(std::size_t(size < kMaxStoredText ? size : kMaxStoredText) + 1, '\0');
    stream.Port().ReadStreamData(stream.Object(), buffer.data(), static_cast<uint32_t>(buffer.size() - 1));
    value.Set(buffer.data());
    return true;
}

uint32_t ReadCount(const StorageRef& storage, const char* key) {
    uint32_t count = 0;
    ReadDword(storage, key, count);
    return count;
}

void KeyWriter::Dword(const char* key, uint32_t value, uint32_t) const { WriteDword(storage_, key, value); }

void KeyReader::Dword(const char* key, uint32_t& value, uint32_t whenMissing) const {
    if (!ReadDword(storage_, key, value)) value = whenMissing;
}

void KeyReader::Qword(const char* key, uint64_t& value) const {
    if (!ReadQword(storage_, key, value)) value = 0;
}

void KeyReader::Time(const char* key, DateTime& value) const {
    if (!ReadDateTime(storage_, key, value)) value = DateTime{};
}

void KeyReader::String(const char* key, Text& value, StringForm form) const {
    if (!ReadString(storage_, key, value, form)) value.Clear();
}

}  // namespace qvs
