#include "setup/channel_wizard.h"

#include "ads/ad_manager.h"
#include "ads/ad_selections.h"
#include "hostlink/host_link.h"
#include "lists/list_folders.h"
#include "lists/list_removal.h"
#include "lists/regeneration.h"
#include "messaging/reachability.h"
#include "model/channel_config.h"
#include "setup/new_channel.h"

namespace qvs {

const char kNoFolderMessage[] = "You must add at least one folder to the list";
const char kListGoneMessage[] = "The chosen list no longer exists";

namespace {

constexpr char kWizardAdTrigger[] = "!list";
constexpr uint32_t kOnTimerAndTrigger = 3;
constexpr uint32_t kByNotice = 1;
constexpr uint32_t kRunEvery = 1;

// The address alone could be that of a list made after the chosen one was
// deleted: the name tells them apart.
bool IsListed(const ModuleState& state, const FileList* wanted, const std::string& name) {
    for (const FileList* list = state.FileLists.Head; list; list = list->Next)
        if (list == wanted) return list->ListName.Equals(name.c_str());
    return false;
}

std::string CheckChoices(const ModuleState& state, const WizardChoices& choices) {
    std::string refusal = CheckWizardChannel(state, choices.Channel.c_str()).Refusal;
    if (!refusal.empty()) return refusal;
    if (choices.ExistingList)
        return IsListed(state, choices.ExistingList, choices.ExistingListName) ? "" : kListGoneMessage;
    const char* listRefusal = CheckWizardList(state, choices.NewList);
    if (!listRefusal) listRefusal = CheckWizardFolders(choices.Folders);
    return listRefusal ? listRefusal : "";
}

// A new channel, with its name and search trigger really stored.
ChannelConfig* MakeChannel(ModuleState& state, const std::string& name) {
    ChannelConfig* config = NewChannelConfig(state, name.c_str());
    if (config && !config->ChannelName.IsNone() && config->SearchTriggers.Head &&
        !config->SearchTriggers.Head->Value.IsNone())
        return config;
    if (config) DeleteChannelConfig(state, config);
    return nullptr;
}

FileList* MakeList(ModuleState& state, const WizardChoices& choices) {
    if (choices.ExistingList) return choices.ExistingList;
    FileList* list = CreateFileList(state, choices.NewList);
    if (!list) return nullptr;
    for (const std::string& folder : choices.Folders) {
        const char* path = folder.c_str();
        if (!AddListFolder(list, path) && !folder.empty() && !ListHasFolder(list, path)) {
            RemoveFileList(state, list);
            return nullptr;
        }
    }
    return list;
}

bool MakeAdvertisement(AdGroup* group, const std::string& name, const FileList* list) {
    Advertisement* ad = AddAdvertisement(group, name.c_str()).Done;
    if (!ad) return false;
    ad->RunOption = kRunEvery;
    ad->AdsText.Set(DefaultAdvertisementText(list->ListName.c_str()).c_str());
    return !ad->AdsText.IsNone();
}

bool BindWizardGroup(ChannelConfig* config, AdGroup* group) {
    AdGroupSelection* selection = BindAdGroup(config, group);
    if (!selection) return false;
    selection->DisplayWhen = kOnTimerAndTrigger;
    selection->DisplayMethod = kByNotice;
    selection->Trigger.Set(kWizardAdTrigger);
    return !selection->Trigger.IsNone();
}

// The group is new or the outcome says why there is none; false when it
// could not be completed (and is gone again).
bool MakeGroup(ModuleState& state, WizardOutcome& outcome, const std::string& name) {
    EditAnswer<AdGroup> group = AddAdGroup(state, name.c_str());
    if (group.Refusal) {
        outcome.Message = group.Refusal;
        return true;
    }
    outcome.Group = group.Done;
    if (group.Done && MakeAdvertisement(group.Done, name, outcome.List) && BindWizardGroup(outcome.Channel, group.Done))
        return true;
    if (group.Done) DeleteAdGroup(state, group.Done);
    outcome.Group = nullptr;
    return false;
}

// Undoes a half-made outcome, newest first.
WizardOutcome Undo(ModuleState& state, const WizardChoices& choices, WizardOutcome& outcome) {
    if (outcome.List && !choices.ExistingList) RemoveFileList(state, outcome.List);
    if (outcome.Channel) DeleteChannelConfig(state, outcome.Channel);
    return {};
}

}  // namespace

ListProperties WizardListDefaults(ModuleState& state, const std::string& channel) {
    std::string nick;
    if (!Evaluate(state, nick, "$me") || !IsSafeName(nick.c_str())) nick.clear();
    ListProperties properties{channel, "", "", ""};
    if (!nick.empty()) {
        properties.ListTrigger = "@" + nick;
        properties.FileTrigger = "!" + nick;
    }
    return properties;
}

const char* CheckWizardFolders(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders)
        if (!folder.empty()) return nullptr;
    return kNoFolderMessage;
}

WizardOutcome FinishWizard(ModuleState& state, const WizardChoices& choices) {
    std::string name = CheckWizardChannel(state, choices.Channel.c_str()).Name;
    WizardOutcome outcome;
    outcome.Message = CheckChoices(state, choices);
    if (!outcome.Message.empty()) return outcome;
    outcome.Channel = MakeChannel(state, name);
    outcome.List = outcome.Channel ? MakeList(state, choices) : nullptr;
    if (!outcome.List || !SelectFileList(*outcome.Channel, *outcome.List) || !MakeGroup(state, outcome, name))
        return Undo(state, choices, outcome);
    if (!choices.ExistingList) RegenerateList(state, outcome.List, 0, 0, 0);
    return outcome;
}

}  // namespace qvs
