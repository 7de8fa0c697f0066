// The FileList rows that the list manager and every channel's FileLists
// page show: the same seven columns, each row carrying its FileList.
#pragma once
#include "panel/framework/list_view_table.h"
#include "model/module_state.h"
#include "ports/panel_port.h"

namespace qvs {

void AttachFileListColumns(ListViewTable& table, HWND view);
// A row for the list at the end of the view, filled; its index.
int AppendFileListRow(ListViewTable& table, const FileList& list);
void ShowFileListRow(ListViewTable& table, int row, const FileList& list);
// A generation's result in the list's row, when the view has one.
void ShowFileListColumn(ListViewTable& table, const FileList* list, ListColumn column, const char* text);
// The FileList of the first selected row, or null.
FileList* SelectedFileList(const ListViewTable& table);
// A row's notification that it has just been selected.
bool RowSelectionGained(const NMHDR& notice);
// The list's current .txt file, opened with the shell (nothing before the
// first generation).
void OpenListFile(HWND owner, const ModuleState& state, const FileList* list);

}  // namespace qvs
