// HostLink: the module's only way to act inside the host. Commands and
// identifiers travel through the shared area "mIRC" and messages 1224/1225
// to the host window; texts are limited to 2047 characters and cut beyond.
// Every exchange takes the HostLink object alone, so a worker thread can be
// given it without the module state; the ModuleState forms forward to it.
#pragma once
#include <cstdarg>
#include <cstdint>
#include <string>

#include "model/module_state.h"

namespace qvs {

constexpr uint32_t kHostExecuteMessage = 1224;
constexpr uint32_t kHostEvaluateMessage = 1225;
constexpr uint32_t kHostAnswerSuccess = 1;

#if defined(__GNUC__)
#define QVS_PRINTF(formatIndex, firstArgument) __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define QVS_PRINTF(formatIndex, firstArgument)
#endif

// The three exchanges on the text already in the HostLink buffer.
void ExecuteCommand(HostLink& link);
void PostCommand(HostLink& link);
uint32_t EvaluateIdentifier(HostLink& link);

// Executes a command given whole, without the HostLink buffer: for a thread
// other than the one that formats there. Cut at 2047 characters.
void ExecuteWholeCommand(HostLink& link, const char* command);

// Holds the HostLink lock for a whole format-exchange-read sequence, so no
// other thread touches the buffer in between. Re-entrant.
class HostLinkLock {
public:
    explicit HostLinkLock(HostLink& link);
    explicit HostLinkLock(ModuleState& state);
    ~HostLinkLock();
    HostLinkLock(const HostLinkLock&) = delete;
    HostLinkLock& operator=(const HostLinkLock&) = delete;

private:
    HostTransport* host_;
};

// printf-style formatting into the HostLink buffer, cut at 2047 characters.
void FormatHostLink(HostLink& link, const char* format, ...) QVS_PRINTF(2, 3);
void VFormatHostLink(HostLink& link, const char* format, va_list args);

// Formats and executes one command under the lock.
void Execute(HostLink& link, const char* format, ...) QVS_PRINTF(2, 3);
void VExecute(HostLink& link, const char* format, va_list args);

// Formats and evaluates one identifier under the lock; on success (answer 1)
// the value is copied to result, otherwise result is left unchanged.
bool Evaluate(HostLink& link, std::string& result, const char* format, ...) QVS_PRINTF(3, 4);
bool VEvaluate(HostLink& link, std::string& result, const char* format, va_list args);

// The same through the module state's host link.
void ExecuteCommand(ModuleState& state);
void PostCommand(ModuleState& state);
uint32_t EvaluateIdentifier(ModuleState& state);
void FormatHostLink(ModuleState& state, const char* format, ...) QVS_PRINTF(2, 3);
void Execute(ModuleState& state, const char* format, ...) QVS_PRINTF(2, 3);
bool Evaluate(ModuleState& state, std::string& result, const char* format, ...) QVS_PRINTF(3, 4);

// The command prefix for a connection: "/scid %lu " or nothing for id 0.
std::string ScidPrefix(uint32_t connectionId);

}  // namespace qvs
