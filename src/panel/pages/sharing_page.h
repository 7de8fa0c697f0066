// The "Sharing" page of the Options tabs.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class SharingPage final : public DialogBase {
public:
    SharingPage();
};

}  // namespace qvs
