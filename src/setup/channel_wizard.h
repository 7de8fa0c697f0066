// The new-channel wizard: its pages' defaults and checks, and Finish, which
// creates the channel, the list with its folders (or takes an existing
// list), the binding, and the channel-named advertisement group with its
// advertisement and binding, all or nothing.
#pragma once
#include <string>
#include <vector>

#include "lists/list_properties.h"
#include "model/module_state.h"

namespace qvs {

extern const char kNoFolderMessage[];
// Finish with an existing list that was deleted while the wizard was open.
extern const char kListGoneMessage[];

// The list page's fields: the channel's name, "@" and "!" followed by the
// host's nick ("$me"), both triggers empty when there is no usable nick.
ListProperties WizardListDefaults(ModuleState& state, const std::string& channel);

// The folder page's Next.
const char* CheckWizardFolders(const std::vector<std::string>& folders);

struct WizardChoices {
    std::string Channel;               // as typed on the channel page
    FileList* ExistingList = nullptr;  // "Existing listfile:", or null for a new one
    std::string ExistingListName;      // its name when it was chosen
    ListProperties NewList;
    std::vector<std::string> Folders;  // in page order
};

struct WizardOutcome {
    ChannelConfig* Channel = nullptr;  // null: nothing was created
    FileList* List = nullptr;
    AdGroup* Group = nullptr;          // null when the group name was taken
    // Shown when not "": a page's refusal (nothing created), or "Duplicate
    // group name" (the channel and list stand, without advertisements).
    std::string Message;
};

// Every page is checked again (an existing list must still exist), then
// everything is made; when anything cannot be made, what was made goes
// again. A new list's generation starts on its own thread at the end.
WizardOutcome FinishWizard(ModuleState& state, const WizardChoices& choices);

}  // namespace qvs
