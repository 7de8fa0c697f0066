// Where the core's notifications land in the panel's pages, on the UI
// thread (PanelNotifications brings them there). A notification for a
// channel or queue the panel does not show changes nothing.
#pragma once
#include "panel/list_manager.h"
#include "panel/pages/file_lists_page.h"
#include "panel/pages/queues_page.h"
#include "panel/pages/statistics_page.h"
#include "panel/framework/panel_state.h"
#include "ports/panel_port.h"

namespace qvs {

class PanelViews final : public NullPanel {
public:
    PanelViews(PanelState& ui, QueuesPage& queues, StatisticsPage& statistics, FileListsPage& fileLists,
               FileListManager& lists)
        : ui_(ui), queues_(queues), statistics_(statistics), fileLists_(fileLists), lists_(lists) {}
    void AddInstanceTab(ServedChannel* channel) override;
    void RemoveInstanceTab(ServedChannel* channel) override;
    void RefreshChannelStatistics(ChannelConfig* config) override { statistics_.RefreshCounters(config); }
    void ShowGlobalSendSpeed(uint32_t cps) override { statistics_.ShowSendSpeed(cps); }
    void ShowPendingCommands(uint32_t count) override { statistics_.ShowPendingCommands(count); }
    void ShowAllocatedMemory(const char* text) override { statistics_.ShowAllocatedMemory(text); }
    // Each queue view looks for itself whether it shows the queue.
    void RefreshQueueCounters(QueueKind kind, ChannelConfig* config, ServedChannel* channel) override;
    void QueueRowAdded(QueueKind kind, QueueEntry* entry) override;
    void QueueRowChanged(QueueKind kind, QueueEntry* entry) override;
    void QueueRowRemoved(QueueKind kind, QueueEntry* entry) override;
    void RefillQueueRows(QueueKind kind, ChannelConfig* config, ServedChannel* channel) override;
    void RefreshWaitColumns() override;
    void ShowListColumn(const FileList* list, ListColumn column, const char* text) override;
    void RefreshListViews() override;

private:
    bool Shown(const ServedChannel* channel) const { return channel && channel->Config == ui_.CurrentChannel; }

    PanelState& ui_;
    QueuesPage& queues_;
    StatisticsPage& statistics_;
    FileListsPage& fileLists_;
    FileListManager& lists_;
};

}  // namespace qvs
