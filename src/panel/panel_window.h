// The control panel: a modeless dialog of the private class "QVSDLGCLASS"
// owned by the host's window. Its dialog procedure receives the
// ServerEvents, the system menu, and the unload request of the module.
#pragma once
#include "panel/about_dialog.h"
#include "panel/channel_adding.h"
#include "panel/framework/prompt_dialog.h"
#include "panel/framework/tabbed_dialog.h"
#include "panel/list_manager.h"
#include "panel/managers/ads_manager.h"
#include "panel/managers/manager_window.h"
#include "panel/managers/user_manager.h"
#include "panel/pages/advertisement_page.h"
#include "panel/pages/file_lists_page.h"
#include "panel/pages/global_page.h"
#include "panel/pages/options_page.h"
#include "panel/pages/queues_page.h"
#include "panel/pages/statistics_page.h"
#include "panel/pages/users_page.h"
#include "panel/panel_context.h"
#include "panel/panel_views.h"

namespace qvs {

constexpr char kPanelClass[] = "QVSDLGCLASS";
// Posted by the unload on the host's thread: the UI thread stops the
// advertisements, saves the configuration and closes the panel, in that
// order, between two messages and not in the middle of one.
constexpr UINT kUnloadRequest = WM_APP + 1;

void RegisterPanelClass(HINSTANCE instance);
void UnregisterPanelClass(HINSTANCE instance);

class PanelWindow final : public TabbedDialog {
public:
    explicit PanelWindow(const PanelContext& context);
    // Creates the panel with its icon, system menu, pages and channel list,
    // and brings back the Connections' flood windows. Null when it could not
    // be made.
    HWND Open();
    // Fill every page from the current channel, or empty every page and
    // leave no current channel.
    void RefreshChannelPages();
    void ClearChannelPages();

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    HWND Combo() const;
    void OnChannelPicked();
    void AddChannel();
    void DeleteChannel();
    void RenameChannel();
    void OnServeClicked();
    void SaveConfig();
    void ShowManager(ManagerWindow& manager, ModelessWindow slot);
    void CreateManagers();
    bool OnMessage(UINT message, WPARAM first, LPARAM second) override;
    void OnDestroy();
    void OnUnloadRequest();
    bool OnServerEvent(UINT message, WPARAM first, LPARAM second);
    bool OnHitTest(WPARAM first, LPARAM second);
    void RememberInitialSize();
    void AddMainPages();

    PanelContext context_;
    AboutDialog about_;
    FileListsPage fileLists_;
    AdvertisementPage advertisement_;
    OptionsPage options_;
    StatisticsPage statistics_;
    GlobalPage global_;
    UsersPage users_;
    QueuesPage queues_;
    FileListManager fileListManager_;
    PanelViews views_{context_.Ui, queues_, statistics_, fileLists_, fileListManager_};
    PromptDialog prompt_;
    ChannelAdding adding_;
    AdsManager adsManager_;
    UserManager userManager_;
};

}  // namespace qvs
