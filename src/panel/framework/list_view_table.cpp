#include "panel/framework/list_view_table.h"

#include <algorithm>
#include <string>

namespace qvs {
namespace {

constexpr int kCellRoom = 1024;  // a cell shows no more than this
// The header's margins either side of a title, beyond the text itself.
constexpr int kTitleMargins = 16;

// At least the width asked for, and wide enough that the title is read
// whole in the font the system gives; a column of width 0 stays hidden.
int ColumnWidth(HWND view, const ListColumnSpec& spec) {
    if (spec.Width <= 0 || !*spec.Title) return spec.Width;
    int title = static_cast<int>(SendMessageA(view, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(spec.Title)));
    return std::max(spec.Width, title + kTitleMargins);
}

std::string CellText(HWND view, int row, int column) {
    char text[kCellRoom] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = kCellRoom;
    SendMessageA(view, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

}  // namespace

void ListViewTable::Attach(HWND view, const ListColumnSpec* columns, int count) {
    view_ = view;
    columns_ = count;
    SendMessageA(view_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int i = 0; i < count; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = columns[i].Align;
        column.cx = ColumnWidth(view_, columns[i]);
        column.pszText = const_cast<char*>(columns[i].Title);
        SendMessageA(view_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

int ListViewTable::Insert(int index, const void* record) {
    LVITEMA item{};
    item.mask = LVIF_PARAM | LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>("");
    item.lParam = reinterpret_cast<LPARAM>(record);
    return static_cast<int>(SendMessageA(view_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListViewTable::SetCell(int row, int column, const char* text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text);
    SendMessageA(view_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

void ListViewTable::Remove(int row) { SendMessageA(view_, LVM_DELETEITEM, row, 0); }

void ListViewTable::Clear() { SendMessageA(view_, LVM_DELETEALLITEMS, 0, 0); }

int ListViewTable::RowCount() const { return static_cast<int>(SendMessageA(view_, LVM_GETITEMCOUNT, 0, 0)); }

int ListViewTable::Find(const void* record) const {
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = reinterpret_cast<LPARAM>(record);
    return static_cast<int>(SendMessageA(view_, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

void* ListViewTable::RecordAt(int row) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageA(view_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<void*>(item.lParam);
}

std::vector<int> ListViewTable::SelectedRows() const {
    std::vector<int> rows;
    // Rows only ever come later: a view that is gone answers 0 to every
    // question, and must end the walk rather than repeat row 0 for ever.
    for (int row = -1, next; (next = static_cast<int>(SendMessageA(view_, LVM_GETNEXTITEM, row, LVNI_SELECTED))) > row;)
        rows.push_back(row = next);
    return rows;
}

void ListViewTable::Select(int row, bool selected) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = selected ? LVIS_SELECTED : 0;
    SendMessageA(view_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void ListViewTable::MoveRow(int from, int to) {
    int count = RowCount();
    if (from < 0 || from >= count || to < 0 || to >= count || from == to) return;
    std::vector<std::string> cells;
    for (int column = 0; column < columns_; ++column) cells.push_back(CellText(view_, from, column));
    bool selected = SendMessageA(view_, LVM_GETITEMSTATE, from, LVIS_SELECTED) & LVIS_SELECTED;
    void* record = RecordAt(from);
    Remove(from);
    int row = Insert(to, record);
    for (int column = 0; column < columns_; ++column) SetCell(row, column, cells[static_cast<std::size_t>(column)].c_str());
    Select(row, selected);
}

}  // namespace qvs
