#include "relay/code_page.h"

#include <cstdint>

namespace qvs::relay {
namespace {

constexpr char kUnmappable = '?';
constexpr char32_t kAsciiEnd = 0x80;
constexpr char32_t kC1End = 0xA0;  // U+0080..U+009F: controls Windows-1252 has no place for
constexpr char32_t kLatin1End = 0x100;

// Windows-1252 bytes 0x80..0x9F and the characters they stand for.
struct SpecialByte {
    char32_t CodePoint;
    unsigned char Byte;
};
constexpr SpecialByte kSpecials[] = {
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
    {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C},
    {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95},
    {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B},
    {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F},
};

char ToWindows1252(char32_t codePoint) {
    if (codePoint < kAsciiEnd || (codePoint >= kC1End && codePoint < kLatin1End))
        return static_cast<char>(codePoint);
    for (const SpecialByte& special : kSpecials)
        if (special.CodePoint == codePoint) return static_cast<char>(special.Byte);
    return kUnmappable;
}

// Length of the sequence a lead byte opens, and the smallest code point
// that needs that length (shorter forms are overlong, hence invalid).
struct SequenceShape {
    std::size_t Length;
    char32_t Smallest;
    unsigned char PayloadMask;
};

bool ShapeOf(unsigned char lead, SequenceShape& shape) {
    if ((lead & 0xE0) == 0xC0) shape = {2, 0x80, 0x1F};
    else if ((lead & 0xF0) == 0xE0) shape = {3, 0x800, 0x0F};
    else if ((lead & 0xF8) == 0xF0) shape = {4, 0x10000, 0x07};
    else return false;
    return true;
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes one multi-byte sequence at text[at]; 0 when it is not valid UTF-8.
std::size_t DecodeSequence(std::string_view text, std::size_t at, char32_t& codePoint) {
    SequenceShape shape{};
    if (!ShapeOf(static_cast<unsigned char>(text[at]), shape) || text.size() - at < shape.Length) return 0;
    codePoint = static_cast<unsigned char>(text[at]) & shape.PayloadMask;
    for (std::size_t i = 1; i < shape.Length; ++i) {
        auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(byte)) return 0;
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < shape.Smallest || surrogate || codePoint > 0x10FFFF) return 0;
    return shape.Length;
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        char32_t codePoint = 0;
        std::size_t length = static_cast<unsigned char>(utf8[at]) < kAsciiEnd ? 0 : DecodeSequence(utf8, at, codePoint);
        out.push_back(length ? ToWindows1252(codePoint) : utf8[at]);
        at += length ? length : 1;
    }
    return out;
}

}  // namespace qvs::relay
