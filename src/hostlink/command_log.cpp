#include "hostlink/command_log.h"

#include <cstdio>

namespace qvs {

std::string FormatDateTime(const DateTime& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%02lu-%02lu-%04lu  %02lu:%02lu:%02lu", static_cast<unsigned long>(time.Month),
                  static_cast<unsigned long>(time.Day), static_cast<unsigned long>(time.Year),
                  static_cast<unsigned long>(time.Hour), static_cast<unsigned long>(time.Minute),
                  static_cast<unsigned long>(time.Second));
    return text;
}

void LogPlainLine(ModuleState& state, const std::string& line) {
    std::string record = line + "\r\n";
    // A log that cannot be written only loses the line.
    state.Ports.Files->AppendToFile(state.ConfigFolder + kCommandLogName, record.data(), record.size());
}

void LogCommand(ModuleState& state, const char* text) {
    LogPlainLine(state, FormatDateTime(state.Ports.Clock->LocalNow()) + " " + text);
}

}  // namespace qvs
