#include "model/size_units.h"

#include <initializer_list>

namespace qvs {
namespace {

constexpr uint32_t kUnitBytes[] = {1u, 1024u, 1048576u, 1073741824u};
constexpr uint32_t kLargestSize = 0xFFFFFFFFu;

// A unit outside the drop-down counts bytes.
uint32_t BytesOf(SizeUnit unit) {
    uint32_t index = static_cast<uint32_t>(unit);
    return index < sizeof kUnitBytes / sizeof kUnitBytes[0] ? kUnitBytes[index] : 1u;
}

}  // namespace

const char* const kSizeUnitNames[4] = {"byte", "KB", "MB", "GB"};

SizeInUnit ChooseSizeUnit(uint32_t bytes) {
    if (bytes == 0) return {};
    for (SizeUnit unit : {SizeUnit::Gigabyte, SizeUnit::Megabyte, SizeUnit::Kilobyte})
        if (bytes % BytesOf(unit) == 0) return {bytes / BytesOf(unit), unit};
    return {bytes, SizeUnit::Byte};
}

uint32_t SizeInBytes(uint32_t number, SizeUnit unit) {
    uint64_t bytes = static_cast<uint64_t>(number) * BytesOf(unit);
    return bytes > kLargestSize ? kLargestSize : static_cast<uint32_t>(bytes);
}

}  // namespace qvs
