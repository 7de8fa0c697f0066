// "Insert files to queue" of a regular queue view: the operator queues files
// of his own choosing for nicks of the channel.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/module_state.h"

namespace qvs {

// The most nicks the "Nick:" box asks the host for; a larger count is garbage.
constexpr uint32_t kMostChannelNicks = 10000;

struct InsertRow {
    std::string Nick;
    std::string FilePath;
};

// The "Nick:" box: the channel's nicks as the companion script lists them,
// without the module's own nick and without names that could not be placed
// in a send command.
std::vector<std::string> ChannelNicks(ModuleState& state, ServedChannel* channel);

// OK of the dialog: each row whose file exists becomes an entry of the
// channel's Regular queue, appended at its tail without any admission test.
// Rows whose nick could not be sent to are left out. Returns how many.
uint32_t InsertFiles(ModuleState& state, ServedChannel* channel, const std::vector<InsertRow>& rows);

}  // namespace qvs
