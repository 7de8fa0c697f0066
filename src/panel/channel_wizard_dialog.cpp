#include "panel/channel_wizard_dialog.h"

#include "panel/channel_wizard_dialog_resource.h"
#include "panel/folder_browser.h"
#include "panel/framework/control_io.h"
#include "model/names.h"
#include "panel/pages/list_properties_dialog.h"
#include "setup/new_channel.h"

namespace qvs {
namespace {

constexpr int kFirstPageId = IDC_WIZ_WELCOME;
constexpr int kWizardPageIds = 20;  // ids each page's controls may take
constexpr int kPageCount = 5;

// The page whose controls hold the id, or -1 for the wizard's own buttons.
int PageOfControl(int id) {
    int page = (id - kFirstPageId) / kWizardPageIds;
    return id >= kFirstPageId && id < IDC_WIZ_BACK && page < kPageCount ? page : -1;
}

struct VisibleFor {
    HWND Dialog;
    int Page;
};

BOOL CALLBACK ShowIfOnPage(HWND control, LPARAM data) {
    const auto& visible = *reinterpret_cast<const VisibleFor*>(data);
    if (GetParent(control) != visible.Dialog) return TRUE;
    int page = PageOfControl(GetDlgCtrlID(control));
    if (page >= 0) ShowWindow(control, page == visible.Page ? SW_SHOW : SW_HIDE);
    return TRUE;
}

std::vector<std::string> BoxTexts(HWND box) {
    std::vector<std::string> texts;
    int count = static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0));
    for (int item = 0; item < count; ++item) {
        std::string text(static_cast<std::size_t>(SendMessageA(box, LB_GETTEXTLEN, item, 0)) + 1, '\0');
        text.resize(static_cast<std::size_t>(SendMessageA(box, LB_GETTEXT, item, reinterpret_cast<LPARAM>(&text[0]))));
        texts.push_back(text);
    }
    return texts;
}

bool HoldsFolder(const std::vector<std::string>& folders, const std::string& path) {
    for (const std::string& folder : folders)
        if (NamesEqual(folder.c_str(), path.c_str())) return true;
    return false;
}

}  // namespace

ChannelWizardDialog::ChannelWizardDialog() : DialogBase(IDD_CHANNEL_WIZARD) {}

ChannelConfig* ChannelWizardDialog::Run(ModuleState& state, HINSTANCE instance, HWND owner) {
    state_ = &state;
    choices_ = WizardChoices();
    defaultsFor_.clear();
    made_ = nullptr;
    RunModal(instance, owner);
    return made_;
}

bool ChannelWizardDialog::OnInit() {
    SendMessageA(Item(IDC_WIZ_CHANNEL), EM_SETLIMITTEXT, kHostLinkBufferSize - 1, 0);
    FillListChoice();
    ShowPage(kWelcome);
    return true;
}

// "Existing listfile:" is offered only when there are lists, the first one
// chosen; "New listfile" is the default.
void ChannelWizardDialog::FillListChoice() {
    HWND combo = Item(IDC_WIZ_LISTS);
    for (FileList* list = state_->FileLists.Head; list; list = list->Next) {
        LRESULT item = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list->ListName.c_str()));
        if (item >= 0) SendMessageA(combo, CB_SETITEMDATA, item, reinterpret_cast<LPARAM>(list));
    }
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    bool offered = state_->FileLists.Head != nullptr;
    EnableWindow(Item(IDC_WIZ_EXISTING_LIST), offered);
    EnableWindow(combo, offered);
    CheckRadioButton(Window(), IDC_WIZ_NEW_LIST, IDC_WIZ_EXISTING_LIST, IDC_WIZ_NEW_LIST);
}

FileList* ChannelWizardDialog::ChosenList() const {
    if (!IsTicked(Window(), IDC_WIZ_EXISTING_LIST)) return nullptr;
    LRESULT item = SendMessageA(Item(IDC_WIZ_LISTS), CB_GETCURSEL, 0, 0);
    return item < 0 ? nullptr : reinterpret_cast<FileList*>(SendMessageA(Item(IDC_WIZ_LISTS), CB_GETITEMDATA, item, 0));
}

void ChannelWizardDialog::ShowPage(Page page) {
    page_ = page;
    VisibleFor visible{Window(), page};
    EnumChildWindows(Window(), ShowIfOnPage, reinterpret_cast<LPARAM>(&visible));
    EnableWindow(Item(IDC_WIZ_BACK), page != kWelcome);
    SetControlText(Window(), IDC_WIZ_NEXT, page == kDonePage ? "Finish" : "Next >");
    HWND first = GetNextDlgTabItem(Window(), nullptr, FALSE);
    if (first) SetFocus(first);
}

