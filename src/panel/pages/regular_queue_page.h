// The regular-queue page: one page for every served channel of the
// selected channel, shown through the tab of the channel on the Queues page.
// Files can be inserted for the channel's nicks and rows reordered by
// dragging.
#pragma once
#include "panel/framework/dialog_base.h"
#include "panel/pages/insert_files_dialog.h"
#include "panel/pages/queue_view.h"

namespace qvs {

class RegularQueuePage final : public DialogBase {
public:
    RegularQueuePage(ModuleState& state, PanelState& ui);
    // The served channel whose queue the page shows (its tab was selected),
    // or null.
    void ShowChannel(ServedChannel* channel);
    ServedChannel* ShownChannel() const { return channel_; }
    QueueView& View() { return view_; }

private:
    bool OnInit() override;
    bool OnNotify(const NMHDR& notice) override { return view_.OnNotify(notice); }
    bool OnMessage(UINT message, WPARAM first, LPARAM second) override { return view_.OnMessage(message, first, second); }
    void InsertFiles();

    ModuleState& state_;
    ServedChannel* channel_ = nullptr;
    QueueView view_;
    InsertFilesDialog insert_;
};

}  // namespace qvs
