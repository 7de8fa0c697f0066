// The main window's commands: the channel drop-down and its buttons, the
// manager buttons, "Serve in this channel", "Save Config" and "Close".
#include <string>

#include "hostlink/user_text.h"
#include "intake/served_channels.h"
#include "model/channel_config.h"
#include "persistence/configuration.h"
#include "panel/channel_combo.h"
#include "panel/managers/manager_windows_resource.h"
#include "panel/panel_window.h"
#include "panel/panel_window_resource.h"

namespace qvs {
namespace {

// What a channel name field takes, typed or pasted.
constexpr int kChannelNameRoom = 2047;
constexpr char kRenameCaption[] = "Rename Channel";
constexpr char kRenameLabel[] = "New name of the channel:";
constexpr char kDeleteQuestion[] = "Are you sure you want to delete '%s' ?";
constexpr char kSavedBox[] = "Configuration saved!";

}  // namespace

HWND PanelWindow::Combo() const { return Item(IDC_CHANNEL_COMBO); }

bool PanelWindow::OnCommand(int id, int code) {
    switch (id) {
        case IDC_CHANNEL_COMBO:
            if (code == CBN_SELCHANGE) OnChannelPicked();
            return true;
        case IDC_ADD_CHANNEL: AddChannel(); return true;
        case IDC_DELETE_CHANNEL: DeleteChannel(); return true;
        case IDC_RENAME_CHANNEL: RenameChannel(); return true;
        case IDC_SERVE: OnServeClicked(); return true;
        case IDC_SAVE_CONFIG: SaveConfig(); return true;
        case IDC_LIST_MANAGER: ShowManager(fileListManager_, kFileListManager); return true;
        case IDC_ADS_MANAGER: ShowManager(adsManager_, kAdvertisementManager); return true;
        case IDC_USER_MANAGER: ShowManager(userManager_, kUserManager); return true;
        // Escape and the close button hide the panel, as its close box does.
        case IDCANCEL:
        case IDC_CLOSE_PANEL: ShowWindow(Window(), SW_HIDE); return true;
        default: return false;
    }
}

void PanelWindow::OnChannelPicked() {
    context_.Ui.CurrentChannel = ComboChannel(Combo());
    if (context_.Ui.CurrentChannel) RefreshChannelPages();
}

// The wizard or the plain dialog; the wizard may also have made a list.
void PanelWindow::AddChannel() {
    ChannelConfig* config = adding_.Add(context_.State, Instance(), Window());
    if (!config) return;
    // New channels head the list, and the drop-down keeps the list's order.
    PlaceComboItem(Combo(), 0, config, false);
    context_.Ui.CurrentChannel = config;
    RefreshChannelPages();
    views_.RefreshListViews();
}

void PanelWindow::DeleteChannel() {
    ChannelConfig* config = ComboChannel(Combo());
    if (!config) return;
    std::string question = FormatUserText(kDeleteQuestion, config->ChannelName.c_str());
    if (context_.State.Ports.Panel->ShowMessage(question.c_str(), kIconQuestion) == kAnswerYes) {
        // Looked up again: the box's own loop may have handled events.
        LRESULT index = SendMessageA(Combo(), CB_GETCURSEL, 0, 0);
        if (ComboChannel(Combo()) == config) {
            RemoveChannelConfig(context_.State, config);
            SendMessageA(Combo(), CB_DELETESTRING, index, 0);
            SendMessageA(Combo(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        }
    }
    ClearChannelPages();
}

void PanelWindow::RenameChannel() {
    ChannelConfig* config = ComboChannel(Combo());
    if (!config) return;
    auto validate = [this](const std::string& name) {
        if (name.empty()) return PromptVerdict::StayOpen;
        return ComboHasName(Combo(), name.c_str()) ? PromptVerdict::CloseUnchanged : PromptVerdict::Accept;
    };
    std::string name;
    PromptSpec spec{kRenameCaption, kRenameLabel, config->ChannelName.c_str(), kChannelNameRoom, validate};
    if (!prompt_.Ask(Instance(), Window(), spec, name) || ComboChannel(Combo()) != config) return;
    config->ChannelName.Set(name.c_str());
    PlaceComboItem(Combo(), static_cast<int>(SendMessageA(Combo(), CB_GETCURSEL, 0, 0)), config, true);
    // The queue tabs carry the channel's name.
    if (config == context_.Ui.CurrentChannel) queues_.RebuildChannelTabs(config);
}

void PanelWindow::OnServeClicked() {
    if (ChannelConfig* config = context_.Ui.CurrentChannel)
        config->Serve = IsDlgButtonChecked(Window(), IDC_SERVE) == BST_CHECKED ? 1 : 0;
}

void PanelWindow::SaveConfig() {
    SaveAllConfiguration(context_.State);
    context_.State.Ports.Panel->ShowMessage(kSavedBox, kIconInformation);
}

void PanelWindow::CreateManagers() {
    fileListManager_.CreateModeless(Instance(), Window());
    adsManager_.CreateModeless(Instance(), Window());
    userManager_.CreateModeless(Instance(), Window());
    // Renamed or deleted groups change the selections the Users page shows.
    userManager_.GroupsChanged = [this] {
        if (ChannelConfig* shown = users_.Shown()) users_.Fill(*shown);
    };
    context_.Ui.Modeless[kFileListManager] = fileListManager_.Window();
    context_.Ui.Modeless[kAdvertisementManager] = adsManager_.Window();
    context_.Ui.Modeless[kUserManager] = userManager_.Window();
}

void PanelWindow::ShowManager(ManagerWindow& manager, ModelessWindow slot) {
    manager.Present(Instance(), Window());
    context_.Ui.Modeless[slot] = manager.Window();
}

}  // namespace qvs