bool ChannelWizardDialog::Refused(const std::string& refusal) {
    if (!refusal.empty()) ShowRefusal(Window(), refusal.c_str());
    return !refusal.empty();
}

bool ChannelWizardDialog::LeaveChannelPage() {
    ChannelNameAnswer answer = CheckWizardChannel(*state_, ControlText(Window(), IDC_WIZ_CHANNEL).c_str());
    if (!answer.Name.empty()) SetControlText(Window(), IDC_WIZ_CHANNEL, answer.Name);
    if (Refused(answer.Refusal)) return false;
    choices_.Channel = answer.Name;
    choices_.ExistingList = ChosenList();
    choices_.ExistingListName = choices_.ExistingList ? choices_.ExistingList->ListName.c_str() : "";
    return true;
}

// The list page starts from the channel's name and the host's nick, again
// whenever the channel was renamed on the way back.
void ChannelWizardDialog::FillListDefaults() {
    if (defaultsFor_ == choices_.Channel) return;
    defaultsFor_ = choices_.Channel;
    ListProperties defaults = WizardListDefaults(*state_, choices_.Channel);
    SetControlText(Window(), IDC_WIZ_LIST_NAME, defaults.ListName);
    SetControlText(Window(), IDC_WIZ_LIST_TRIGGER, defaults.ListTrigger);
    SetControlText(Window(), IDC_WIZ_FILE_TRIGGER, defaults.FileTrigger);
}

bool ChannelWizardDialog::LeaveListPage() {
    ListProperties typed;
    typed.ListName = ControlText(Window(), IDC_WIZ_LIST_NAME);
    typed.ListTrigger = ControlText(Window(), IDC_WIZ_LIST_TRIGGER);
    typed.FileTrigger = ControlText(Window(), IDC_WIZ_FILE_TRIGGER);
    typed = CutToFields(typed);
    const char* refusal = CheckWizardList(*state_, typed);
    if (Refused(refusal ? refusal : "")) return false;
    choices_.NewList = typed;
    return true;
}

bool ChannelWizardDialog::LeaveFolderPage() {
    choices_.Folders = BoxTexts(Item(IDC_WIZ_FOLDERS));
    const char* refusal = CheckWizardFolders(choices_.Folders);
    return !Refused(refusal ? refusal : "");
}

void ChannelWizardDialog::Next() {
    switch (page_) {
        case kWelcome: return ShowPage(kChannelPage);
        case kChannelPage:
            if (!LeaveChannelPage()) return;
            if (choices_.ExistingList) return ShowPage(kDonePage);
            FillListDefaults();
            return ShowPage(kListPage);
        case kListPage: return LeaveListPage() ? ShowPage(kFolderPage) : void();
        case kFolderPage: return LeaveFolderPage() ? ShowPage(kDonePage) : void();
        case kDonePage: return Finish();
    }
}

void ChannelWizardDialog::Back() {
    if (page_ == kDonePage && choices_.ExistingList) return ShowPage(kChannelPage);
    if (page_ != kWelcome) ShowPage(static_cast<Page>(page_ - 1));
}

// Finish checks every page again (another window may have taken the name
// meanwhile); a refusal keeps the wizard open with nothing made.
void ChannelWizardDialog::Finish() {
    WizardOutcome outcome = FinishWizard(*state_, choices_);
    if (!outcome.Message.empty()) ShowRefusal(Window(), outcome.Message.c_str());
    if (!outcome.Channel) return;
    made_ = outcome.Channel;
    End(IDOK);
}

void ChannelWizardDialog::AddFolder() {
    std::string path;
    HWND box = Item(IDC_WIZ_FOLDERS);
    if (!BrowseForFolder(Window(), path) || HoldsFolder(BoxTexts(box), path)) return;
    SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
}

void ChannelWizardDialog::RemoveFolders() {
    HWND box = Item(IDC_WIZ_FOLDERS);
    for (int item = static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0)) - 1; item >= 0; --item)
        if (SendMessageA(box, LB_GETSEL, item, 0) > 0) SendMessageA(box, LB_DELETESTRING, item, 0);
}

bool ChannelWizardDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_WIZ_NEXT:
        case IDOK: Next(); return true;
        case IDC_WIZ_BACK: Back(); return true;
        case IDC_WIZ_ADD_FOLDER: AddFolder(); return true;
        case IDC_WIZ_REMOVE_FOLDER: RemoveFolders(); return true;
        case IDCANCEL: End(IDCANCEL); return true;
        default: return false;
    }
}

}  // namespace qvs
