#include "panel/pages/file_list_rows.h"

#include "lists/list_row_cells.h"
#include "panel/pages/verify_list_dialog.h"

namespace qvs {
namespace {

constexpr ListColumnSpec kFileListColumns[kListRowCellCount] = {
    {"List Filename", 120, LVCFMT_CENTER}, {"Comment", 120, LVCFMT_LEFT},      {"List Trigger", 70, LVCFMT_LEFT},
    {"File Trigger", 70, LVCFMT_LEFT},     {"Files in List", 70, LVCFMT_RIGHT}, {"Size of Files", 70, LVCFMT_RIGHT},
    {"Date Created", 120, LVCFMT_CENTER},
};

// The view's column of a generation's result.
constexpr int kFilesColumn = 4;

int ColumnOf(ListColumn column) { return kFilesColumn + static_cast<int>(column); }

}  // namespace

void AttachFileListColumns(ListViewTable& table, HWND view) { table.Attach(view, kFileListColumns); }

int AppendFileListRow(ListViewTable& table, const FileList& list) {
    int row = table.Append(&list);
    if (row >= 0) ShowFileListRow(table, row, list);
    return row;
}

void ShowFileListRow(ListViewTable& table, int row, const FileList& list) {
    ListRowCells cells = FileListRowCells(list);
    for (int column = 0; column < kListRowCellCount; ++column) table.SetCell(row, column, cells[column].c_str());
}

void ShowFileListColumn(ListViewTable& table, const FileList* list, ListColumn column, const char* text) {
    int row = table.Find(list);
    if (row >= 0) table.SetCell(row, ColumnOf(column), text);
}

FileList* SelectedFileList(const ListViewTable& table) {
    std::vector<int> rows = table.SelectedRows();
    return rows.empty() ? nullptr : table.At<FileList>(rows.front());
}

bool RowSelectionGained(const NMHDR& notice) {
    if (notice.code != LVN_ITEMCHANGED) return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(notice);
    return (change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
}

void OpenListFile(HWND owner, const ModuleState& state, const FileList* list) {
    if (list && !list->TrueListName.IsNone()) OpenWithShell(owner, state.ConfigFolder + list->TrueListName.c_str() + ".txt");
}

}  // namespace qvs
