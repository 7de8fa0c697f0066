#include "panel/panel_views.h"

namespace qvs {

void PanelViews::AddInstanceTab(ServedChannel* channel) {
    if (Shown(channel)) queues_.AddChannelTab(channel);
}

// The tab goes whatever the channel shown: the record is on its way out.
void PanelViews::RemoveInstanceTab(ServedChannel* channel) { queues_.RemoveChannelTab(channel); }

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
