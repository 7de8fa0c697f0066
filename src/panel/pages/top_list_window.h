// "Download Top List": how often each file of a channel was downloaded,
// most downloaded first, as many entries as the channel's TopListValue asks
// for (all for 0).
#pragma once
#include <vector>

#include "panel/framework/dialog_base.h"
#include "panel/framework/list_view_table.h"
#include "stats/top_list.h"

namespace qvs {

class TopListWindow final : public DialogBase {
public:
    TopListWindow();
    // Modal; the entries are read from the file first, so the window keeps
    // nothing of the channel, which may go while it is open.
    void Show(HINSTANCE instance, HWND owner, ModuleState& state, const ChannelConfig& config);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;

    std::vector<TopListEntry> entries_;
    ListViewTable rows_;
};

}  // namespace qvs
