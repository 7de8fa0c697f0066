// The "Advertisement" page of the main tabs: the advertisement groups of
// the selected channel.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class AdvertisementPage final : public DialogBase {
public:
    AdvertisementPage();
};

}  // namespace qvs
