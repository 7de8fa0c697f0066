#include "hostlink/host_link.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "hostlink/command_log.h"

namespace qvs {
namespace {

void CopyToSharedView(ModuleState& state) {
    HostTransport* host = state.Ports.Host;
    char* view = host->SharedView();
    if (!view) return;
    uint32_t room = host->SharedViewSize();
    if (room == 0) return;
    std::size_t length = strnlen(state.HostLinkBuffer, kHostLinkBufferSize - 1);
    if (length >= room) length = room - 1;
    std::memcpy(view, state.HostLinkBuffer, length);
    view[length] = '\0';
}

void CopyFromSharedView(ModuleState& state) {
    HostTransport* host = state.Ports.Host;
    const char* view = host->SharedView();
    state.HostLinkBuffer[0] = '\0';
    if (!view) return;
    std::size_t room = host->SharedViewSize();
    if (room > kHostLinkBufferSize - 1) room = kHostLinkBufferSize - 1;
    std::size_t length = strnlen(view, room);
    std::memcpy(state.HostLinkBuffer, view, length);
    state.HostLinkBuffer[length] = '\0';
}

void VFormatHostLink(ModuleState& state, const char* format, va_list args) {
    int written = std::vsnprintf(state.HostLinkBuffer, kHostLinkBufferSize, format, args);
    if (written < 0) state.HostLinkBuffer[0] = '\0';
}

}  // namespace

HostLinkLock::HostLinkLock(ModuleState& state) : host_(state.Ports.Host) { host_->Lock(); }
HostLinkLock::~HostLinkLock() { host_->Unlock(); }

void ExecuteCommand(ModuleState& state) {
    if (state.CommandLogging) LogCommand(state, state.HostLinkBuffer);
    HostLinkLock lock(state);
    CopyToSharedView(state);
    state.Ports.Host->SendToHost(kHostExecuteMessage, 5, 0);
}

void PostCommand(ModuleState& state) {
    HostLinkLock lock(state);
    CopyToSharedView(state);
    state.Ports.Host->PostToHost(kHostExecuteMessage, 5, 0);
}

uint32_t EvaluateIdentifier(ModuleState& state) {
    HostLinkLock lock(state);
    CopyToSharedView(state);
    uint32_t answer = state.Ports.Host->SendToHost(kHostEvaluateMessage, 0, 0);
    if (answer == kHostAnswerSuccess)
        CopyFromSharedView(state);
    else
        state.HostLinkBuffer[0] = '\0';
    return answer;
}

void FormatHostLink(ModuleState& state, const char* format, ...) {
    va_list args;
    va_start(args, format);
    VFormatHostLink(state, format, args);
    va_end(args);
}

void Execute(ModuleState& state, const char* format, ...) {
    HostLinkLock lock(state);
    va_list args;
    va_start(args, format);
    VFormatHostLink(state, format, args);
    va_end(args);
    ExecuteCommand(state);
}

bool Evaluate(ModuleState& state, std::string& result, const char* format, ...) {
    HostLinkLock lock(state);
    va_list args;
    va_start(args, format);
    VFormatHostLink(state, format, args);
    va_end(args);
    if (EvaluateIdentifier(state) != kHostAnswerSuccess) return false;
    result = state.HostLinkBuffer;
    return true;
}

std::string ScidPrefix(uint32_t connectionId) {
    if (connectionId == 0) return std::string();
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "/scid %lu ", static_cast<unsigned long>(connectionId));
    return prefix;
}

}  // namespace qvs
