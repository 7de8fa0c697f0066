// What the core tells the control panel, and the few things it asks it.
// Without a panel (before the UI thread exists, or in tests) every call is
// harmless.
#pragma once
#include <cstdint>

#include "model/records.h"

namespace qvs {

enum MessageBoxIcon : uint32_t { kIconError = 0x10, kIconQuestion = 0x20, kIconInformation = 0x40 };
enum MessageBoxAnswer : int { kAnswerOk = 1, kAnswerYes = 6, kAnswerNo = 7 };

// The list manager's columns that a generation fills in.
enum class ListColumn : uint32_t { FilesInList, SizeOfFiles, DateCreated };

class PanelPort {
public:
    virtual ~PanelPort() = default;
    // Caption is always the application name.
    virtual int ShowMessage(const char* text, uint32_t icon) = 0;
    // The channel chosen in the panel's channel combo box, or null.
    virtual ChannelConfig* SelectedChannel() = 0;
    // Queues page: one tab per instance of the selected channel.
    virtual void AddInstanceTab(ServedChannel* channel) = 0;
    virtual void RemoveInstanceTab(ServedChannel* channel) = 0;
    // Queue views: counters and rows of one queue. channel is the ServedChannel
    // for Regular, otherwise null; config is null for the List queue.
    virtual void RefreshQueueCounters(QueueKind kind, ChannelConfig* config, ServedChannel* channel) = 0;
    virtual void QueueRowAdded(QueueKind kind, QueueEntry* entry) = 0;
    virtual void QueueRowChanged(QueueKind kind, QueueEntry* entry) = 0;
    virtual void QueueRowRemoved(QueueKind kind, QueueEntry* entry) = 0;
    // The queue's waiting entries changed wholesale (reordered, cleared): its
    // rows are shown again in queue order, selected rows staying selected.
    virtual void RefillQueueRows(QueueKind kind, ChannelConfig* config, ServedChannel* channel) = 0;
    // A minute passed: the "Wait" column of the shown rows reads one more.
    virtual void RefreshWaitColumns() = 0;
    // Statistics page: the four counters, when config is the channel shown.
    virtual void RefreshChannelStatistics(ChannelConfig* config) = 0;
    // "Global Send Speed" (bytes per second) and the commands waiting in
    // flood control for the shown channel's first connection.
    virtual void ShowGlobalSendSpeed(uint32_t cps) = 0;
    virtual void ShowPendingCommands(uint32_t count) = 0;
    // "Allocated memory:" on the statistics page: kilobytes, or "n/a".
    virtual void ShowAllocatedMemory(const char* text) = 0;
    // List manager: one column of the list's row (found by its item data).
    // May come from a generation thread: the panel applies it when free and
    // never makes that thread wait for the UI thread.
    virtual void ShowListColumn(const FileList* list, ListColumn column, const char* text) = 0;
    // The list views show the lists' current values again.
    virtual void RefreshListViews() = 0;
};

// The panel that is not there.
class NullPanel : public PanelPort {
public:
    int ShowMessage(const char*, uint32_t) override { return kAnswerOk; }
    ChannelConfig* SelectedChannel() override { return nullptr; }
    void AddInstanceTab(ServedChannel*) override {}
    void RemoveInstanceTab(ServedChannel*) override {}
    void RefreshQueueCounters(QueueKind, ChannelConfig*, ServedChannel*) override {}
    void QueueRowAdded(QueueKind, QueueEntry*) override {}
    void QueueRowChanged(QueueKind, QueueEntry*) override {}
    void QueueRowRemoved(QueueKind, QueueEntry*) override {}
    void RefillQueueRows(QueueKind, ChannelConfig*, ServedChannel*) override {}
    void RefreshWaitColumns() override {}
    void RefreshChannelStatistics(ChannelConfig*) override {}
    void ShowGlobalSendSpeed(uint32_t) override {}
    void ShowPendingCommands(uint32_t) override {}
    void ShowAllocatedMemory(const char*) override {}
    void ShowListColumn(const FileList*, ListColumn, const char*) override {}
    void RefreshListViews() override {}
};

}  // namespace qvs
