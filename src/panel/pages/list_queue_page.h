// The "List Queue" page of the Queues tabs: the module-wide List queue, its
// switch and its slots.
#pragma once
#include "panel/framework/control_bindings.h"
#include "panel/framework/dialog_base.h"
#include "panel/pages/queue_view.h"

namespace qvs {

class ListQueuePage final : public DialogBase {
public:
    ListQueuePage(ModuleState& state, PanelState& ui);
    QueueView& View() { return view_; }

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(const NMHDR& notice) override { return view_.OnNotify(notice); }
    bool OnMessage(UINT message, WPARAM first, LPARAM second) override { return view_.OnMessage(message, first, second); }

    ModuleState& state_;
    ControlBindings<GlobalSettings> bindings_;
    QueueView view_;
};

}  // namespace qvs
