// qvs.log in the configuration folder: every executed command, every join
// and every search text, while "Log mIRC commands" is on.
#pragma once
#include <string>

#include "model/module_state.h"

namespace qvs {

constexpr char kCommandLogName[] = "qvs.log";

// The local date and time "%02lu-%02lu-%04lu  %02lu:%02lu:%02lu".
std::string FormatDateTime(const DateTime& time);
// A time-stamped line: date, time, one space, the text, CR LF.
void LogCommand(HostLink& link, const char* text);
// A line as it stands, CR LF appended, no time stamp.
void LogPlainLine(HostLink& link, const std::string& line);

// The same through the module state's host link.
void LogCommand(ModuleState& state, const char* text);
void LogPlainLine(ModuleState& state, const std::string& line);

}  // namespace qvs
