// Which lists a channel serves: the channel's FileLists page binds and
// unbinds them.
#pragma once
#include <string>

#include "model/module_state.h"

namespace qvs {

// The refusal to show when the list's trigger is already a list trigger of
// the channel (ignoring case), or "" when the list may be bound.
std::string CheckListBinding(const ChannelConfig* config, const FileList* list);

// The list's selection at the end of the channel's, with access from both
// windows; null when refused (see the check above), already bound, or out
// of memory. UnselectFileList (model/channel_config.h) unbinds.
ListSelection* BindFileList(ChannelConfig* config, FileList* list);

}  // namespace qvs
