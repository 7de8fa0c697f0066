// HostLink: the module's only way to act inside the host. Commands and
// identifiers travel through the shared area "mIRC" and messages 1224/1225
// to the host window; texts are limited to 2047 characters and cut beyond.
#pragma once
#include <cstdint>
#include <string>

#include "model/module_state.h"

namespace qvs {

constexpr uint32_t kHostExecuteMessage = 1224;
constexpr uint32_t kHostEvaluateMessage = 1225;
constexpr uint32_t kHostAnswerSuccess = 1;

// The three exchanges on the text already in the HostLink buffer.
void ExecuteCommand(ModuleState& state);
void PostCommand(ModuleState& state);
uint32_t EvaluateIdentifier(ModuleState& state);

// Holds the HostLink lock for a whole format-exchange-read sequence, so no
// other thread touches the buffer in between. Re-entrant.
class HostLinkLock {
public:
    explicit HostLinkLock(ModuleState& state);
    ~HostLinkLock();
    HostLinkLock(const HostLinkLock&) = delete;
    HostLinkLock& operator=(const HostLinkLock&) = delete;

private:
    HostTransport* host_;
};

// printf-style formatting into the HostLink buffer, cut at 2047 characters.
void FormatHostLink(ModuleState& state, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// Formats and executes one command under the lock.
void Execute(ModuleState& state, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// Formats and evaluates one identifier under the lock; on success (answer 1)
// the value is copied to result, otherwise result is left unchanged.
bool Evaluate(ModuleState& state, std::string& result, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;

// The command prefix for a connection: "/scid %lu " or nothing for id 0.
std::string ScidPrefix(uint32_t connectionId);

}  // namespace qvs
