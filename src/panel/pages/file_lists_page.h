// The "FileLists" page of the main tabs: the file lists of the selected
// channel.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class FileListsPage final : public DialogBase {
public:
    FileListsPage();
};

}  // namespace qvs
