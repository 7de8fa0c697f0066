#include "panel/managers/ads_manager.h"

#include <string>

#include "ads/ad_manager.h"
#include "hostlink/user_text.h"
#include "panel/framework/control_io.h"
#include "panel/framework/fill_guard.h"
#include "panel/managers/ads_manager_resource.h"
#include "ports/panel_port.h"

namespace qvs {
namespace {

// Group and advertisement names are cut to this many characters.
constexpr int kAdNameRoom = 127;
constexpr ListColumnSpec kNameColumn[] = {{"Name", 220, LVCFMT_LEFT}};
constexpr char kNameLabel[] = "Name:";
constexpr char kNewGroupCaption[] = "The Name of the new advertisement group";
constexpr char kRenameGroupCaption[] = "Rename the group";
constexpr char kNewAdCaption[] = "New advertisement name";
constexpr char kRenameAdCaption[] = "Rename the advertisement";
constexpr char kDeleteQuestion[] = "Are you sure you want to delete '%s' ?";
constexpr uint32_t kRunOnce = 0;
constexpr uint32_t kRunEvery = 1;
// Controls that mean nothing without a selected advertisement.
constexpr int kAdControls[] = {IDC_ADS_RENAME_AD, IDC_ADS_DELETE_AD, IDC_ADS_UP,        IDC_ADS_DOWN,
                               IDC_ADS_START_AFTER, IDC_ADS_RUN_ONCE, IDC_ADS_RUN_EVERY, IDC_ADS_INTERVAL,
                               IDC_ADS_EDIT};
constexpr int kGroupControls[] = {IDC_ADS_RENAME_GROUP, IDC_ADS_DELETE_GROUP, IDC_ADS_NEW_AD};

template <int N>
void EnableControls(HWND window, const int (&ids)[N], bool enabled) {
    for (int id : ids) EnableWindow(GetDlgItem(window, id), enabled);
}

// The validator of a name prompt: the edit is made on OK; a refusal keeps
// the prompt open after saying why.
template <typename Record, typename Edit>
std::function<PromptVerdict(const std::string&)> NameEdit(ModuleState& state, Record*& done, Edit edit) {
    return [&state, &done, edit](const std::string& name) {
        EditAnswer<Record> answer = edit(name.c_str());
        if (answer.Refusal) {
            state.Ports.Panel->ShowMessage(answer.Refusal, kIconError);
            return PromptVerdict::StayOpen;
        }
        done = answer.Done;
        return answer.Done ? PromptVerdict::Accept : PromptVerdict::CloseUnchanged;
    };
}

}  // namespace

AdsManager::AdsManager(ModuleState& state, PromptDialog& prompt, const std::atomic<HWND>& host)
    : ManagerWindow(IDD_ADS_MANAGER), state_(state), prompt_(prompt), editor_(state, host), randomFiles_(state) {}

bool AdsManager::OnInit() {
    groups_.Attach(Item(IDC_ADS_GROUPS), kNameColumn);
    ads_.Attach(Item(IDC_ADS_ADS), kNameColumn);
    current_ = state_.AdGroups.Head;
    ListGroups();
    return false;
}

bool AdsManager::OnCommand(int id, int code) {
    if (OnTimingEdit(id, code)) return true;
    if (code == BN_CLICKED && OnButton(id)) return true;
    return ManagerWindow::OnCommand(id, code);
}

bool AdsManager::OnButton(int id) {
    switch (id) {
        case IDC_ADS_NEW_GROUP: NewGroup(); return true;
        case IDC_ADS_RENAME_GROUP: RenameGroup(); return true;
        case IDC_ADS_DELETE_GROUP: DeleteGroup(); return true;
        case IDC_ADS_NEW_AD: NewAd(); return true;
        case IDC_ADS_RENAME_AD: RenameAd(); return true;
        case IDC_ADS_DELETE_AD: DeleteAd(); return true;
        case IDC_ADS_UP: MoveAd(true); return true;
        case IDC_ADS_DOWN: MoveAd(false); return true;
        case IDC_ADS_EDIT: EditText(); return true;
        case IDC_ADS_RANDOM_FILES: randomFiles_.Run(Instance(), Window()); return true;
        case IDC_ADS_RUN_ONCE: SetRunOption(kRunOnce); return true;
        case IDC_ADS_RUN_EVERY:
            SetFocus(Item(IDC_ADS_INTERVAL));
            SetRunOption(kRunEvery);
            return true;
        default: return false;
    }
}

// The fields store what is typed at every change; the caret in the
// interval field means "Run every".
bool AdsManager::OnTimingEdit(int id, int code) {
    Advertisement* ad = filling_ ? nullptr : SelectedAd();
    if (id == IDC_ADS_START_AFTER && code == EN_CHANGE) {
        if (ad) ad->StartAfter = ControlNumber(Window(), id);
        return true;
    }
    if (id != IDC_ADS_INTERVAL) return false;
    if (code == EN_CHANGE && ad) ad->Interval = ControlNumber(Window(), id);
    if (code == EN_SETFOCUS && ad) SetRunOption(kRunEvery);
    return true;
}

bool AdsManager::OnNotify(const NMHDR& notice) {
    if (notice.code != LVN_ITEMCHANGED || filling_) return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(notice);
    if (!(change.uNewState & LVIS_SELECTED) || (change.uOldState & LVIS_SELECTED)) return false;
    if (notice.idFrom == IDC_ADS_GROUPS) ShowGroup(groups_.At<AdGroup>(change.iItem));
    if (notice.idFrom == IDC_ADS_ADS) ShowAd(ads_.At<Advertisement>(change.iItem));
    return true;
}

// Groups may have come meanwhile (the new-channel wizard makes one): each
// showing lists them afresh, keeping the current group while it exists.
bool AdsManager::OnMessage(UINT message, WPARAM first, LPARAM) {
    if (message != WM_SHOWWINDOW || !first) return false;
    AdGroup* listed = state_.AdGroups.Head;
    while (listed && listed != current_) listed = listed->Next;
    current_ = listed ? listed : state_.AdGroups.Head;
    ListGroups();
    return false;
}

void AdsManager::ListGroups() {
    FillGuard guard(filling_);
    groups_.Clear();
    for (AdGroup* group = state_.AdGroups.Head; group; group = group->Next)
        groups_.SetCell(groups_.Append(group), 0, group->AdsGroupName.c_str());
    ShowGroup(current_);
}

void AdsManager::ShowGroup(AdGroup* group) {
    FillGuard guard(filling_);
    current_ = group;
    int row = groups_.Find(group);
    if (row >= 0) groups_.Select(row, true);
    EnableControls(Window(), kGroupControls, group != nullptr);
    ListAds(nullptr);
}

void AdsManager::ListAds(Advertisement* selected) {
    FillGuard guard(filling_);
    ads_.Clear();
    for (Advertisement* ad = current_ ? current_->Ads.Head : nullptr; ad; ad = ad->Next)
        ads_.SetCell(ads_.Append(ad), 0, ad->AdsName.c_str());
    int row = ads_.Find(selected);
    if (row >= 0) ads_.Select(row, true);
    ShowAd(selected);
}

// Without an advertisement the timing controls and the text are empty.
void AdsManager::ShowAd(Advertisement* ad) {
    FillGuard guard(filling_);
    SetControlText(Window(), IDC_ADS_START_AFTER, ad ? std::to_string(ad->StartAfter) : std::string());
    SetControlText(Window(), IDC_ADS_INTERVAL, ad ? std::to_string(ad->Interval) : std::string());
    SetRadioChoice(Window(), IDC_ADS_RUN_ONCE, 2, ad ? static_cast<int>(ad->RunOption == kRunEvery) : -1);
    SetControlText(Window(), IDC_ADS_TEXT, ad ? ad->AdsText.c_str() : "");
    EnableControls(Window(), kAdControls, ad != nullptr);
}

Advertisement* AdsManager::SelectedAd() const {
    std::vector<int> rows = ads_.SelectedRows();
    return rows.empty() ? nullptr : ads_.At<Advertisement>(rows.front());
}

void AdsManager::SetRunOption(uint32_t option) {
    Advertisement* ad = SelectedAd();
    if (!ad) return;
    ad->RunOption = option;
    SetRadioChoice(Window(), IDC_ADS_RUN_ONCE, 2, static_cast<int>(option));
}

void AdsManager::NewGroup() {
    AdGroup* made = nullptr;
    auto add = [this](const char* name) { return AddAdGroup(state_, name); };
    std::string name;
    if (!prompt_.Ask(Instance(), Window(), {kNewGroupCaption, kNameLabel, "", kAdNameRoom,
                                            NameEdit<AdGroup>(state_, made, add)}, name) || !made)
        return;
    current_ = made;
    ListGroups();
}

void AdsManager::RenameGroup() {
    AdGroup* group = current_;
    if (!group) return;
    AdGroup* done = nullptr;
    auto rename = [this, group](const char* name) { return RenameAdGroup(state_, group, name); };
    std::string name;
    prompt_.Ask(Instance(), Window(), {kRenameGroupCaption, kNameLabel, group->AdsGroupName.c_str(),
                                       kAdNameRoom, NameEdit<AdGroup>(state_, done, rename)}, name);
    if (done) groups_.SetCell(groups_.Find(done), 0, done->AdsGroupName.c_str());
    if (done && groupsChanged_) groupsChanged_();
}

bool AdsManager::Confirmed(const Text& name) {
    std::string question = FormatUserText(kDeleteQuestion, name.c_str());
    return state_.Ports.Panel->ShowMessage(question.c_str(), kIconQuestion) == kAnswerYes;
}

void AdsManager::DeleteGroup() {
    AdGroup* group = current_;
    if (!group || !Confirmed(group->AdsGroupName) || current_ != group) return;
    current_ = DeleteAdGroup(state_, group);
    ListGroups();
    if (groupsChanged_) groupsChanged_();
}

void AdsManager::NewAd() {
    AdGroup* group = current_;
    if (!group) return;
    Advertisement* made = nullptr;
    auto add = [group](const char* name) { return AddAdvertisement(group, name); };
    std::string name;
    prompt_.Ask(Instance(), Window(),
                {kNewAdCaption, kNameLabel, "", kAdNameRoom, NameEdit<Advertisement>(state_, made, add)}, name);
    if (made && current_ == group) ListAds(made);
}

void AdsManager::RenameAd() {
    AdGroup* group = current_;
    Advertisement* ad = SelectedAd();
    if (!ad) return;
    Advertisement* done = nullptr;
    auto rename = [group, ad](const char* name) { return RenameAdvertisement(group, ad, name); };
    std::string name;
    prompt_.Ask(Instance(), Window(), {kRenameAdCaption, kNameLabel, ad->AdsName.c_str(), kAdNameRoom,
                                       NameEdit<Advertisement>(state_, done, rename)}, name);
    if (done) ads_.SetCell(ads_.Find(done), 0, done->AdsName.c_str());
}

void AdsManager::DeleteAd() {
    AdGroup* group = current_;
    Advertisement* ad = SelectedAd();
    if (!ad || !Confirmed(ad->AdsName) || SelectedAd() != ad) return;
    ListAds(DeleteAdvertisement(state_, group, ad));
}

void AdsManager::MoveAd(bool towardHead) {
    Advertisement* ad = SelectedAd();
    if (!ad) return;
    bool moved = towardHead ? current_->Ads.MoveTowardHead(ad) : current_->Ads.MoveTowardTail(ad);
    if (moved) ListAds(ad);
}

void AdsManager::EditText() {
    Advertisement* ad = SelectedAd();
    if (ad && editor_.Edit(Instance(), Window(), ad) && SelectedAd() == ad) ShowAd(ad);
}

}  // namespace qvs
