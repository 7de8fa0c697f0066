// The Advertisement Manager's edits of groups and advertisements. Names are
// cut to 127 characters and unique ignoring case (advertisement names
// within their group). Whatever a timer points to stops before it goes.
#pragma once
#include <string>

#include "model/edit_answer.h"
#include "model/module_state.h"

namespace qvs {

extern const char kDuplicateAdMessage[];  // groups answer kDuplicateGroupMessage

// Names as the name fields hold them.
std::string CutAdName(const char* name);

EditAnswer<AdGroup> AddAdGroup(ModuleState& state, const char* name);
EditAnswer<AdGroup> RenameAdGroup(ModuleState& state, AdGroup* group, const char* name);
// Stops the group's timers, removes every channel's selection of it, its
// advertisements and the group; answers the group to show next (the one
// now at its place, or the one before), or null.
AdGroup* DeleteAdGroup(ModuleState& state, AdGroup* group);

// A new advertisement (start 0, interval 300, run once, no text) at the
// end of the group.
EditAnswer<Advertisement> AddAdvertisement(AdGroup* group, const char* name);
EditAnswer<Advertisement> RenameAdvertisement(AdGroup* group, Advertisement* ad, const char* name);
// Stops its timers and removes it; answers the one to select next.
Advertisement* DeleteAdvertisement(ModuleState& state, AdGroup* group, Advertisement* ad);

// The editor's OK: an empty text leaves the advertisement without one.
void SetAdvertisementText(Advertisement* ad, const char* text);

// The text the wizard gives the advertisement it makes, for the list named.
std::string DefaultAdvertisementText(const char* listName);

}  // namespace qvs
