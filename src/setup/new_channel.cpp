#include "setup/new_channel.h"

#include "hostlink/text_routines.h"
#include "hostlink/user_text.h"
#include "model/channel_config.h"

namespace qvs {

const char kNoChannelNameMessage[] = "You must specify the name of the channel";

namespace {

constexpr char kChannelListedMessage[] = "%s is already in the channel list";

}  // namespace

std::string CheckChannelUnique(const ModuleState& state, const std::string& name) {
    for (const ChannelConfig* config = state.ChannelConfigs.Head; config; config = config->Next)
        if (config->ChannelName.Equals(name.c_str())) return FormatUserText(kChannelListedMessage, name.c_str());
    return "";
}

ChannelNameAnswer CheckWizardChannel(const ModuleState& state, const char* typed) {
    ChannelNameAnswer answer{TrimmedCopy(typed), ""};
    if (answer.Name.empty()) {
        answer.Refusal = kNoChannelNameMessage;
        return answer;
    }
    if (answer.Name[0] != '#') answer.Name.insert(0, 1, '#');
    answer.Refusal = CheckChannelUnique(state, answer.Name);
    return answer;
}

ChannelConfig* CreatePlainChannel(ModuleState& state, const char* typed, std::string& refusal) {
    std::string name = typed ? typed : "";
    refusal = name.empty() ? "" : CheckChannelUnique(state, name);
    if (name.empty() || !refusal.empty()) return nullptr;
    return NewChannelConfig(state, name.c_str());
}

}  // namespace qvs
