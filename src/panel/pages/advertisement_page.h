// The "Advertisement" page of the main tabs: the advertisement groups the
// selected channel shows, and when and how each one is shown.
#pragma once
#include "panel/framework/channel_page.h"
#include "panel/framework/list_view_table.h"
#include "panel/pages/available_groups_dialog.h"

namespace qvs {

class AdvertisementPage final : public ChannelPage {
public:
    explicit AdvertisementPage(ModuleState& state);
    // The groups changed elsewhere (renamed, deleted): listed again.
    void Refresh();

private:
    bool OnPageInit() override;
    void OnFill(ChannelConfig& config) override;
    void OnClear() override;
    bool OnPageCommand(int id, int code) override;
    bool OnNotify(const NMHDR& notice) override;

    void ListSelections(AdGroupSelection* selected);
    void ShowSelection(AdGroupSelection* selection);
    AdGroupSelection* Selected() const;
    bool StoreSetting(AdGroupSelection* selection, int id, int code);
    void AddGroup();
    void RemoveGroup();
    void ToggleEnable(int row);

    ListViewTable table_;
    AvailableGroupsDialog available_;
    int showing_ = 0;
};

}  // namespace qvs
