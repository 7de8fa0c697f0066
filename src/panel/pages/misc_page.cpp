#include "panel/pages/misc_page.h"

#include "panel/pages/misc_page_resource.h"

namespace qvs {
namespace {

const Binding<ChannelConfig> kMiscBindings[] = {
    {IDC_MISC_HOLD_QUEUE, ControlKind::Check, &ChannelConfig::HoldQueue},
    {IDC_MISC_HOLD_TIME, ControlKind::Number, &ChannelConfig::HoldTime},
    {IDC_MISC_SAVE_QUEUE, ControlKind::Check, &ChannelConfig::SaveQueueOnExit},
    {IDC_MISC_RESTORE_QUEUE, ControlKind::Check, &ChannelConfig::RestoreSavedQueue},
    {IDC_MISC_RESTORE_AGE, ControlKind::Number, &ChannelConfig::RestoreAgeLimit},
    {IDC_MISC_VERBOSE, ControlKind::Check, &ChannelConfig::Verbose},
    {IDC_MISC_TOP_LIST_COUNT, ControlKind::Number, &ChannelConfig::TopListCount},
    {IDC_MISC_ENABLE_QUEUE, ControlKind::Check, &ChannelConfig::EnableQueue},
    {IDC_MISC_ENABLE_HELP, ControlKind::Check, &ChannelConfig::EnableHelp},
    {IDC_MISC_ENABLE_TOP_LIST, ControlKind::Check, &ChannelConfig::EnableTopList},
    {IDC_MISC_ENABLE_STAT, ControlKind::Check, &ChannelConfig::EnableStat},
    {IDC_MISC_ENABLE_LIST, ControlKind::Check, &ChannelConfig::EnableList},
};

const WordListTexts kNetworkTexts = {"New Network", "Network name:", "Duplicate network name"};

}  // namespace

MiscPage::MiscPage(ModuleState& state) : ChannelPage(IDD_PAGE_MISC, state, kMiscBindings), networks_(kNetworkTexts) {}

bool MiscPage::OnPageInit() {
    networks_.Attach(Item(IDC_MISC_NETWORKS));
    return false;
}

void MiscPage::OnFill(ChannelConfig& config) { networks_.Show(&config.Networks); }

void MiscPage::OnClear() { networks_.Show(nullptr); }

bool MiscPage::OnPageCommand(int id, int) {
    if (id == IDC_MISC_ADD_NETWORK) networks_.AddWord(State(), Instance(), Window());
    if (id == IDC_MISC_REMOVE_NETWORK) networks_.RemoveSelected();
    return id == IDC_MISC_ADD_NETWORK || id == IDC_MISC_REMOVE_NETWORK;
}

}  // namespace qvs
