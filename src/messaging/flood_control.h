// Per-connection pacing of outgoing commands against server flood limits.
#pragma once
#include "model/module_state.h"

namespace qvs {

// Commands waiting beyond this are stale by the time they would leave (half
// an hour at a two-second pace); dropping newcomers keeps a flood of requests
// from growing the host's memory without limit.
constexpr uint32_t kMaxPendingMessages = 1000;

// Hands a complete host command to the connection's flood control; target is
// the nick it goes to.
void PaceCommand(ModuleState& state, Connection* connection, const char* command, const char* target);

// Executes the command now when the target still shares a channel with us,
// and records it as the connection's last send.
void SendPacedNow(ModuleState& state, Connection* connection, const char* command, const char* target);

// The flood timer of a connection: releases pending commands.
void FloodTimerFired(ModuleState& state, void* connection, TimerId timer);

}  // namespace qvs
