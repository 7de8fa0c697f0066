// A panel that remembers what the core told it.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ports/panel_port.h"

namespace qvs {

class RecordingPanel : public PanelPort {
public:
    int ShowMessage(const char* text, uint32_t icon) override {
        Messages.push_back(text);
        Icons.push_back(icon);
        if (WhileShown) WhileShown();
        return NextAnswer;
    }
    ChannelConfig* SelectedChannel() override { return Selected; }
    void AddInstanceTab(ServedChannel* channel) override { Tabs.push_back(channel); }
    void RemoveInstanceTab(ServedChannel* channel) override {
        for (auto it = Tabs.begin(); it != Tabs.end(); ++it)
            if (*it == channel) {
                Tabs.erase(it);
                return;
            }
    }
    void RefreshQueueCounters(QueueKind, ChannelConfig*, ServedChannel*) override { ++CounterRefreshes; }
    void QueueRowAdded(QueueKind, QueueEntry* entry) override { RowsAdded.push_back(entry); }
    void QueueRowChanged(QueueKind, QueueEntry* entry) override { RowsChanged.push_back(entry); }
    void QueueRowRemoved(QueueKind, QueueEntry* entry) override { RowsRemoved.push_back(entry); }
    void RefillQueueRows(QueueKind kind, ChannelConfig*, ServedChannel*) override { Refills.push_back(kind); }
    void RefreshWaitColumns() override { ++WaitRefreshes; }
    void RefreshChannelStatistics(ChannelConfig* config) override { StatisticsRefreshed.push_back(config); }
    void ShowGlobalSendSpeed(uint32_t cps) override { GlobalSendSpeed = cps; }
    void ShowPendingCommands(uint32_t count) override { PendingCommands = count; }
    void ShowAllocatedMemory(const char* text) override { AllocatedMemory = text; }
    void ShowListColumn(const FileList*, ListColumn column, const char* text) override {
        ListColumns[static_cast<int>(column)] = text;
    }
    void RefreshListViews() override { ++ListViewRefreshes; }

    ChannelConfig* Selected = nullptr;
    int NextAnswer = kAnswerOk;
    // Runs while a box is open, as the box's modal loop handles whatever
    // events and timers come in meanwhile.
    std::function<void()> WhileShown;
    std::vector<std::string> Messages;
    std::vector<uint32_t> Icons;
    std::vector<ServedChannel*> Tabs;
    std::vector<QueueEntry*> RowsAdded, RowsChanged, RowsRemoved;
    int CounterRefreshes = 0;
    std::vector<QueueKind> Refills;
    int WaitRefreshes = 0;
    std::string AllocatedMemory;
    std::vector<ChannelConfig*> StatisticsRefreshed;
    uint32_t GlobalSendSpeed = 0;
    uint32_t PendingCommands = 0;
    std::string ListColumns[3];
    int ListViewRefreshes = 0;
};

}  // namespace qvs
