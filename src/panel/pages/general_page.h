// The "General" page of the Global tabs: the module-wide settings, filled
// once when the page is made and edited in place.
#pragma once
#include "model/module_state.h"
#include "panel/framework/control_bindings.h"
#include "panel/framework/dialog_base.h"

namespace qvs {

class GeneralPage final : public DialogBase {
public:
    explicit GeneralPage(ModuleState& state);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;

    ModuleState& state_;
    ControlBindings<GlobalSettings> bindings_;
};

}  // namespace qvs
