// The "Options" page of the main tabs: a tab control of its own with the
// "Sharing", "Misc.", "Resend" and "Hold Queue" pages.
#pragma once
#include "panel/framework/tabbed_dialog.h"
#include "panel/pages/hold_queue_page.h"
#include "panel/pages/misc_page.h"
#include "panel/pages/resend_page.h"
#include "panel/pages/sharing_page.h"

namespace qvs {

class OptionsPage final : public TabbedDialog {
public:
    explicit OptionsPage(ModuleState& state);
    SharingPage& Sharing() { return sharing_; }
    MiscPage& Misc() { return misc_; }
    ResendPage& Resend() { return resend_; }
    HoldQueuePage& HoldQueue() { return holdQueue_; }

private:
    bool OnInit() override;

    SharingPage sharing_;
    MiscPage misc_;
    ResendPage resend_;
    HoldQueuePage holdQueue_;
};

}  // namespace qvs
