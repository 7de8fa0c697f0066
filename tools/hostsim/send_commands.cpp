#include "send_commands.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace hostsim {
namespace {

struct SendAlias {
    const char* Name;
    int NickAt;   // word index after the alias name
    int Words;    // words before the path
};

const SendAlias kAliases[] = {
    {"/SendFile", 1, 2},
    {"/SendFileLimit", 2, 3},
    {"/SendFileAlternate", 1, 3},
    {"/SendFileAlternateLimit", 2, 4},
};

std::string WithoutScid(const std::string& command) {
    if (command.compare(0, 6, "/scid ") != 0) return command;
    std::size_t space = command.find(' ', 6);
    return space == std::string::npos ? std::string() : command.substr(space + 1);
}

}  // namespace

void NoteSendCommand(HostModel& model, const std::string& command) {
    std::string line = WithoutScid(command);
    std::istringstream words(line);
    std::string name;
    words >> name;
    for (const SendAlias& alias : kAliases) {
        if (!SameName(name, alias.Name)) continue;
        std::vector<std::string> fields(alias.Words);
        for (std::string& field : fields) words >> field;
        std::string path;
        std::getline(words >> std::ws, path);
        if (path.empty()) return;
        RunningSend send;
        send.ConnectionId = static_cast<uint32_t>(std::strtoul(fields[0].c_str(), nullptr, 10));
        send.Nick = fields[alias.NickAt];
        send.Path = path;
        model.StartSend(send);
        return;
    }
}

}  // namespace hostsim
