#include "panel/pages/top_list_window.h"

#include <string>

#include "panel/pages/top_list_window_resource.h"

namespace qvs {
namespace {

enum TopListColumn { kHiddenColumn, kCountColumn, kNameColumn };

const ListColumnSpec kTopListColumns[] = {
    {"", 0, LVCFMT_LEFT},
    {"Count", 50, LVCFMT_RIGHT},
    {"Filename", 370, LVCFMT_LEFT},
};

}  // namespace

TopListWindow::TopListWindow() : DialogBase(IDD_TOP_LIST) {}

void TopListWindow::Show(HINSTANCE instance, HWND owner, ModuleState& state, const ChannelConfig& config) {
    if (IsOpen()) return;
    entries_ = ReadTopList(state, &config, config.TopListValue);
    RunModal(instance, owner);
    entries_.clear();
}

bool TopListWindow::OnInit() {
    rows_.Attach(Item(IDC_TOP_LIST_VIEW), kTopListColumns);
    for (const TopListEntry& entry : entries_) {
        int row = rows_.Append(&entry);
        rows_.SetCell(row, kCountColumn, std::to_string(static_cast<unsigned long>(entry.Count)).c_str());
        rows_.SetCell(row, kNameColumn, entry.Name.c_str());
    }
    return true;
}

bool TopListWindow::OnCommand(int id, int) {
    if (id == IDOK || id == IDCANCEL) End(id);
    return true;
}

}  // namespace qvs
