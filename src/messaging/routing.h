// Every answer to a single user goes through here: the notice or private
// message command for the connection, the Undernet forms, reachability and
// flood pacing.
#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

void SendNotice(ModuleState& state, uint32_t connectionId, const char* nick, const char* text, const char* channel);
void SendPrivateMessage(ModuleState& state, uint32_t connectionId, const char* nick, const char* text,
                        const char* channel);
// A notice without the Undernet choice.
void SendPlainNotice(ModuleState& state, uint32_t connectionId, const char* nick, const char* text);
// 1 when the own nick is op or voiced in the channel.
uint32_t HasChannelStatus(ModuleState& state, uint32_t connectionId, const char* ownNick, const char* channel);
// Whether commands on that network must be paced.
bool FloodIsActive(const NetworkSettings* network);

}  // namespace qvs
