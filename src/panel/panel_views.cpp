#include "panel/panel_views.h"

namespace qvs {

void PanelViews::AddInstanceTab(ServedChannel* channel) {
    if (Shown(channel)) queues_.AddChannelTab(channel);
}

// The tab goes whatever the channel shown: the record is on its way out.
void PanelViews::RemoveInstanceTab(ServedChannel* channel) { queues_.RemoveChannelTab(channel); }

void PanelViews::RefreshQueueCounters(QueueKind kind, ChannelConfig*, ServedChannel*) {
    queues_.ForEachQueueView([kind](QueueView& view) { view.CountsChanged(kind); });
}

void PanelViews::QueueRowAdded(QueueKind kind, QueueEntry* entry) {
    queues_.ForEachQueueView([=](QueueView& view) { view.RowAdded(kind, entry); });
}

void PanelViews::QueueRowChanged(QueueKind kind, QueueEntry* entry) {
    queues_.ForEachQueueView([=](QueueView& view) { view.RowChanged(kind, entry); });
}

void PanelViews::QueueRowRemoved(QueueKind kind, QueueEntry* entry) {
    queues_.ForEachQueueView([=](QueueView& view) { view.RowRemoved(kind, entry); });
}

void PanelViews::RefillQueueRows(QueueKind kind, ChannelConfig*, ServedChannel*) {
    queues_.ForEachQueueView([kind](QueueView& view) { view.RowsReordered(kind); });
}

void PanelViews::RefreshWaitColumns() {
    queues_.ForEachQueueView([](QueueView& view) { view.MinutePassed(); });
}

// A list deleted meanwhile has no row any more: the column goes nowhere.
void PanelViews::ShowListColumn(const FileList* list, ListColumn column, const char* text) {
    lists_.ShowColumn(list, column, text);
    fileLists_.ShowColumn(list, column, text);
}

void PanelViews::RefreshListViews() {
    lists_.Refresh();
    fileLists_.Refill();
}

}  // namespace qvs
