#include "ads/ad_text_editing.h"

#include <cstdio>
#include <vector>

#include "messaging/plain_words.h"

namespace qvs {

const char* const kColourNames[kColourCount] = {
    "white", "black",      "blue",       "green", "light red", "brown", "purple",     "orange",  "yellow",
    "light green", "cyan", "light cyan", "light blue", "pink", "grey",  "light grey", "no color"};

const char kPreviewWindowCommand[] = "/window -k0 @QVS_Preview";

namespace {

constexpr char kPreviewWindow[] = "@QVS_Preview";

const std::vector<EditorVariable> kChannelVariables = {
    {"FilesSent", "Number of files sent"},
    {"FileSize", "Total size sent"},
    {"AvgSend", "Average send speed"},
    {"MaxSend", "Max. send speed"},
    {"ChanName", "Channel name"},
    {"MaxReq", "Max. requests per queue"},
    {"SendThreshold", "Kill send if speed drops below xxx cps"},
    {"FilesSending", "(R.Queue) Files in sending"},
    {"RMaxSlots", "(R.Queue)Max Slots"},
    {"RMinSlots", "(R.Queue)Min Slots"},
    {"RFreeSlots", "(R.Queue)Free Slots"},
    {"SMaxSlots", "(S.Queue)Max Slots"},
    {"SFreeSlots", "(S.Queue)Free Slots"},
    {"OMaxSlots", "(Op Queue)Max Slots"},
    {"OFreeSlots", "(Op Queue)Free Slots"},
};

const std::vector<EditorVariable> kUserNickVariables = {{"Nick", "Nick"}, {"ServerNick", "Server's Nick"}};
const std::vector<EditorVariable> kScriptVariables = {{"Name", "Name"},
                                                      {"MinSearchStringLength", "Minimum Search String Length"}};
const std::vector<EditorVariable> kListVariables = {{"FileCount", "Number of files"},
                                                    {"FileSize", "Total size of files"},
                                                    {"CreationDate", "Date/Time created"},
                                                    {"Trigger", "Trigger"},
                                                    {"Description", "Description"}};

std::vector<EditorVariable> RandomTextVariables(const ModuleState& state) {
    std::vector<EditorVariable> variables;
    for (const RandomTextFile* file = state.RandomFiles.Head; file; file = file->Next)
        variables.push_back({file->Name.c_str(), file->Name.c_str()});
    return variables;
}

bool IsListName(const ModuleState& state, const std::string& group) {
    for (const FileList* list = state.FileLists.Head; list; list = list->Next)
        if (list->ListName.Equals(group.c_str())) return true;
    return false;
}

bool IsColour(int colour) { return colour >= 0 && colour < kColourCount; }

}  // namespace

std::vector<std::string> VariableGroups(const ModuleState& state) {
    std::vector<std::string> groups = {"Channel", "RandomText", "UserNick", "Script"};
    for (const FileList* list = state.FileLists.Head; list; list = list->Next) groups.push_back(list->ListName.c_str());
    return groups;
}

// The fixed groups come first, as the editor lists them: a list named
// like one of them offers the fixed group's variables.
std::vector<EditorVariable> GroupVariables(const ModuleState& state, const std::string& group) {
    if (group == "Channel") return kChannelVariables;
    if (group == "RandomText") return RandomTextVariables(state);
    if (group == "UserNick") return kUserNickVariables;
    if (group == "Script") return kScriptVariables;
    return IsListName(state, group) ? kListVariables : std::vector<EditorVariable>{};
}

std::string VariableWord(const std::string& group, const std::string& name) { return "$" + group + "." + name + "$"; }

// A background alone keeps the text colour's number ("no color" counts
// as the number of its place).
std::string ColourStart(int text, int background) {
    if (!IsColour(text) || !IsColour(background)) return std::string();
    if (text == kNoColour && background == kNoColour) return std::string();
    std::string code(1, kColourCode);
    code += std::to_string(text);
    if (background != kNoColour) code += "," + std::to_string(background);
    return code;
}

bool MarkSelection(std::string& text, std::size_t start, std::size_t end, const std::string& before,
                   const std::string& after) {
    if (start >= end || end > text.size()) return false;
    text.insert(end, after);
    text.insert(start, before);
    return true;
}

std::string PreviewLineCommand(const std::string& expanded) {
    std::string plain = AsPlainWords(expanded.c_str());
    std::vector<char> command(kMessageCommandSize);
    std::snprintf(command.data(), command.size(), "/aline -pi %s %s", kPreviewWindow, plain.c_str());
    FlattenLineBreaks(command.data());
    return command.data();
}

}  // namespace qvs
