#include "panel/managers/ad_text_editor.h"

#include "ads/ad_manager.h"
#include "ads/text_variables.h"
#include "hostlink/host_link.h"
#include "panel/framework/control_io.h"
#include "panel/managers/ad_text_editor_resource.h"
#include "ports/panel_port.h"

namespace qvs {
namespace {

// The preview shows how the text reads to a user of this nick.
constexpr char kPreviewNick[] = "UserNick";
constexpr char kNoChannelForPreview[] = "Sorry, you must have at least one channel for preview to work";

void FillChoices(HWND dialog, int id, const std::vector<std::string>& items) {
    std::vector<const char*> texts;
    for (const std::string& item : items) texts.push_back(item.c_str());
    FillDropDown(dialog, id, texts.data(), static_cast<int>(texts.size()));
}

// The selection of a text field, start and end.
std::pair<std::size_t, std::size_t> FieldSelection(HWND field) {
    DWORD start = 0, end = 0;
    SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

}  // namespace

AdTextEditor::AdTextEditor(ModuleState& state, const std::atomic<HWND>& host)
    : DialogBase(IDD_AD_TEXT_EDITOR), state_(state), host_(host) {}

bool AdTextEditor::Edit(HINSTANCE instance, HWND owner, Advertisement* ad) {
    if (IsOpen() || !ad) return false;
    ad_ = ad;
    bool stored = RunModal(instance, owner) == IDOK;
    ad_ = nullptr;
    return stored;
}

bool AdTextEditor::OnInit() {
    SetControlText(Window(), IDC_EDITOR_TEXT, ad_->AdsText.c_str());
    groups_ = VariableGroups(state_);
    FillChoices(Window(), IDC_EDITOR_GROUP, groups_);
    FillDropDown(Window(), IDC_EDITOR_TEXT_COLOUR, kColourNames, kColourCount);
    FillDropDown(Window(), IDC_EDITOR_BACKGROUND, kColourNames, kColourCount);
    SetDropDownChoice(Window(), IDC_EDITOR_TEXT_COLOUR, kBlack);
    SetDropDownChoice(Window(), IDC_EDITOR_BACKGROUND, kNoColour);
    return true;
}

bool AdTextEditor::OnCommand(int id, int code) {
    if (id == IDC_EDITOR_GROUP && code == CBN_SELCHANGE) ListVariables();
    return code == BN_CLICKED && OnButton(id);
}

bool AdTextEditor::OnButton(int id) {
    switch (id) {
        case IDC_EDITOR_INSERT: InsertVariable(); return true;
        case IDC_EDITOR_SET_COLOUR: SetColour(); return true;
        case IDC_EDITOR_BOLD: Mark(std::string(1, kBoldCode), std::string(1, kBoldCode)); return true;
        case IDC_EDITOR_UNDERLINE: Mark(std::string(1, kUnderlineCode), std::string(1, kUnderlineCode)); return true;
        case IDC_EDITOR_REVERSE: Mark(std::string(1, kReverseCode), std::string(1, kReverseCode)); return true;
        case IDC_EDITOR_PREVIEW: Preview(); return true;
        case IDOK:
            SetAdvertisementText(ad_, ControlText(Window(), IDC_EDITOR_TEXT).c_str());
            End(IDOK);
            return true;
        case IDCANCEL: End(IDCANCEL); return true;
        default: return false;
    }
}

void AdTextEditor::ListVariables() {
    int group = DropDownChoice(Window(), IDC_EDITOR_GROUP);
    variables_ = group >= 0 ? GroupVariables(state_, groups_[static_cast<std::size_t>(group)]) : std::vector<EditorVariable>{};
    std::vector<std::string> descriptions;
    for (const EditorVariable& variable : variables_) descriptions.push_back(variable.Description);
    FillChoices(Window(), IDC_EDITOR_VARIABLE, descriptions);
}

void AdTextEditor::InsertVariable() {
    int group = DropDownChoice(Window(), IDC_EDITOR_GROUP);
    int variable = DropDownChoice(Window(), IDC_EDITOR_VARIABLE);
    if (group < 0 || variable < 0) return;
    std::string word = VariableWord(groups_[static_cast<std::size_t>(group)],
                                    variables_[static_cast<std::size_t>(variable)].Name);
    SendDlgItemMessageA(Window(), IDC_EDITOR_TEXT, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(word.c_str()));
}

void AdTextEditor::SetColour() {
    std::string start = ColourStart(DropDownChoice(Window(), IDC_EDITOR_TEXT_COLOUR),
                                    DropDownChoice(Window(), IDC_EDITOR_BACKGROUND));
    if (!start.empty()) Mark(start, std::string(1, kColourCode));
}

void AdTextEditor::Mark(const std::string& before, const std::string& after) {
    HWND field = Item(IDC_EDITOR_TEXT);
    std::string text = ControlText(Window(), IDC_EDITOR_TEXT);
    auto [start, end] = FieldSelection(field);
    if (!MarkSelection(text, start, end, before, after)) return;
    SetControlText(Window(), IDC_EDITOR_TEXT, text);
    SendMessageA(field, EM_SETSEL, start, end + before.size() + after.size());
}

// The preview window is made afresh and shown in the host, which comes to
// the front in place of the panel.
void AdTextEditor::Preview() {
    Execute(state_, "%s", kPreviewWindowCommand);
    // The editor's owner is the Advertisement Manager, whose owner is the panel.
    if (HWND panel = GetWindow(GetWindow(Window(), GW_OWNER), GW_OWNER)) ShowWindow(panel, SW_MINIMIZE);
    if (HWND host = host_.load()) SetForegroundWindow(host);
    const ChannelConfig* first = state_.ChannelConfigs.Head;
    if (!first) {
        state_.Ports.Panel->ShowMessage(kNoChannelForPreview, kIconError);
        return;
    }
    std::string text = ControlText(Window(), IDC_EDITOR_TEXT);
    std::string expanded = ExpandVariables(state_, first, text.c_str(), kPreviewNick, nullptr);
    Execute(state_, "%s", PreviewLineCommand(expanded).c_str());
}

}  // namespace qvs
