// Filling and emptying the channel pages when the current channel changes.
#include "panel/framework/redraw_suspended.h"
#include "panel/panel_window.h"
#include "panel/panel_window_resource.h"

namespace qvs {

void PanelWindow::RefreshChannelPages() {
    ChannelConfig* config = context_.Ui.CurrentChannel;
    if (!config) return ClearChannelPages();
    RedrawSuspended quiet(Tabs());
    ChannelPage* const order[] = {&fileLists_,        &options_.Sharing(),   &options_.Misc(), &options_.Resend(),
                                  &options_.HoldQueue(), &advertisement_,    &statistics_,     &users_,
                                  &queues_.OpVoiceQueue(), &queues_.SQueue()};
    for (ChannelPage* page : order) page->Fill(*config);
    queues_.RebuildChannelTabs(config);
    CheckDlgButton(Window(), IDC_SERVE, config->Serve == 1 ? BST_CHECKED : BST_UNCHECKED);
}

// The Hold Queue and Statistics pages are emptied too, and the queue tabs of
// the channel's served channels go: none of them may keep a record that is
// about to be deleted.
void PanelWindow::ClearChannelPages() {
    RedrawSuspended quiet(Tabs());
    ChannelPage* const order[] = {&options_.Sharing(), &options_.Misc(),      &options_.Resend(), &fileLists_,
                                  &queues_.OpVoiceQueue(), &queues_.SQueue(), &advertisement_,    &users_,
                                  &options_.HoldQueue(), &statistics_};
    for (ChannelPage* page : order) page->Clear();
    queues_.RebuildChannelTabs(nullptr);
    CheckDlgButton(Window(), IDC_SERVE, BST_UNCHECKED);
    context_.Ui.CurrentChannel = nullptr;
}

}  // namespace qvs
