// The "Global" page of the main tabs: a tab control of its own with the
// "General" and "Flood Control" pages.
#pragma once
#include "panel/framework/tabbed_dialog.h"
#include "panel/pages/flood_control_page.h"
#include "panel/pages/general_page.h"

namespace qvs {

class GlobalPage final : public TabbedDialog {
public:
    explicit GlobalPage(ModuleState& state);

private:
    bool OnInit() override;

    GeneralPage general_;
    FloodControlPage floodControl_;
};

}  // namespace qvs
