#include "panel/pages/flood_control_page.h"

#include "model/listed_names.h"
#include "model/network_settings.h"
#include "panel/pages/flood_control_page_resource.h"
#include "panel/pages/word_list.h"

namespace qvs {
namespace {

const Binding<NetworkSettings> kNetworkBindings[] = {
    {IDC_FLOOD_USE_EXCESS, ControlKind::Check, &NetworkSettings::UseExcessFlood},
    {IDC_FLOOD_EXCESS_INTERVAL, ControlKind::Number, &NetworkSettings::ExcessFloodInterval},
    {IDC_FLOOD_USE_TARGET_CHANGE, ControlKind::Check, &NetworkSettings::UseTargetChange},
    {IDC_FLOOD_TARGET_INTERVAL, ControlKind::Number, &NetworkSettings::TargetChangeInterval},
};

const Binding<GlobalSettings> kBypassBinding[] = {
    {IDC_FLOOD_USE_CNOTICE, ControlKind::Check, &GlobalSettings::UseCNotice},
};

const ListColumnSpec kNetworkColumn[] = {{"", 0, LVCFMT_LEFT}};

constexpr char kNewNetworkCaption[] = "New Network";
constexpr char kNewNetworkLabel[] = "Network name:";
constexpr char kDuplicateNetwork[] = "Duplicate network name";

}  // namespace

FloodControlPage::FloodControlPage(ModuleState& state)
    : DialogBase(IDD_PAGE_FLOOD_CONTROL), state_(state), network_(kNetworkBindings), global_(kBypassBinding) {}

bool FloodControlPage::OnInit() {
    selected_ = nullptr;
    table_.Attach(Item(IDC_FLOOD_NETWORKS), kNetworkColumn);
    SendMessageA(table_.View(), LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
    for (NetworkSettings* settings = state_.Networks.Head; settings; settings = settings->Next) AppendRow(settings);
    network_.Show(Window(), nullptr);
    global_.Show(Window(), &state_.Settings);
    return false;
}

void FloodControlPage::AppendRow(NetworkSettings* settings) {
    table_.SetCell(table_.Append(settings), 0, settings->NetworkName.c_str());
}

bool FloodControlPage::OnCommand(int id, int code) {
    if (network_.Store(Window(), selected_, id, code) || global_.Store(Window(), &state_.Settings, id, code)) return true;
    if (id == IDC_FLOOD_ADD_NETWORK) AddNetwork();
    if (id == IDC_FLOOD_REMOVE_NETWORK) RemoveNetwork();
    return id == IDC_FLOOD_ADD_NETWORK || id == IDC_FLOOD_REMOVE_NETWORK;
}

bool FloodControlPage::OnNotify(const NMHDR& notice) {
    if (notice.hwndFrom != table_.View() || notice.code != LVN_ITEMCHANGED) return false;
    ShowSelected();
    return true;
}

void FloodControlPage::ShowSelected() {
    std::vector<int> rows = table_.SelectedRows();
    NetworkSettings* settings = rows.empty() ? nullptr : table_.At<NetworkSettings>(rows.front());
    if (settings == selected_) return;
    selected_ = settings;
    network_.Show(Window(), selected_);
}

void FloodControlPage::AddNetwork() {
    auto judge = [this](const std::string& name) {
        return JudgeNewName(state_, name, FindNetworkSettings(state_, name.c_str()) != nullptr, kDuplicateNetwork);
    };
    std::string name;
    PromptSpec spec{kNewNetworkCaption, kNewNetworkLabel, "", static_cast<int>(kListedNameRoom), judge};
    if (!prompt_.Ask(Instance(), Window(), spec, name)) return;
    if (NetworkSettings* settings = AddNetworkSettings(state_, name.c_str())) AppendRow(settings);
}

// The row goes first, so that the selection it loses no longer points at
// the freed settings.
void FloodControlPage::RemoveNetwork() {
    NetworkSettings* settings = selected_;
    if (!settings) return;
    table_.Remove(table_.Find(settings));
    selected_ = nullptr;
    network_.Show(Window(), nullptr);
    RemoveNetworkSettings(state_, settings);
}

}  // namespace qvs
