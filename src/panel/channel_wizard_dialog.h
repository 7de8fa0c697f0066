// "Add New Channel Wizard": welcome, channel name and list choice, list
// properties, folders, completion. The pages share one window; each page's
// controls are shown while it is the current one. Nothing is made before
// Finish, so Cancel on any page leaves everything as it was.
#pragma once
#include <string>

#include "panel/framework/dialog_base.h"
#include "setup/channel_wizard.h"

namespace qvs {

class ChannelWizardDialog final : public DialogBase {
public:
    ChannelWizardDialog();
    // The channel made by Finish, or null when the wizard was cancelled.
    ChannelConfig* Run(ModuleState& state, HINSTANCE instance, HWND owner);

private:
    enum Page { kWelcome, kChannelPage, kListPage, kFolderPage, kDonePage };

    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void ShowPage(Page page);
    void Next();
    void Back();
    bool LeaveChannelPage();
    bool LeaveListPage();
    bool LeaveFolderPage();
    void Finish();
    bool Refused(const std::string& refusal);
    void FillListChoice();
    void FillListDefaults();
    void AddFolder();
    void RemoveFolders();
    FileList* ChosenList() const;

    ModuleState* state_ = nullptr;
    Page page_ = kWelcome;
    WizardChoices choices_;
    std::string defaultsFor_;  // the channel the list page was filled for
    ChannelConfig* made_ = nullptr;
};

}  // namespace qvs
