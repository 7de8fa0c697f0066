#include "hostlink/host_link.h"

#include <cstdio>
#include <cstring>

#include "hostlink/command_log.h"
#include "ports/host_transport.h"

namespace qvs {
namespace {

void CopyToSharedView(HostLink& link, const char* text) {
    char* view = link.Transport->SharedView();
    if (!view) return;
    uint32_t room = link.Transport->SharedViewSize();
    if (room == 0) return;
    std::size_t length = strnlen(text, kHostLinkBufferSize - 1);
    if (length >= room) length = room - 1;
    std::memcpy(view, text, length);
    view[length] = '\0';
}

void CopyToSharedView(HostLink& link) { CopyToSharedView(link, link.Buffer); }

void CopyFromSharedView(HostLink& link) {
    const char* view = link.Transport->SharedView();
    link.Buffer[0] = '\0';
    if (!view) return;
    std::size_t room = link.Transport->SharedViewSize();
    if (room > kHostLinkBufferSize - 1) room = kHostLinkBufferSize - 1;
    std::size_t length = strnlen(view, room);
    std::memcpy(link.Buffer, view, length);
    link.Buffer[length] = '\0';
}

}  // namespace

HostLinkLock::HostLinkLock(HostLink& link) : host_(link.Transport) { host_->Lock(); }
HostLinkLock::HostLinkLock(ModuleState& state) : HostLinkLock(state.Link) {}
HostLinkLock::~HostLinkLock() { host_->Unlock(); }

void ExecuteCommand(HostLink& link) { ExecuteWholeCommand(link, link.Buffer); }

void PostCommand(HostLink& link) {
    HostLinkLock lock(link);
    CopyToSharedView(link);
    link.Transport->PostToHost(kHostExecuteMessage, 5, 0);
}

void ExecuteWholeCommand(HostLink& link, const char* command) {
    if (link.CommandLogging) LogCommand(link, command);
    HostLinkLock lock(link);
    CopyToSharedView(link, command);
    link.Transport->SendToHost(kHostExecuteMessage, 5, 0);
}

uint32_t EvaluateIdentifier(HostLink& link) {
    HostLinkLock lock(link);
    CopyToSharedView(link);
    uint32_t answer = link.Transport->SendToHost(kHostEvaluateMessage, 0, 0);
    if (answer == kHostAnswerSuccess)
        CopyFromSharedView(link);
    else
        link.Buffer[0] = '\0';
    return answer;
}

void VFormatHostLink(HostLink& link, const char* format, va_list args) {
    int written = std::vsnprintf(link.Buffer, kHostLinkBufferSize, format, args);
    if (written < 0) link.Buffer[0] = '\0';
}

void FormatHostLink(HostLink& link, const char* format, ...) {
    va_list args;
    va_start(args, format);
    VFormatHostLink(link, format, args);
    va_end(args);
}

void VExecute(HostLink& link, const char* format, va_list args) {
    HostLinkLock lock(link);
    VFormatHostLink(link, format, args);
    ExecuteCommand(link);
}

void Execute(HostLink& link, const char* format, ...) {
    va_list args;
    va_start(args, format);
    VExecute(link, format, args);
    va_end(args);
}

bool VEvaluate(HostLink& link, std::string& result, const char* format, va_list args) {
    HostLinkLock lock(link);
    VFormatHostLink(link, format, args);
    if (EvaluateIdentifier(link) != kHostAnswerSuccess) return false;
    result = link.Buffer;
    return true;
}

bool Evaluate(HostLink& link, std::string& result, const char* format, ...) {
    va_list args;
    va_start(args, format);
    bool answered = VEvaluate(link, result, format, args);
    va_end(args);
    return answered;
}

void ExecuteCommand(ModuleState& state) { ExecuteCommand(state.Link); }
void PostCommand(ModuleState& state) { PostCommand(state.Link); }
uint32_t EvaluateIdentifier(ModuleState& state) { return EvaluateIdentifier(state.Link); }

void FormatHostLink(ModuleState& state, const char* format, ...) {
    va_list args;
    va_start(args, format);
    VFormatHostLink(state.Link, format, args);
    va_end(args);
}

void Execute(ModuleState& state, const char* format, ...) {
    va_list args;
    va_start(args, format);
    VExecute(state.Link, format, args);
    va_end(args);
}

bool Evaluate(ModuleState& state, std::string& result, const char* format, ...) {
    va_list args;
    va_start(args, format);
    bool answered = VEvaluate(state.Link, result, format, args);
    va_end(args);
    return answered;
}

std::string ScidPrefix(uint32_t connectionId) {
    if (connectionId == 0) return std::string();
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "/scid %lu ", static_cast<unsigned long>(connectionId));
    return prefix;
}

}  // namespace qvs
