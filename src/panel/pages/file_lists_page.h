// The "FileLists" page of the main tabs: the file lists of the selected
// channel.
#pragma once
#include "panel/framework/channel_page.h"

namespace qvs {

class FileListsPage final : public ChannelPage {
public:
    explicit FileListsPage(ModuleState& state);
};

}  // namespace qvs
