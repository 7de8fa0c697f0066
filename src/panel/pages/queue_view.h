// The queue view that each of the four queue pages holds: the "Queue" /
// "Sends" tabs, the rows of the chosen list with the entries as their
// records, the three counts, and the popup menus that change the queue. The
// rows follow the core's notifications; a row's record is only compared,
// never followed, until the core has found it in the queue again.
#pragma once
#include "win32/windows_api.h"

#include <functional>
#include <vector>

#include "panel/framework/list_view_drag.h"
#include "panel/framework/list_view_table.h"
#include "panel/pages/select_channel_dialog.h"
#include "panel/framework/panel_state.h"
#include "sending/queue_rows.h"

namespace qvs {

class QueueView {
public:
    QueueView(ModuleState& state, PanelState& ui, QueueKind kind) : state_(state), ui_(ui), kind_(kind) {}

    // Once, when the page is made: takes over its queue-view controls.
    void Attach(HWND page);
    // The queue the view shows from now on; null shows none.
    void Show(const ShownQueue* shown);
    bool Showing() const { return showing_; }
    // A regular page: "Insert" enabled and calling insert, rows dragged.
    void AllowInsertAndDrag(std::function<void()> insert) { insert_ = std::move(insert); }

    // The core's notifications about a queue of the view's kind.
    void RowAdded(QueueKind kind, QueueEntry* entry);
    void RowChanged(QueueKind kind, QueueEntry* entry);
    void RowRemoved(QueueKind kind, QueueEntry* entry);
    void CountsChanged(QueueKind kind);
    void RowsReordered(QueueKind kind);
    void MinutePassed();

    // What the page hands on: true when the message was the view's.
    bool OnNotify(const NMHDR& notice);
    bool OnMessage(UINT message, WPARAM first, LPARAM second);

private:
    HWND Page() const { return page_; }
    const List<QueueEntry>* Rows() const;
    void Refill();
    void ShowCounts();
    void SetCells(int row, const QueueEntry& entry);
    void PlaceRow(QueueEntry* entry, int index);
    std::vector<QueueEntry*> Selection() const;
    void SelectOnly(const std::vector<QueueEntry*>& entries);
    void OpenMenu(LPARAM where);
    void Run(UINT command);
    void RunQueueCommand(UINT command);
    void RunSendCommand(UINT command);
    void MoveToQueue(QueueKind to);
    ServedChannel* ChooseRegularTarget();
    void Drop(LPARAM where);

    ModuleState& state_;
    PanelState& ui_;
    QueueKind kind_;
    HWND page_ = nullptr;
    ListViewTable table_;
    ListViewDrag drag_;
    ShownQueue shown_;
    bool showing_ = false;
    QueueTab tab_ = QueueTab::Waiting;
    std::function<void()> insert_;
    SelectChannelDialog chooser_;
};

}  // namespace qvs
