// The published Compound File Binary format (structured storage), version 3:
// an in-memory tree of storages and streams, a reader that turns file bytes
// into that tree and a writer that turns the tree into file bytes.
//
// Portable C++17: no platform headers, so the same reader builds natively and
// with MinGW for the Windows-side cross-check programs.
//
// The reader takes hostile input. Every allocation is bounded by the input
// size, every sector chain and the directory walk are bounded by visited
// marks, and a stream yields at most the bytes really present in the file.
// Damage is skipped, never trusted: what can be read is kept.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qvs::cfb {

// Longest element name in UTF-16 code units (the 32nd unit is the terminator).
constexpr std::size_t kMaxNameLength = 31;
// Streams shorter than this live in the mini stream.
constexpr std::uint32_t kMiniStreamCutoff = 4096;
// Files larger than this are refused by the loader; a stream never grows past it.
constexpr std::size_t kMaxFileBytes = std::size_t(256) << 20;
// Storages nested deeper than this are dropped by the reader and refused by
// the writer side, so recursive destruction and writing stay shallow.
constexpr int kMaxDepth = 256;

// Upper case of one UTF-16 code unit as the format compares names (simple
// case mapping; covers Latin-1, Latin Extended-A, Greek and Cyrillic).
char16_t UpcaseCodeUnit(char16_t c);
std::u16string UpcaseName(const std::u16string& name);
// The format's order of sibling names: shorter first, then code unit by code
// unit after upper-casing. Negative, zero or positive like strcmp.
int CompareNames(const std::u16string& a, const std::u16string& b);
// ANSI (Windows-1252) to UTF-16, one code unit per byte, stopping at NUL.
std::u16string AnsiToUtf16(const char* ansi);
// A name that may be created: 1 to 31 code units, none of '/', '\\', ':', '!'.
bool IsValidName(const std::u16string& name);

// Orders map keys that are already upper-cased names.
struct NameKeyLess {
    bool operator()(const std::u16string& a, const std::u16string& b) const {
        if (a.size() != b.size()) return a.size() < b.size();
        return a < b;
    }
};

// One element of the tree. The root is a storage without a name.
struct Entry {
    std::u16string name;
    bool isStorage = false;
    std::vector<std::uint8_t> data;  // streams only
    // Keyed by UpcaseName(name), so iteration follows the format's order and
    // lookups are case-insensitive.
    std::map<std::u16string, std::shared_ptr<Entry>, NameKeyLess> children;

    std::shared_ptr<Entry> Find(const std::u16string& childName) const;
    // Adds a fresh empty child, replacing any element of that name.
    std::shared_ptr<Entry> Replace(const std::u16string& childName, bool storage);
};

std::shared_ptr<Entry> NewRoot();

// What the reader met on the way; for tests and diagnostics.
struct ParseReport {
    bool damaged = false;  // anything skipped, cut short or out of range
};

// Null when the bytes are not a readable compound file: wrong signature,
// unsupported sector sizes, too large, or no readable root entry.
std::shared_ptr<Entry> Parse(const std::uint8_t* bytes, std::size_t size,
                             ParseReport* report = nullptr);

// Version 3 file bytes: 512-byte sectors, all-black balanced sibling trees,
// zero CLSIDs and times.
std::vector<std::uint8_t> Serialize(const Entry& root);

}  // namespace qvs::cfb
