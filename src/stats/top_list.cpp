#include "stats/top_list.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "hostlink/text_routines.h"
#include "model/names.h"
#include "model/paths.h"
#include "ports/file_port.h"

namespace qvs {
namespace {

constexpr std::size_t kCountDigits = 8;
constexpr std::size_t kNameOffset = kCountDigits + 1;

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Only a line that starts with eight digits and a blank is ours to rewrite;
// anything else (a hand edit, a cut line) is walked over untouched.
bool HasCountField(const char* line, std::size_t room) {
    if (room < kNameOffset || line[kCountDigits] != ' ') return false;
    for (std::size_t i = 0; i < kCountDigits; ++i)
        if (line[i] < '0' || line[i] > '9') return false;
    return true;
}

bool NameMatches(const char* name, std::size_t room, const std::string& key) {
    if (room < key.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i)
        if (FoldCase(name[i]) != key[i]) return false;
    return room == key.size() || IsLineEnd(name[key.size()]);
}

// Offset of the line that counts key, or -1 when no line does.
int64_t FindCountLine(const char* data, std::size_t size, const std::string& key) {
    std::size_t line = 0;
    while (line < size) {
        std::size_t room = size - line;
        if (HasCountField(data + line, room) && NameMatches(data + line + kNameOffset, room - kNameOffset, key))
            return static_cast<int64_t>(line);
        const void* lineFeed = std::memchr(data + line, '\n', room);
        if (!lineFeed) break;
        line = static_cast<std::size_t>(static_cast<const char*>(lineFeed) - data) + 1;
    }
    return -1;
}

std::string LowerCaseKey(const char* name) {
    std::string key = name;
    for (char& c : key) c = FoldCase(c);
    return key;
}

void RaiseCount(ModuleState& state, const std::string& path, const char* line, uint64_t offset) {
    uint32_t count = ParseDecimal(std::string(line, kCountDigits).c_str());
    if (count >= kMostTopListCount) return;
    char digits[kCountDigits + 1];
    std::snprintf(digits, sizeof digits, "%08lu", static_cast<unsigned long>(count + 1));
    state.Ports.Files->WriteAt(path, offset, digits, kCountDigits);
}

// A last line without its line end gets one first, so the new line stays a
// line of its own.
void AppendName(ModuleState& state, const std::string& path, const char* name, bool endsOpen) {
    std::string line = endsOpen ? "\r\n" : "";
    line += "00000001 ";
    line += name;
    line += "\r\n";
    state.Ports.Files->AppendToFile(path, line.data(), line.size());
}

void CountDownload(ModuleState& state, const std::string& path, const char* name) {
    FilePort& files = *state.Ports.Files;
    MappedFile view;
    if (!files.MapFile(path, view)) {
        if (!files.FileExists(path)) AppendName(state, path, name, false);
        return;
    }
    std::size_t size = static_cast<std::size_t>(view.Size);
    int64_t line = FindCountLine(view.Data, size, LowerCaseKey(name));
    std::string found = line >= 0 ? std::string(view.Data + line, kCountDigits) : std::string();
    bool endsOpen = size > 0 && view.Data[size - 1] != '\n';
    files.UnmapFile(view);
    if (line >= 0)
        RaiseCount(state, path, found.c_str(), static_cast<uint64_t>(line));
    else
        AppendName(state, path, name, endsOpen);
}

bool ComesFirst(const TopListEntry& a, const TopListEntry& b) {
    if (a.Count != b.Count) return a.Count > b.Count;
    return std::lexicographical_compare(
        b.Name.begin(), b.Name.end(), a.Name.begin(), a.Name.end(), [](char x, char y) {
            return static_cast<unsigned char>(FoldCase(x)) < static_cast<unsigned char>(FoldCase(y));
        });
}

// "count name"; a line without a blank or without a readable count is
// passed over.
void AddEntry(std::vector<TopListEntry>& entries, const char* line, std::size_t length) {
    const void* blank = std::memchr(line, ' ', length);
    if (!blank) return;
    std::size_t countLength = static_cast<std::size_t>(static_cast<const char*>(blank) - line);
    uint32_t count = ParseDecimal(std::string(line, countLength).c_str());
    if (count == kInvalidNumber) return;
    entries.push_back(TopListEntry{count, std::string(line + countLength + 1, length - countLength - 1)});
}

std::vector<TopListEntry> ParseLines(const char* data, std::size_t size) {
    std::vector<TopListEntry> entries;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i < size && !IsLineEnd(data[i])) continue;
        if (i > start) AddEntry(entries, data + start, i - start);
        start = i + 1;
    }
    return entries;
}

}  // namespace

std::string TopListPath(const ModuleState& state, const ChannelConfig* config) {
    return state.ConfigFolder + config->ChannelName.c_str() + "-toplist.txt";
}

void UpdateTopList(ModuleState& state, ServedChannel* channel, const char* filePath) {
    if (state.Settings.EnableTopList == 0 || !filePath) return;
    const char* name = PathFileName(filePath);
    // A line end inside the name would break the one-line-per-name layout.
    if (!*name || std::strpbrk(name, "\r\n")) return;
    CountDownload(state, TopListPath(state, channel->Config), name);
}

std::vector<TopListEntry> ReadTopList(ModuleState& state, const ChannelConfig* config, uint32_t maximum) {
    MappedFile view;
    if (!state.Ports.Files->MapFile(TopListPath(state, config), view)) return {};
    std::vector<TopListEntry> entries = ParseLines(view.Data, static_cast<std::size_t>(view.Size));
    state.Ports.Files->UnmapFile(view);
    std::stable_sort(entries.begin(), entries.end(), ComesFirst);
    if (maximum != 0 && entries.size() > maximum) entries.resize(maximum);
    return entries;
}

}  // namespace qvs
