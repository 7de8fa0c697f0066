// "Available User Groups": the groups a channel has not selected yet, by
// name, several chosen at once. Groups whose members already belong to the
// channel's groups are refused (the core says so) and stay listed.
#pragma once
#include <functional>
#include <vector>

#include "model/module_state.h"
#include "panel/framework/dialog_base.h"
#include "panel/framework/list_view_table.h"

namespace qvs {

class AvailableUserGroupsDialog final : public DialogBase {
public:
    explicit AvailableUserGroupsDialog(ModuleState& state);
    // Added is told after each "OK" that selected any group.
    void Show(HINSTANCE instance, HWND owner, ChannelConfig& config, std::function<void()> added);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOk();
    std::vector<UserGroup*> ChosenGroups() const;
    void DropUnavailable();

    ModuleState& state_;
    ChannelConfig* config_ = nullptr;
    std::function<void()> added_;
    ListViewTable list_;
};

}  // namespace qvs
