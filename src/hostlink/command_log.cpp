#include "hostlink/command_log.h"

#include <cstdio>

#include "ports/clock_port.h"
#include "ports/file_port.h"

namespace qvs {

std::string FormatDateTime(const DateTime& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%02lu-%02lu-%04lu  %02lu:%02lu:%02lu", static_cast<unsigned long>(time.Month),
                  static_cast<unsigned long>(time.Day), static_cast<unsigned long>(time.Year),
                  static_cast<unsigned long>(time.Hour), static_cast<unsigned long>(time.Minute),
                  static_cast<unsigned long>(time.Second));
    return text;
}

void LogPlainLine(HostLink& link, const std::string& line) {
    std::string record = line + "\r\n";
    // A log that cannot be written only loses the line.
    link.Files->AppendToFile(link.LogPath, record.data(), record.size());
}

void LogCommand(HostLink& link, const char* text) {
    LogPlainLine(link, FormatDateTime(link.Clock->LocalNow()) + " " + text);
}

void LogPlainLine(ModuleState& state, const std::string& line) { LogPlainLine(state.Link, line); }
void LogCommand(ModuleState& state, const char* text) { LogCommand(state.Link, text); }

}  // namespace qvs
