#include "panel/pages/queue_view.h"

#include <windowsx.h>

#include <algorithm>

#include "panel/framework/control_io.h"
#include "panel/framework/redraw_suspended.h"
#include "panel/pages/queue_view_resource.h"
#include "ports/clock_port.h"

namespace qvs {
namespace {

// "Wait" is wider than 30 pixels, which cut its own title.
const ListColumnSpec kColumns[] = {
    {"", 20, LVCFMT_LEFT},          {"Nick", 80, LVCFMT_LEFT},      {"Filename", 254, LVCFMT_LEFT},
    {"File size", 70, LVCFMT_RIGHT}, {"Wait", 44, LVCFMT_RIGHT},    {"Path", 350, LVCFMT_LEFT},
};
const char* const kTabs[] = {"Queue", "Sends"};

void AddTab(HWND tabs, int index, const char* text) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text);
    SendMessageA(tabs, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void QueueView::Attach(HWND page) {
    page_ = page;
    table_.Attach(GetDlgItem(page, IDC_QUEUE_ROWS), kColumns);
    for (int i = 0; i < 2; ++i) AddTab(GetDlgItem(page, IDC_QUEUE_TABS), i, kTabs[i]);
    Show(nullptr);
}

void QueueView::Show(const ShownQueue* shown) {
    drag_.Cancel();
    showing_ = shown != nullptr;
    if (shown) shown_ = *shown;
    Refill();
}

const List<QueueEntry>* QueueView::Rows() const { return showing_ ? ShownList(state_, shown_, tab_) : nullptr; }

void QueueView::SetCells(int row, const QueueEntry& entry) {
    QueueRowTexts texts = RowTexts(entry, state_.Ports.Clock->UtcNow());
    for (int column = 0; column < kQueueRowCells; ++column) table_.SetCell(row, column, texts[column].c_str());
}

// The rows again in list order; the entries selected before stay selected.
void QueueView::Refill() {
    if (!page_) return;
    std::vector<QueueEntry*> selected = Selection();
    {
        RedrawSuspended quiet(table_.View());
        table_.Clear();
        if (const List<QueueEntry>* rows = Rows())
            for (QueueEntry* entry = rows->Head; entry; entry = entry->Next) SetCells(table_.Append(entry), *entry);
        SelectOnly(selected);
    }
    ShowCounts();
}

void QueueView::ShowCounts() {
    const int counts[] = {IDC_QUEUE_IN_QUEUE, IDC_QUEUE_SENDING, IDC_QUEUE_ON_HOLD};
    Queue* queue = showing_ ? FindShownQueue(state_, shown_) : nullptr;
    if (!queue) {
        for (int id : counts) SetControlText(page_, id, "");
        return;
    }
    SetControlNumber(page_, IDC_QUEUE_IN_QUEUE, queue->Waiting.Count);
    SetControlNumber(page_, IDC_QUEUE_SENDING, queue->Sending.Count);
    SetControlNumber(page_, IDC_QUEUE_ON_HOLD, queue->HeldCount);
}

std::vector<QueueEntry*> QueueView::Selection() const {
    std::vector<QueueEntry*> entries;
    for (int row : table_.SelectedRows()) entries.push_back(table_.At<QueueEntry>(row));
    return entries;
}

void QueueView::SelectOnly(const std::vector<QueueEntry*>& entries) {
    for (int row = 0; row < table_.RowCount(); ++row) {
        QueueEntry* entry = table_.At<QueueEntry>(row);
        table_.Select(row, std::find(entries.begin(), entries.end(), entry) != entries.end());
    }
}

void QueueView::PlaceRow(QueueEntry* entry, int index) {
    int row = table_.Find(entry);
    if (row >= 0) table_.Remove(row);
    SetCells(table_.Insert(index, entry), *entry);
}

void QueueView::RowAdded(QueueKind kind, QueueEntry* entry) {
    if (kind != kind_ || !showing_) return;
    const List<QueueEntry>* rows = Rows();
    int index = rows ? PositionIn(*rows, entry) : -1;
    if (index >= 0) PlaceRow(entry, index);
    ShowCounts();
}

void QueueView::RowChanged(QueueKind kind, QueueEntry* entry) {
    int row = kind == kind_ && showing_ ? table_.Find(entry) : -1;
    if (row >= 0) SetCells(row, *entry);
    if (kind == kind_) ShowCounts();
}

void QueueView::RowRemoved(QueueKind kind, QueueEntry* entry) {
    int row = kind == kind_ && page_ ? table_.Find(entry) : -1;
    if (row >= 0) table_.Remove(row);
}

void QueueView::CountsChanged(QueueKind kind) {
    if (kind == kind_ && page_) ShowCounts();
}

void QueueView::RowsReordered(QueueKind kind) {
    if (kind == kind_) Refill();
}

// The wait and held columns of the waiting rows; rows that no longer follow
// the queue are shown again from it.
void QueueView::MinutePassed() {
    const List<QueueEntry>* rows = tab_ == QueueTab::Waiting ? Rows() : nullptr;
    if (!rows) return;
    int row = 0;
    for (QueueEntry* entry = rows->Head; entry; entry = entry->Next, ++row)
        if (row >= table_.RowCount() || table_.At<QueueEntry>(row) != entry) return Refill();
    if (row != table_.RowCount()) return Refill();
    for (row = 0; row < table_.RowCount(); ++row) SetCells(row, *table_.At<QueueEntry>(row));
}

bool QueueView::OnNotify(const NMHDR& notice) {
    if (notice.idFrom == IDC_QUEUE_TABS && notice.code == TCN_SELCHANGE) {
        int chosen = static_cast<int>(SendMessageA(notice.hwndFrom, TCM_GETCURSEL, 0, 0));
        tab_ = chosen == 1 ? QueueTab::Sending : QueueTab::Waiting;
        Refill();
        return true;
    }
    if (notice.idFrom == IDC_QUEUE_ROWS && notice.code == LVN_BEGINDRAG && insert_ && tab_ == QueueTab::Waiting) {
        drag_.Begin(page_, reinterpret_cast<const NMLISTVIEW&>(notice));
        return true;
    }
    return false;
}

bool QueueView::OnMessage(UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_DESTROY:  // the panel goes; the core may still report queue changes
            drag_.Cancel();
            page_ = nullptr;
            table_.Detach();
            return false;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(first) != table_.View()) return false;
            OpenMenu(second);
            return true;
        case WM_MOUSEMOVE:
            if (!drag_.Active()) return false;
            drag_.Move(POINT{GET_X_LPARAM(second), GET_Y_LPARAM(second)});
            return true;
        case WM_LBUTTONUP:
            if (!drag_.Active()) return false;
            Drop(second);
            return true;
        default: return false;
    }
}

}  // namespace qvs
