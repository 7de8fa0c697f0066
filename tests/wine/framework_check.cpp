// The panel's page framework on the real platform: a channel page stores
// every bound control into the record it shows at once, reading numbers and
// units one way, and writes nothing while it is filled, cleared or shows no
// record; the list-view helper keeps records, cells and selection together
// when rows move; the prompt stays open on a refused text and cuts a long
// paste; tabs fit their pages and let the keyboard in; a failing handler is
// logged; a handler's own reply reaches the platform.
#include "win32/windows_api.h"

#include <commctrl.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "check_tally.h"
#include "framework_check_resource.h"
#include "panel/framework/channel_page.h"
#include "panel/framework/list_view_table.h"
#include "panel/framework/prompt_dialog.h"
#include "panel/framework/tabbed_dialog.h"

namespace {

using qvs::Binding;
using qvs::ChannelConfig;
using qvs::ControlKind;

constexpr int kThrowCommand = 4242;
constexpr UINT kDrivePrompt = WM_APP + 1;
constexpr char kPromptCaption[] = "Rename Channel";
constexpr int kPromptRoom = 2047;
constexpr std::size_t kPasteSize = 65536;

const Binding<ChannelConfig> kTable[] = {
    {IDC_FW_VERBOSE, ControlKind::Check, &ChannelConfig::Verbose},
    {IDC_FW_MIN_SLOTS, ControlKind::Number, &ChannelConfig::MinSlot},
    {IDC_FW_SIZE, ControlKind::Number, &ChannelConfig::SQueueSize, nullptr, IDC_FW_SIZE_UNIT, 4, 2},
    {IDC_FW_HOLD_TIME, ControlKind::DropDown, &ChannelConfig::HoldTime},
    {IDC_FW_NOTICE, ControlKind::Radio, &ChannelConfig::SearchDisplayMethod, nullptr, 2},
    {IDC_FW_NAME, ControlKind::Text, nullptr, &ChannelConfig::ChannelName},
};

class CheckPage final : public qvs::ChannelPage {
public:
    explicit CheckPage(qvs::ModuleState& state) : ChannelPage(IDD_FRAMEWORK_PAGE, state, kTable) {}
    qvs::ListViewTable Rows;

private:
    bool OnPageInit() override {
        const char* const holds[] = {"0", "1", "2"};
        qvs::FillDropDown(Window(), IDC_FW_HOLD_TIME, holds, 3);
        const qvs::ListColumnSpec columns[] = {{"Nick", 80, LVCFMT_LEFT}, {"Size", 60, LVCFMT_RIGHT}};
        Rows.Attach(Item(IDC_FW_LIST), columns);
        return false;
    }
};

class Holder final : public qvs::TabbedDialog {
public:
    explicit Holder(qvs::ModuleState& state) : TabbedDialog(IDD_FRAMEWORK_HOLDER, IDC_FW_TAB), Page(state) {}
    CheckPage Page;
    int Changes = 0;
    qvs::PromptDialog Prompt;
    std::function<void()> DriveIt;
    using TabbedDialog::RecordOfTab;
    void AddRecordTab(void* record) { InsertRecordTab(TabCount(), "record", Page.Window(), record); }

private:
    bool OnInit() override {
        const qvs::TabPage pages[] = {{"Page", &Page}};
        AddPages(pages);
        return false;
    }
    bool OnCommand(int id, int) override {
        if (id == kThrowCommand) throw std::runtime_error("the handler broke");
        return false;
    }
    bool OnMessage(UINT message, WPARAM, LPARAM) override {
        if (message == kDrivePrompt) {
            DriveIt();
            return true;
        }
        if (message != WM_CTLCOLORDLG) return false;
        return Reply(reinterpret_cast<INT_PTR>(GetStockObject(GRAY_BRUSH)));
    }
    void OnPageChanged(int, HWND) override { ++Changes; }
};

std::string faultReport;
void RememberFault(const std::string& report) { faultReport = report; }

HWND Control(const Holder& holder, int id) { return GetDlgItem(holder.Page.Window(), id); }

std::string Text(const Holder& holder, int id) { return qvs::ControlText(holder.Page.Window(), id); }

// As the operator types: the field's change notification follows.
void Type(const Holder& holder, int id, const std::string& text) {
    SendMessageA(Control(holder, id), EM_SETSEL, 0, -1);
    SendMessageA(Control(holder, id), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void Choose(const Holder& holder, int id, int index) {
    SendMessageA(Control(holder, id), CB_SETCURSEL, index, 0);
    SendMessageA(holder.Page.Window(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Control(holder, id)));
}

void Click(const Holder& holder, int id) { SendMessageA(Control(holder, id), BM_CLICK, 0, 0); }

void CheckFill(qvs::CheckTally& tally, Holder& holder, ChannelConfig& config) {
    config.Verbose = 1;
    config.MinSlot = 7;
    config.SQueueSize = 1536 * 1024;  // shown as 1536 KB: a fill that stored on the way would change it
    config.HoldTime = 2;
    config.SearchDisplayMethod = 2;  // past the last button: shown as the last
    config.ChannelName.Set("#files");
    holder.Page.Fill(config);
    tally.Check(qvs::IsTicked(holder.Page.Window(), IDC_FW_VERBOSE) && Text(holder, IDC_FW_MIN_SLOTS) == "7",
                "a fill shows the check box and the number");
    tally.Check(Text(holder, IDC_FW_SIZE) == "1536" && Text(holder, IDC_FW_SIZE_UNIT) == "KB",
                "a size is shown in the largest whole unit");
    tally.Check(qvs::RadioChoice(holder.Page.Window(), IDC_FW_NOTICE, 2) == 1 && Text(holder, IDC_FW_NAME) == "#files",
                "a radio value past the last button shows the last");
    tally.Check(config.SQueueSize == 1536 * 1024 && config.SearchDisplayMethod == 2 && config.MinSlot == 7,
                "filling the page writes nothing into the record");
}

void CheckStores(qvs::CheckTally& tally, Holder& holder, ChannelConfig& config) {
    const struct {
        std::string Typed;
        uint32_t Stored;
    } numbers[] = {{"12", 12}, {"abc", 0}, {"3x", 0}, {"4294967296", 4294967295u}, {std::string(kPasteSize, '9'), 4294967295u}};
    for (const auto& number : numbers) {
        Type(holder, IDC_FW_MIN_SLOTS, number.Typed);
        tally.Check(config.MinSlot == number.Stored, "typing \"" + number.Typed.substr(0, 12) + "\" stores " +
                                                         std::to_string(number.Stored) + ", not " + std::to_string(config.MinSlot));
    }
    Type(holder, IDC_FW_SIZE, "3");
    tally.Check(config.SQueueSize == 3 * 1024, "a size number is stored in its unit");
    Choose(holder, IDC_FW_SIZE_UNIT, 3);
    tally.Check(config.SQueueSize == 3u * 1073741824u, "a new unit stores the number again");
    Type(holder, IDC_FW_SIZE, "5");
    tally.Check(config.SQueueSize == 4294967295u, "a size past 32 bits holds at the largest value");
    Choose(holder, IDC_FW_HOLD_TIME, 1);
    Click(holder, IDC_FW_VERBOSE);
    Click(holder, IDC_FW_NOTICE);
    Type(holder, IDC_FW_NAME, "#other");
    tally.Check(config.HoldTime == 1 && config.Verbose == 0 && config.SearchDisplayMethod == 0,
                "a drop-down, a check box and a radio button store at once");
    tally.Check(std::string(config.ChannelName.c_str()) == "#other", "a text field stores at once");
}

void CheckClear(qvs::CheckTally& tally, Holder& holder, ChannelConfig& config) {
    holder.Page.Clear();
    tally.Check(!holder.Page.Shown() && Text(holder, IDC_FW_MIN_SLOTS).empty() && Text(holder, IDC_FW_NAME).empty() &&
                    !qvs::IsTicked(holder.Page.Window(), IDC_FW_VERBOSE),
                "a clear empties every bound control");
    tally.Check(std::string(config.ChannelName.c_str()) == "#other" && config.MinSlot != 0,
                "clearing the page writes nothing into the record");
    Type(holder, IDC_FW_MIN_SLOTS, "9");
    Click(holder, IDC_FW_VERBOSE);
    tally.Check(config.MinSlot != 9 && config.Verbose == 0, "with no record shown, edits store nothing");
}

void CheckRows(qvs::CheckTally& tally, qvs::ListViewTable& rows) {
    int records[5] = {};
    for (int& record : records) {
        int row = rows.Append(&record);
        rows.SetCell(row, 0, ("nick" + std::to_string(row + 1)).c_str());
    }
    rows.Select(3, true);
    rows.MoveRow(3, 0);
    tally.Check(rows.At<int>(0) == &records[3] && rows.Find(&records[3]) == 0 && rows.Find(&records[0]) == 1,
                "a moved row keeps its record");
    tally.Check(rows.SelectedRows() == std::vector<int>{0}, "a moved row keeps its selection");
    char cell[16] = {};
    ListView_GetItemText(rows.View(), 0, 0, cell, sizeof cell);
    tally.Check(std::string(cell) == "nick4", "a moved row keeps its cells");
    rows.MoveRow(0, 9);
    tally.Check(rows.Find(&records[3]) == 0 && rows.Find(nullptr) == -1, "a move past the end changes nothing");
}

// Runs inside the prompt's own loop: a refused text leaves it open, an
// accepted one closes it.
void DrivePrompt(qvs::CheckTally& tally) {
    HWND prompt = FindWindowA("#32770", kPromptCaption);
    HWND field = FindWindowExA(prompt, nullptr, "Edit", nullptr);
    SetWindowTextA(field, "#taken");
    SendMessageA(prompt, WM_COMMAND, IDOK, 0);
    // The loop shows the prompt only once it is idle: it exists, not yet shown.
    tally.Check(prompt && IsWindow(prompt), "a refused text keeps the prompt open");
    std::string paste(kPasteSize, 'x');
    SendMessageA(field, EM_SETSEL, 0, -1);
    SendMessageA(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(paste.c_str()));
    PostMessageA(prompt, WM_COMMAND, IDOK, 0);
}

void CheckPrompt(qvs::CheckTally& tally, Holder& holder) {
    holder.DriveIt = [&tally] { DrivePrompt(tally); };
    PostMessageA(holder.Window(), kDrivePrompt, 0, 0);
    std::string accepted;
    int refused = 0;
    qvs::PromptSpec spec{kPromptCaption, "New name:", "#files", kPromptRoom, [&](const std::string& text) {
                             if (text != "#taken") return qvs::PromptVerdict::Accept;
                             ++refused;
                             return qvs::PromptVerdict::StayOpen;
                         }};
    // The driver runs inside the prompt's loop, on the posted message.
    bool ok = holder.Prompt.Ask(GetModuleHandleA(nullptr), holder.Window(), spec, accepted);
    tally.Check(ok && refused == 1, "the prompt closes on the accepted text");
    tally.Check(accepted == std::string(kPromptRoom, 'x'), "a long paste is cut to the field's room");
}

void CheckTabs(qvs::CheckTally& tally, Holder& holder) {
    HWND tab = GetDlgItem(holder.Window(), IDC_FW_TAB);
    RECT area{}, page{};
    GetClientRect(tab, &area);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    GetWindowRect(holder.Page.Window(), &page);
    MapWindowPoints(nullptr, tab, reinterpret_cast<POINT*>(&page), 2);
    tally.Check(EqualRect(&area, &page) != FALSE, "a page fills its tab control's display area");
    bool keyboard = (GetWindowLongPtrA(tab, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) &&
                    (GetWindowLongPtrA(holder.Page.Window(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    tally.Check(keyboard, "the keyboard reaches into the tab control and its page");
    int record = 0;
    holder.AddRecordTab(&record);
    int before = holder.Changes;
    holder.SelectTab(1);
    tally.Check(holder.RecordOfTab(1) == &record && holder.Changes == before + 1 &&
                    (GetWindowLongPtrA(holder.Page.Window(), GWL_STYLE) & WS_VISIBLE),
                "a record tab carries its record and shows its page, with one call of the hook");
}

void CheckHandlers(qvs::CheckTally& tally, Holder& holder) {
    qvs::SetFaultLog(RememberFault);
    SendMessageA(holder.Window(), WM_COMMAND, kThrowCommand, 0);
    tally.Check(faultReport.find("the handler broke") != std::string::npos, "a failing handler is logged: " + faultReport);
    LRESULT brush = SendMessageA(holder.Window(), WM_CTLCOLORDLG, 0, 0);
    tally.Check(brush == reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH)), "a handler's reply is the answer");
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    qvs::CheckTally tally;
    qvs::ModuleState state;
    ChannelConfig config;
    Holder holder(state);
    ShowWindow(holder.CreateModeless(GetModuleHandleA(nullptr), nullptr), SW_SHOWNOACTIVATE);
    CheckFill(tally, holder, config);
    CheckStores(tally, holder, config);
    CheckClear(tally, holder, config);
    CheckRows(tally, holder.Page.Rows);
    CheckTabs(tally, holder);
    CheckHandlers(tally, holder);
    CheckPrompt(tally, holder);
    DestroyWindow(holder.Window());
    return tally.Report();
}
