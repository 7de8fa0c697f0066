#include "messaging/flood_control.h"

#include <cstring>
#include <string>

#include "hostlink/host_link.h"
#include "messaging/reachability.h"
#include "model/elapsed.h"
#include "model/memory.h"
#include "ports/clock_port.h"
#include "ports/timer_port.h"

namespace qvs {
namespace {

// The longest period a platform timer accepts, in milliseconds.
constexpr uint32_t kMaxTimerPeriodMs = 0x7FFFFFFF;

// Callers may hand us text that lives in the HostLink buffer, which the
// reachability check overwrites; work on a bounded copy.
std::string CopyOf(const char* text) {
    if (!text) return std::string();
    return std::string(text, strnlen(text, kHostLinkBufferSize - 1));
}

// Seconds that must pass after the last send before a command to target may
// leave. Messages to the nick we just talked to need no target-change gap,
// and a switched-off protection imposes none either.
uint32_t GapBefore(const Connection& connection, const char* target) {
    const NetworkSettings* network = connection.Network;
    if (!network) return 0;
    if (network->UseTargetChange == 1 && !connection.LastTarget.Equals(target)) return network->TargetChangeInterval;
    if (network->UseExcessFlood == 1) return network->ExcessFloodInterval;
    return 0;
}

uint32_t PeriodMs(uint32_t gapSeconds) {
    return gapSeconds > kMaxTimerPeriodMs / 1000 ? kMaxTimerPeriodMs : gapSeconds * 1000;
}

void StopFloodTimer(ModuleState& state, Connection& connection) {
    if (connection.FloodTimer) state.Ports.Timers->KillTimer(connection.FloodTimer);
    connection.FloodTimer = 0;
}

// Always a full gap from now, not what is left of it since the last send.
void StartFloodTimer(ModuleState& state, Connection& connection, uint32_t gapSeconds) {
    StopFloodTimer(state, connection);
    connection.FloodTimer = state.Ports.Timers->StartTimer(PeriodMs(gapSeconds), FloodTimerFired, &connection);
}

void AppendPending(Connection& connection, const std::string& command, const char* target) {
    if (connection.Pending.Count >= kMaxPendingMessages) return;
    PendingMessage* message = NewRecord<PendingMessage>();
    if (!message) return;
    message->Command.Set(command.c_str(), command.size());
    message->Target.Set(target);
    connection.Pending.PushBack(message);
}

void ReleaseHead(ModuleState& state, Connection& connection) {
    PendingMessage* head = connection.Pending.Head;
    connection.Pending.Unlink(head);
    SendPacedNow(state, &connection, head->Command.c_str(), head->Target.c_str());
    DeleteRecord(head);
}

// The timer's Connection, only while it is alive and the timer still its
// own: a tick that was already due when the timer was stopped finds nothing.
Connection* OwnerOf(ModuleState& state, void* context, TimerId timer) {
    for (Connection* connection = state.Connections.Head; connection; connection = connection->Next)
        if (connection == context && connection->FloodTimer == timer) return connection;
    return nullptr;
}

}  // namespace

void PaceCommand(ModuleState& state, Connection* connection, const char* command, const char* target) {
    if (!command) return;
    std::string own = CopyOf(command);
    if (!connection) {
        Execute(state, "%s", own.c_str());
        return;
    }
    // The running timer reaches whatever already waits; keep arrival order.
    if (!connection->Pending.Empty()) {
        AppendPending(*connection, own, target);
        return;
    }
    if (connection->LastTarget.IsNone()) {
        SendPacedNow(state, connection, own.c_str(), target);
        return;
    }
    uint32_t gap = GapBefore(*connection, target);
    if (SecondsSince(connection->LastSendTime, state.Ports.Clock->UtcNow()) >= gap) {
        SendPacedNow(state, connection, own.c_str(), target);
        return;
    }
    AppendPending(*connection, own, target);
    StartFloodTimer(state, *connection, gap);
}

void SendPacedNow(ModuleState& state, Connection* connection, const char* command, const char* target) {
    if (!connection) return;
    std::string ownCommand = CopyOf(command);
    std::string ownTarget = CopyOf(target);
    if (!SharesChannel(state, connection->ConnectionId, ownTarget.c_str())) return;
    Execute(state, "%s", ownCommand.c_str());
    connection->LastSendTime = state.Ports.Clock->UtcNow();
    connection->LastTarget.Set(ownTarget.c_str());
}

void FloodTimerFired(ModuleState& state, void* context, TimerId timer) {
    Connection* connection = OwnerOf(state, context, timer);
    if (!connection) return;
    if (!connection->Pending.Empty()) ReleaseHead(state, *connection);
    // A run of commands that needs no gap (to the nick just served, under
    // target-change pacing alone) leaves on this one tick.
    while (connection->Pending.Head && GapBefore(*connection, connection->Pending.Head->Target.c_str()) == 0)
        ReleaseHead(state, *connection);
    if (connection->Pending.Empty())
        StopFloodTimer(state, *connection);
    else
        StartFloodTimer(state, *connection, GapBefore(*connection, connection->Pending.Head->Target.c_str()));
}

}  // namespace qvs
