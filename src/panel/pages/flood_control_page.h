// The "Flood Control" page of the Global tabs: the pacing settings of each
// network, networks added and removed with "+" and "-", and the module-wide
// Undernet bypass.
#pragma once
#include "model/module_state.h"
#include "panel/framework/control_bindings.h"
#include "panel/framework/dialog_base.h"
#include "panel/framework/list_view_table.h"
#include "panel/framework/prompt_dialog.h"

namespace qvs {

class FloodControlPage final : public DialogBase {
public:
    explicit FloodControlPage(ModuleState& state);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(const NMHDR& notice) override;
    void AppendRow(NetworkSettings* settings);
    void AddNetwork();
    void RemoveNetwork();
    // The settings of the selected row are shown, or none.
    void ShowSelected();

    ModuleState& state_;
    ControlBindings<NetworkSettings> network_;
    ControlBindings<GlobalSettings> global_;
    ListViewTable table_;
    PromptDialog prompt_;
    NetworkSettings* selected_ = nullptr;
};

}  // namespace qvs
