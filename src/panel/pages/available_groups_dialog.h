// "Available Advertisement Groups": the groups a channel does not show
// yet; a double click picks one.
#pragma once
#include "model/module_state.h"
#include "panel/framework/dialog_base.h"
#include "panel/framework/list_view_table.h"

namespace qvs {

class AvailableGroupsDialog final : public DialogBase {
public:
    explicit AvailableGroupsDialog(ModuleState& state);
    // The group picked, or null (cancelled, or already open).
    AdGroup* Choose(HINSTANCE instance, HWND owner, const ChannelConfig* config);
    // The groups changed while it is open: listed again.
    void Relist();

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(const NMHDR& notice) override;

    ModuleState& state_;
    const ChannelConfig* config_ = nullptr;
    AdGroup* chosen_ = nullptr;
    ListViewTable table_;
};

// True when the channel shows the group.
bool ShowsGroup(const ChannelConfig* config, const AdGroup* group);

}  // namespace qvs
