// The per-channel top list file: one "%08lu %s\r\n" line per file name ever
// sent completely from the channel, counting its downloads.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/module_state.h"

namespace qvs {

// Eight digits hold no more; a count that reaches this stays there.
constexpr uint32_t kMostTopListCount = 99999999;

struct TopListEntry {
    uint32_t Count = 0;
    std::string Name;
};

// Configuration folder + channel name + "-toplist.txt".
std::string TopListPath(const ModuleState& state, const ChannelConfig* config);

// Counts one more download of the sent file's name (the part of its path
// after the last separator): its count is rewritten in place, a new name is
// appended. Nothing happens while the top list is
// switched off or when the file cannot be read or written.
void UpdateTopList(ModuleState& state, ServedChannel* channel, const char* filePath);

// The entries from most to least downloaded (equal counts by descending
// name), at most maximum of them (all for 0).
std::vector<TopListEntry> ReadTopList(ModuleState& state, const ChannelConfig* config, uint32_t maximum);

}  // namespace qvs
