#include "panel/pages/general_page.h"

#include "panel/pages/general_page_resource.h"

namespace qvs {
namespace {

const Binding<GlobalSettings> kGeneralBindings[] = {
    {IDC_GENERAL_USE_RESTORE_DELAY, ControlKind::Check, &GlobalSettings::UseQueueRestorationDelay},
    {IDC_GENERAL_RESTORE_DELAY, ControlKind::Number, &GlobalSettings::QueueRestorationDelay},
    {IDC_GENERAL_USE_SAVE_QUEUES, ControlKind::Check, &GlobalSettings::UseSaveQueueDuration},
    {IDC_GENERAL_SAVE_QUEUES, ControlKind::Number, &GlobalSettings::SaveQueueDuration},
    {IDC_GENERAL_USE_SAVE_CONFIG, ControlKind::Check, &GlobalSettings::UseSaveConfig},
    {IDC_GENERAL_SAVE_CONFIG, ControlKind::Number, &GlobalSettings::SaveConfigInterval},
    {IDC_GENERAL_USE_FIREWALL, ControlKind::Check, &GlobalSettings::UseFirewallWorkaround},
    {IDC_GENERAL_FIREWALL_PORT, ControlKind::Number, &GlobalSettings::FirewallWorkaroundPortName},
    {IDC_GENERAL_THRESHOLD, ControlKind::Number, &GlobalSettings::Threshold},
    {IDC_GENERAL_USE_WIZARD, ControlKind::Check, &GlobalSettings::UseWizard},
};

}  // namespace

GeneralPage::GeneralPage(ModuleState& state) : DialogBase(IDD_PAGE_GENERAL), state_(state), bindings_(kGeneralBindings) {}

bool GeneralPage::OnInit() {
    bindings_.Prepare(Window());
    bindings_.Show(Window(), &state_.Settings);
    return false;
}

bool GeneralPage::OnCommand(int id, int code) { return bindings_.Store(Window(), &state_.Settings, id, code); }

}  // namespace qvs
