// The "Statistics" page of the main tabs: the counters of the selected
// channel with its top list, and the module's send speed, pending commands,
// command log, debug module and memory display.
#pragma once
#include "panel/pages/combined_statistics_window.h"
#include "panel/framework/channel_page.h"
#include "panel/pages/top_list_window.h"
#include "win32/debug_module.h"

namespace qvs {

class StatisticsPage final : public ChannelPage {
public:
    StatisticsPage(ModuleState& state, const DebugModule& debug);
    // The four counters, when config is the channel shown.
    void RefreshCounters(const ChannelConfig* config);
    void ShowSendSpeed(uint32_t cps);
    void ShowPendingCommands(uint32_t count);
    // Kilobytes, or "n/a" (which also stops the minute checks).
    void ShowAllocatedMemory(const char* text);

private:
    bool OnPageInit() override;
    void OnFill(ChannelConfig& config) override;
    void OnClear() override;
    bool OnPageCommand(int id, int code) override;
    bool OnModuleSwitch(int id);
    bool OnButton(int id);
    void ShowCounters(const ChannelStatisticsTexts& texts);
    void ShowChannel(const ChannelStatisticsTexts& texts, bool shown);
    void ShowDebugWindow();
    HWND Panel() const;

    const DebugModule& debug_;
    TopListWindow topList_;
    CombinedStatisticsWindow combined_;
};

}  // namespace qvs
