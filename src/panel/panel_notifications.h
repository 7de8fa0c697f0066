// PanelPort of the control panel. Message boxes are shown here; everything
// else goes to the panel's views (PanelState::Views) while the panel exists.
// Calls from a worker thread are posted to the UI thread and run there: the
// worker never touches a window and never waits. A box asked for by a worker
// is shown by the UI thread later; the worker goes on at once with the
// answer of a box not shown (OK, or No for a question, so that nothing is
// deleted on a question the operator has not answered).
#pragma once
#include <atomic>

#include "panel/framework/message_boxes.h"
#include "panel/framework/panel_state.h"
#include "ports/panel_port.h"
#include "win32/windows_api.h"

namespace qvs {

class PanelNotifications final : public PanelPort {
public:
    PanelNotifications(const std::atomic<HWND>& panel, PanelState& ui) : panel_(panel), ui_(ui) {}
    // Error, question (Yes/No) or information box, owned by the panel when
    // there is one, captioned with the application name. While the same box
    // is open it is not shown again (a question then answers No).
    int ShowMessage(const char* text, uint32_t icon) override;
    ChannelConfig* SelectedChannel() override { return ui_.CurrentChannel; }
    void AddInstanceTab(ServedChannel* channel) override;
    void RemoveInstanceTab(ServedChannel* channel) override;
    void RefreshQueueCounters(QueueKind kind, ChannelConfig* config, ServedChannel* channel) override;
    void QueueRowAdded(QueueKind kind, QueueEntry* entry) override;
    void QueueRowChanged(QueueKind kind, QueueEntry* entry) override;
    void QueueRowRemoved(QueueKind kind, QueueEntry* entry) override;
    void RefillQueueRows(QueueKind kind, ChannelConfig* config, ServedChannel* channel) override;
    void RefreshWaitColumns() override;
    void ShowAllocatedMemory(const char* text) override;
    void RefreshChannelStatistics(ChannelConfig* config) override;
    void ShowGlobalSendSpeed(uint32_t cps) override;
    void ShowPendingCommands(uint32_t count) override;
    // The list is only compared with the rows' records, never read: a list
    // deleted before a posted call runs finds no row.
    void ShowListColumn(const FileList* list, ListColumn column, const char* text) override;
    void RefreshListViews() override;

private:
    int ShowBox(const std::string& text, uint32_t icon);
    // Runs view on the panel's views on the UI thread, now or posted.
    template <class Call>
    void ToViews(Call view);

    const std::atomic<HWND>& panel_;
    PanelState& ui_;
    MessageBoxes boxes_;
};

}  // namespace qvs
