#include "send_commands.h"

#include <cstdlib>
#include <sstream>
#include <vector>

#include "hostlink/companion_script.h"

namespace hostsim {
namespace {

struct SendAlias {
    const char* Format;
    int NickAt;   // word index after the alias name
    int Words;    // words before the path
};

const SendAlias kAliases[] = {
    {qvs::kSendFileFormat, 1, 2},
    {qvs::kSendFileLimitFormat, 2, 3},
    {qvs::kSendFileAlternateFormat, 1, 3},
    {qvs::kSendFileAlternateLimitFormat, 2, 4},
};

constexpr char kScid[] = "/scid ";
constexpr char kCloseSend[] = "-s";

uint32_t Number(const std::string& word) { return static_cast<uint32_t>(std::strtoul(word.c_str(), nullptr, 10)); }

void StartSend(HostModel& model, const SendAlias& alias, std::istringstream& words) {
    std::vector<std::string> fields(alias.Words);
    for (std::string& field : fields) words >> field;
    std::string path;
    std::getline(words >> std::ws, path);
    if (path.empty()) return;
    model.Sends().Open(Number(fields[0]), fields[alias.NickAt], path, 0);
}

// "/close -s<N> <nick>"; other windows the host closes are no sends.
void CloseSend(HostModel& model, uint32_t id, std::istringstream& words) {
    std::string which, nick;
    words >> which >> nick;
    if (which.compare(0, sizeof kCloseSend - 1, kCloseSend) != 0 || nick.empty()) return;
    uint32_t number = Number(which.substr(sizeof kCloseSend - 1));
    if (number > 0) model.CloseSend(id, nick, number);
}

}  // namespace

std::string WithoutScid(const std::string& command, uint32_t& id) {
    id = 0;
    if (command.compare(0, sizeof kScid - 1, kScid) != 0) return command;
    std::size_t space = command.find(' ', sizeof kScid - 1);
    if (space == std::string::npos) return std::string();
    id = Number(command.substr(sizeof kScid - 1, space - (sizeof kScid - 1)));
    return command.substr(space + 1);
}

void NoteSendCommand(HostModel& model, const std::string& command) {
    uint32_t id = 0;
    std::istringstream words(WithoutScid(command, id));
    std::string name;
    words >> name;
    if (SameName(name, "/close")) return CloseSend(model, id, words);
    for (const SendAlias& alias : kAliases)
        if (SameName(name, "/" + qvs::CompanionName(alias.Format))) return StartSend(model, alias, words);
}

}  // namespace hostsim
