#include "panel/pages/statistics_page.h"

#include <string>

#include "panel/framework/control_io.h"
#include "panel/pages/statistics_page_resource.h"
#include "ports/panel_port.h"
#include "stats/memory_display.h"
#include "stats/number_texts.h"

namespace qvs {
namespace {

constexpr char kNoDebugModule[] = "No debug module: QVSDebug.dll was not found, or it has no ShowDebugWindow.";
constexpr char kNotAvailable[] = "n/a";

const Binding<ChannelConfig> kStatisticsBindings[] = {
    {IDC_STATS_TOP_LIST_VALUE, ControlKind::Number, &ChannelConfig::TopListValue},
};

const int kChannelButtons[] = {IDC_STATS_RESET, IDC_STATS_VIEW_TOP_LIST};

}  // namespace

StatisticsPage::StatisticsPage(ModuleState& state, const DebugModule& debug)
    : ChannelPage(IDD_PAGE_STATISTICS, state, kStatisticsBindings), debug_(debug) {}

// The module-wide switches show what the module does now; the memory is
// measured once so that the display is not empty for a minute.
bool StatisticsPage::OnPageInit() {
    SetTicked(Window(), IDC_STATS_ENABLE_TOP_LIST, State().Settings.EnableTopList == 1);
    SetTicked(Window(), IDC_STATS_LOG_COMMANDS, State().Link.CommandLogging);
    SetTicked(Window(), IDC_STATS_AUTO_MEMORY, State().AutoMemoryCheck == 1);
    ShowChannel({}, false);
    CheckMemory(State());
    return false;
}

void StatisticsPage::OnFill(ChannelConfig& config) { ShowChannel(FormatChannelStatistics(State(), &config), true); }

void StatisticsPage::OnClear() { ShowChannel({}, false); }

// The pending count belonged to the channel shown before: it is empty until
// the next speed sample counts again.
void StatisticsPage::ShowChannel(const ChannelStatisticsTexts& texts, bool shown) {
    ShowCounters(texts);
    for (int id : kChannelButtons) EnableWindow(Item(id), shown ? TRUE : FALSE);
    SetControlText(Window(), IDC_STATS_PENDING, "");
}

void StatisticsPage::RefreshCounters(const ChannelConfig* config) {
    if (config && config == Shown()) ShowCounters(FormatChannelStatistics(State(), config));
}

void StatisticsPage::ShowCounters(const ChannelStatisticsTexts& texts) {
    SetControlText(Window(), IDC_STATS_FILES, texts.Files);
    SetControlText(Window(), IDC_STATS_SIZE, texts.Size);
    SetControlText(Window(), IDC_STATS_FASTEST, texts.Fastest);
    SetControlText(Window(), IDC_STATS_AVERAGE, texts.Average);
}

void StatisticsPage::ShowSendSpeed(uint32_t cps) { SetControlText(Window(), IDC_STATS_SEND_SPEED, FormatSpeed(cps)); }

void StatisticsPage::ShowPendingCommands(uint32_t count) { SetControlNumber(Window(), IDC_STATS_PENDING, count); }

void StatisticsPage::ShowAllocatedMemory(const char* text) {
    std::string shown = text ? text : kNotAvailable;
    SetControlText(Window(), IDC_STATS_MEMORY, shown == kNotAvailable ? shown : shown + " KB");
    SetTicked(Window(), IDC_STATS_AUTO_MEMORY, State().AutoMemoryCheck == 1);
}

bool StatisticsPage::OnPageCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    return OnModuleSwitch(id) || OnButton(id);
}

bool StatisticsPage::OnModuleSwitch(int id) {
    bool ticked = IsTicked(Window(), id);
    switch (id) {
        case IDC_STATS_ENABLE_TOP_LIST: State().Settings.EnableTopList = ticked ? 1 : 0; return true;
        case IDC_STATS_LOG_COMMANDS: State().Link.CommandLogging = ticked; return true;
        case IDC_STATS_AUTO_MEMORY: State().AutoMemoryCheck = ticked ? 1 : 0; return true;
        default: return false;
    }
}

bool StatisticsPage::OnButton(int id) {
    ChannelConfig* shown = Shown();
    switch (id) {
        case IDC_STATS_RESET: if (shown) ResetChannelStatistics(State(), shown); return true;
        case IDC_STATS_VIEW_TOP_LIST: if (shown) topList_.Show(Instance(), Panel(), State(), *shown); return true;
        case IDC_STATS_VIEW_COMBINED: combined_.Show(Instance(), Panel(), State()); return true;
        case IDC_STATS_DEBUG_MODULE: ShowDebugWindow(); return true;
        case IDC_STATS_CHECK_MEMORY: CheckMemory(State()); return true;
        case IDC_STATS_COMPACT_MEMORY: CompactMemory(State()); return true;
        default: return false;
    }
}

// Without the library or its entry there is nothing to call: the operator
// learns why the button did nothing.
void StatisticsPage::ShowDebugWindow() {
    ShowDebugWindowEntry entry = debug_.ShowDebugWindow();
    if (entry) return entry(Panel());
    State().Ports.Panel->ShowMessage(kNoDebugModule, kIconInformation);
}

HWND StatisticsPage::Panel() const { return GetAncestor(Window(), GA_ROOT); }

}  // namespace qvs
