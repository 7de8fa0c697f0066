// A report list view whose rows are records: columns from a table, each
// row's record as its item data, rows found by their record.
#pragma once
#include "win32/windows_api.h"

#include <commctrl.h>

#include <vector>

namespace qvs {

struct ListColumnSpec {
    const char* Title;
    int Width;
    int Align;  // LVCFMT_LEFT or LVCFMT_RIGHT
};

class ListViewTable {
public:
    // Takes over a list view of the dialog: full-row selection, the columns.
    template <int N>
    void Attach(HWND view, const ListColumnSpec (&columns)[N]) {
        Attach(view, columns, N);
    }
    void Attach(HWND view, const ListColumnSpec* columns, int count);
    HWND View() const { return view_; }
    // The list view is gone: every call asks nothing of any window.
    void Detach() { view_ = nullptr; }

    // A row for record at index (past the end: appended); its index.
    int Insert(int index, const void* record);
    int Append(const void* record) { return Insert(RowCount(), record); }
    void SetCell(int row, int column, const char* text);
    void Remove(int row);
    void Clear();
    int RowCount() const;
    // The row of a record, or -1.
    int Find(const void* record) const;
    void* RecordAt(int row) const;
    template <class Record>
    Record* At(int row) const {
        return static_cast<Record*>(RecordAt(row));
    }
    std::vector<int> SelectedRows() const;
    void Select(int row, bool selected);
    // Moves a row with its cells, record and selection so that it ends at
    // index to.
    void MoveRow(int from, int to);

private:
    HWND view_ = nullptr;
    int columns_ = 0;
};

}  // namespace qvs
