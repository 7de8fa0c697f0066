// Steps about the companion script that hostsim follows, and about the send
// windows the host keeps.
#include <fstream>
#include <sstream>

#include "mrc_script.h"
#include "runner.h"
#include "step_words.h"

namespace hostsim {
namespace {

constexpr char kRelayFile[] = "qvsrelay.dll";
constexpr char kReadyExport[] = "Ready";

bool EndsWithNoCase(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && LowerCase(text.substr(text.size() - end.size())) == LowerCase(end);
}

bool IsPlainFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

Outcome Runner::FollowScript(const Step& step) {
    std::ifstream file(scenarioFolder_ + step.Words[1], std::ios::binary);
    if (!file) return {false, "cannot read " + step.Words[1]};
    std::ostringstream text;
    text << file.rdbuf();
    std::string error;
    if (!script_.Read(text.str(), error)) return {false, error};
    HostScriptWorld& world = script_.World();
    world.Dll = [this](const std::string& dll, const std::string& name, const std::string& data) {
        return ScriptDll(dll, name, data);
    };
    world.IsFile = IsPlainFile;
    return {true, "the host now follows " + step.Words[1]};
}

// The script's calls into the relay reach the module as the relay posts
// them; the module's own exports are played by the steps that call them.
std::string Runner::ScriptDll(const std::string& file, const std::string& exportName, const std::string& data) {
    if (!EndsWithNoCase(file, kRelayFile)) return std::string();
    HWND panel = Panel();
    if (exportName == kReadyExport) return panel ? "1" : "0";
    bool posted = panel && relay_.PostScriptLine(panel, exportName, data);
    transcript_.Note("script -> relay " + exportName + " \"" + data + "\": " + (posted ? "posted" : "not posted"));
    if (posted) ++scriptPosts_;
    return posted ? "1" : "0";
}

bool Runner::RunScriptEvent(const std::string& event, const EventIdentifiers& identifiers, uint32_t connectionId) {
    std::size_t before = scriptPosts_;
    if (!script_.RunEvent(event, identifiers, connectionId)) transcript_.Note("(the script has no " + event + " handler)");
    if (script_.Overran()) transcript_.Note("the script ran into a loop that does not end");
    return scriptPosts_ > before && !script_.Overran();
}

Outcome Runner::ExpectSendWindows(const Step& step) {
    uint32_t id = 0;
    if (!ParseUnsigned(step.Words[1], id)) return {false, "usage: expect-send-windows <cid> <nick> [<status> ...]"};
    std::string seen, wanted;
    for (uint32_t n = 1; const SendWindow* window = model_.Sends().NthTo(id, step.Words[2], n); ++n)
        seen += (n > 1 ? " " : "") + window->Status;
    for (std::size_t i = 3; i < step.Words.size(); ++i) wanted += (i > 3 ? " " : "") + step.Words[i];
    return {seen == wanted, "the nick's windows: " + (seen.empty() ? std::string("none") : seen)};
}

Outcome Runner::ExpectScriptCommand(const Step& step) {
    for (const std::string& command : script_.World().Commands)
        if (Matches(command, step.Rest(1))) return {true, std::string()};
    return {false, "the script ran no such command"};
}

}  // namespace hostsim
