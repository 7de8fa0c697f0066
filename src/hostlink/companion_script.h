// The companion script's side of the host link: every identifier the module
// evaluates and every alias it executes, written once. The spacing inside a
// format ("%lu ,", "%lu, ") is part of the text the script receives. "%lu"
// first is the host connection id, except in "$GetMinute" and the list answer.
#pragma once
#include <string>

namespace qvs {

// Identifiers: (connection, nick), (connection, channel, nick),
// (connection, nick, send number from 1), (connection, channel[, position]).
// Send numbers are those of the host's "/close -sN nick" on that connection:
// a finished or failed send window keeps its number until it is closed and
// answers no folder, name or speed, so the count may exceed the running sends.
constexpr char kGetComChanFormat[] = "$GetComChan(%lu, %s)";
constexpr char kGetOpStatusFormat[] = "$GetOpStatus(%lu ,%s,%s)";
constexpr char kGetVoiceStatusFormat[] = "$GetVoiceStatus(%lu,%s,%s)";
constexpr char kGetSendCountPerNickFormat[] = "$GetSendCountPerNick(%lu,%s)";
constexpr char kGetSendPathNameFormat[] = "$GetSendPathName(%lu, %s,%lu)";
constexpr char kGetSendFileNameFormat[] = "$GetSendFileName(%lu ,%s,%lu)";
constexpr char kGetSendCpsForNickFormat[] = "$GetSendCpsForNick(%lu,%s,%lu)";
constexpr char kGetNickCountFormat[] = "$GetNickCount(%lu,%s)";
constexpr char kGetNickFormat[] = "$GetNick(%lu,%s,%lu)";
// A "$ctime" text the host gave earlier.
constexpr char kGetMinuteFormat[] = "$GetMinute(%s)";

// Aliases: a DCC send of (connection, [speed limit,] nick, [port,] path),
// and the answer to a list generation the script asked for (1 or 0, name).
constexpr char kSendFileFormat[] = "/SendFile %lu %s %s";
constexpr char kSendFileLimitFormat[] = "/SendFileLimit %lu %lu %s %s";
constexpr char kSendFileAlternateFormat[] = "/SendFileAlternate %lu %s %lu %s";
constexpr char kSendFileAlternateLimitFormat[] = "/SendFileAlternateLimit %lu %lu %s %lu %s";
constexpr char kListDoneFormat[] = "/QVSListDone %lu %s";

// The name a format begins with, without its "$" or "/" and what follows:
// "GetComChan" for kGetComChanFormat. The host simulator answers by it.
inline std::string CompanionName(const char* format) {
    std::string name(format + 1);
    return name.substr(0, name.find_first_of("( "));
}

}  // namespace qvs
