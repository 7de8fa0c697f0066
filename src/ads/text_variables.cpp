#include "ads/text_variables.h"

#include <cstring>
#include <vector>

#include "hostlink/command_log.h"
#include "hostlink/host_link.h"
#include "hostlink/text_routines.h"
#include "model/list_figures_hold.h"
#include "stats/number_texts.h"
#include "stats/statistics.h"

namespace qvs {
namespace {

// What one HostLink text holds; the expansion is cut there.
constexpr std::size_t kExpandedLimit = kHostLinkBufferSize - 1;
// Room for the work in between: a text may shrink again when later
// variables are replaced by less than their names, but an advertisement
// is never worth more than this.
constexpr std::size_t kWorkingLimit = 16 * kHostLinkBufferSize;
constexpr char kNotCreatedYet[] = "Not created yet";

struct Variable {
    std::string Name;
    std::string Value;
};

std::string VariableName(const char* group, const char* name) { return std::string("$") + group + "." + name + "$"; }

std::string Decimal(uint32_t value) { return std::to_string(value); }

// Free slots go below zero when more sends run than slots are set.
std::string FreeSlots(uint32_t slots, uint32_t running) {
    return std::to_string(static_cast<int64_t>(slots) - static_cast<int64_t>(running));
}

std::string MaxRequests(const ChannelConfig* config) {
    return config->LimitQueueSize == 1 ? Decimal(config->QueueSize) : "Unlimited";
}

std::string SendThreshold(const ChannelConfig* config) {
    return config->UseMinCps == 1 ? Decimal(config->MinSendCps) + " cps" : "Unused";
}

void AddChannelVariables(ModuleState& state, const ChannelConfig* config, const ServedChannel* channel,
                         std::vector<Variable>& variables) {
    uint32_t regularSends = channel ? channel->Regular.Sending.Count : 0;
    auto add = [&variables](const char* name, std::string value) {
        variables.push_back(Variable{VariableName("Channel", name), std::move(value)});
    };
    add("FilesSent", FormatThousands(config->NoOfFilesSent));
    add("FileSize", FormatSize(config->SizeOfFilesSent));
    add("AvgSend", AverageSendText(state, config->AvgSendSpeed, config->NoOfFilesSent));
    add("MaxSend", FormatSpeed(config->MaxSendSpeed));
    add("ChanName", config->ChannelName.c_str());
    add("MaxReq", MaxRequests(config));
    add("SendThreshold", SendThreshold(config));
    add("FilesSending", Decimal(regularSends));
    add("RMaxSlots", Decimal(config->MaxSlot));
    add("RMinSlots", Decimal(config->MinSlot));
    add("RFreeSlots", FreeSlots(config->MaxSlot, regularSends));
    add("SMaxSlots", Decimal(config->SQueueSlots));
    add("SFreeSlots", FreeSlots(config->SQueueSlots, config->Small.Sending.Count));
    add("OMaxSlots", Decimal(config->OpSlots));
    add("OFreeSlots", FreeSlots(config->OpSlots, config->OpVoice.Sending.Count));
}

// Without a served channel the host says who we are; a refusal leaves it
// empty.
std::string ServerNick(ModuleState& state, const ServedChannel* channel) {
    if (channel) return channel->OwnNick.c_str();
    std::string nick;
    Evaluate(state, nick, "$me");
    return nick;
}

std::string CreationDate(const FileList* list) {
    return list->CreationDateTime.Year == 0 ? kNotCreatedYet : FormatDateTime(list->CreationDateTime);
}

void AddListVariables(const FileList* list, std::vector<Variable>& variables) {
    ListFiguresHold figures;
    const char* group = list->ListName.c_str();
    variables.push_back(Variable{VariableName(group, "FileCount"), FormatThousands(list->NumberOfFiles)});
    variables.push_back(Variable{VariableName(group, "FileSize"), FormatSize(list->SizeOfFiles)});
    variables.push_back(Variable{VariableName(group, "CreationDate"), CreationDate(list)});
    variables.push_back(Variable{VariableName(group, "Trigger"), list->ListTrigger.c_str()});
    variables.push_back(Variable{VariableName(group, "Description"), list->Description.c_str()});
}

// Every variable but the random texts, in the order they are replaced.
std::vector<Variable> FixedVariables(ModuleState& state, const ChannelConfig* config, const char* nick,
                                     const ServedChannel* channel) {
    std::vector<Variable> variables;
    AddChannelVariables(state, config, channel, variables);
    variables.push_back(Variable{VariableName("UserNick", "Nick"), nick ? nick : ""});
    variables.push_back(Variable{VariableName("UserNick", "ServerNick"), ServerNick(state, channel)});
    variables.push_back(Variable{VariableName("Script", "Name"), kAppName});
    variables.push_back(Variable{VariableName("Script", "MinSearchStringLength"), Decimal(config->SearchLimit)});
    for (const FileList* list = state.FileLists.Head; list; list = list->Next) AddListVariables(list, variables);
    return variables;
}

// Replaces each occurrence by what valueAt gives for the position it lands
// at in the result; the rest of the text follows unchanged. The result
// never grows past the working limit.
template <typename ValueAt>
void ReplaceEach(const std::string& variable, std::string& text, ValueAt valueAt) {
    std::string result;
    std::size_t copied = 0;
    bool replaced = false;
    for (long at = FindNoCaseN(1, text.data(), text.size(), variable.c_str()); at > 0;
         at = FindNoCaseN(static_cast<long>(copied) + 1, text.data(), text.size(), variable.c_str())) {
        std::size_t found = static_cast<std::size_t>(at) - 1;
        result.append(text, copied, found - copied);
        result += valueAt(result.size());
        copied = found + variable.size();
        replaced = true;
        if (result.size() >= kWorkingLimit) break;
    }
    if (!replaced) return;
    result.append(text, copied, std::string::npos);
    if (result.size() > kWorkingLimit) result.resize(kWorkingLimit);
    text.swap(result);
}

// One random line of the file for each occurrence, drawn by the host; a
// refused evaluation removes the occurrence. Occurrences past what can
// be shown are removed without asking the host.
void ReplaceRandomText(ModuleState& state, const RandomTextFile* file, std::string& text) {
    std::string variable = VariableName("RandomText", file->Name.c_str());
    ReplaceEach(variable, text, [&state, file](std::size_t position) {
        std::string line;
        if (position < kExpandedLimit) Evaluate(state, line, "$read(\"%s\")", file->FullPathname.c_str());
        return line;
    });
}

}  // namespace

void ReplaceVariable(const std::string& variable, std::string& text, const std::string& value) {
    ReplaceEach(variable, text, [&value](std::size_t) { return value; });
}

std::string ExpandVariables(ModuleState& state, const ChannelConfig* config, const char* text, const char* nick,
                            const ServedChannel* channel) {
    std::string expanded = text ? std::string(text, strnlen(text, kWorkingLimit)) : std::string();
    for (const Variable& variable : FixedVariables(state, config, nick, channel))
        ReplaceVariable(variable.Name, expanded, variable.Value);
    for (const RandomTextFile* file = state.RandomFiles.Head; file; file = file->Next)
        ReplaceRandomText(state, file, expanded);
    if (expanded.size() > kExpandedLimit) expanded.resize(kExpandedLimit);
    return expanded;
}

}  // namespace qvs
