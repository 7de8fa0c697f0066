// Where the core's notifications land in the panel's pages, on the UI
// thread (PanelNotifications brings them there). A notification for a
// channel or queue the panel does not show changes nothing.
#pragma once
#include "panel/list_manager.h"
#include "panel/pages/file_lists_page.h"
#include "panel/pages/queues_page.h"
#include "panel/panel_state.h"
#include "ports/panel_port.h"

namespace qvs {

class PanelViews final : public NullPanel {
public:
    PanelViews(PanelState& ui, QueuesPage& queues, FileListsPage& fileLists, FileListManager& lists)
        : ui_(ui), queues_(queues), fileLists_(fileLists), lists_(lists) {}
    void AddInstanceTab(ServedChannel* channel) override;
    void RemoveInstanceTab(ServedChannel* channel) override;
    void ShowListColumn(const FileList* list, ListColumn column, const char* text) override;
    void RefreshListViews() override;

private:
    bool Shown(const ServedChannel* channel) const { return channel && channel->Config == ui_.CurrentChannel; }

    PanelState& ui_;
    QueuesPage& queues_;
    FileListsPage& fileLists_;
    FileListManager& lists_;
};

}  // namespace qvs
