#include "panel/pages/list_queue_page.h"

#include "panel/pages/list_queue_page_resource.h"

namespace qvs {
namespace {

const Binding<GlobalSettings> kBindings[] = {
    {IDC_LIST_QUEUE_ENABLE, ControlKind::Check, &GlobalSettings::ListQueueEnable},
    {IDC_LIST_QUEUE_SLOTS, ControlKind::Number, &GlobalSettings::ListQueueLimit},
};

}  // namespace

ListQueuePage::ListQueuePage(ModuleState& state, PanelState& ui)
    : DialogBase(IDD_PAGE_LIST_QUEUE), state_(state), bindings_(kBindings), view_(state, ui, QueueKind::List) {}

// The List queue is the module's own: shown from the start.
bool ListQueuePage::OnInit() {
    bindings_.Prepare(Window());
    bindings_.Show(Window(), &state_.Settings);
    view_.Attach(Window());
    ShownQueue shown{QueueKind::List, nullptr, nullptr};
    view_.Show(&shown);
    return false;
}

bool ListQueuePage::OnCommand(int id, int code) { return bindings_.Store(Window(), &state_.Settings, id, code); }

}  // namespace qvs
