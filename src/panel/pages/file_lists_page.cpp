#include "panel/pages/file_lists_page.h"

#include "lists/list_binding.h"
#include "lists/regeneration.h"
#include "model/channel_config.h"
#include "panel/pages/file_list_rows.h"
#include "panel/framework/control_io.h"
#include "panel/pages/list_properties_dialog.h"
#include "panel/pages/file_lists_page_resource.h"

namespace qvs {
namespace {

// The page asks for results: a box at the end of each generation.
constexpr uint32_t kShowResult = 1;

}  // namespace

FileListsPage::FileListsPage(ModuleState& state) : ChannelPage(IDD_PAGE_FILELISTS, state) {}

bool FileListsPage::OnPageInit() {
    AttachFileListColumns(rows_, Item(IDC_FL_CURRENT));
    return false;
}

void FileListsPage::Refill() {
    if (ChannelConfig* config = Shown()) Fill(*config);
}

void FileListsPage::ShowColumn(const FileList* list, ListColumn column, const char* text) {
    ShowFileListColumn(rows_, list, column, text);
}

void FileListsPage::OnFill(ChannelConfig& config) {
    OnClear();
    for (ListSelection* selection = config.FileListLinks.Head; selection; selection = selection->Next)
        AppendFileListRow(rows_, *selection->List);
    for (FileList* list = State().FileLists.Head; list; list = list->Next)
        if (!SelectionOf(list)) AddAvailable(*list);
}

void FileListsPage::OnClear() {
    rows_.Clear();
    SendMessageA(Item(IDC_FL_AVAILABLE), LB_RESETCONTENT, 0, 0);
    ShowAccess();
}

void FileListsPage::AddAvailable(const FileList& list) {
    HWND box = Item(IDC_FL_AVAILABLE);
    LRESULT item = SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list.ListName.c_str()));
    if (item >= 0) SendMessageA(box, LB_SETITEMDATA, item, reinterpret_cast<LPARAM>(&list));
}

FileList* FileListsPage::SelectedAvailable() const {
    HWND box = Item(IDC_FL_AVAILABLE);
    LRESULT item = SendMessageA(box, LB_GETCURSEL, 0, 0);
    return item < 0 ? nullptr : reinterpret_cast<FileList*>(SendMessageA(box, LB_GETITEMDATA, item, 0));
}

ListSelection* FileListsPage::SelectionOf(const FileList* list) const {
    if (!Shown() || !list) return nullptr;
    for (ListSelection* selection = Shown()->FileListLinks.Head; selection; selection = selection->Next)
        if (selection->List == list) return selection;
    return nullptr;
}

void FileListsPage::ShowAccess() {
    ListSelection* selection = SelectionOf(SelectedFileList(rows_));
    uint32_t mode = selection ? selection->AccessMode : 0;
    SetTicked(Window(), IDC_FL_CHANNEL_WINDOW, (mode & kChannelWindowOnly) != 0);
    SetTicked(Window(), IDC_FL_PRIVATE_MESSAGE, (mode & kQueryWindowOnly) != 0);
}

void FileListsPage::StoreAccess() {
    ListSelection* selection = SelectionOf(SelectedFileList(rows_));
    if (!selection) return ShowAccess();
    uint32_t mode = 0;
    if (IsTicked(Window(), IDC_FL_CHANNEL_WINDOW)) mode |= kChannelWindowOnly;
    if (IsTicked(Window(), IDC_FL_PRIVATE_MESSAGE)) mode |= kQueryWindowOnly;
    selection->AccessMode = mode;
}

void FileListsPage::Bind() {
    FileList* list = SelectedAvailable();
    if (!list || !Shown()) return;
    std::string refusal = CheckListBinding(Shown(), list);
    if (!refusal.empty()) return ShowRefusal(Window(), refusal.c_str());
    if (!BindFileList(Shown(), list)) return;
    AppendFileListRow(rows_, *list);
    HWND box = Item(IDC_FL_AVAILABLE);
    LRESULT item = SendMessageA(box, LB_GETCURSEL, 0, 0);
    LRESULT left = SendMessageA(box, LB_DELETESTRING, item, 0);
    SendMessageA(box, LB_SETCURSEL, item < left ? item : left - 1, 0);
}

void FileListsPage::Unbind() {
    FileList* list = SelectedFileList(rows_);
    ListSelection* selection = SelectionOf(list);
    if (!selection) return;
    UnselectFileList(*Shown(), selection);
    rows_.Remove(rows_.Find(list));
    AddAvailable(*list);
    HWND box = Item(IDC_FL_AVAILABLE);
    int count = static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0));
    for (int item = 0; item < count; ++item)
        if (reinterpret_cast<FileList*>(SendMessageA(box, LB_GETITEMDATA, item, 0)) == list)
            SendMessageA(box, LB_SETCURSEL, item, 0);
    ShowAccess();
}

void FileListsPage::UpdateSelected() {
    if (FileList* list = SelectedFileList(rows_)) RegenerateList(State(), list, kShowResult, 0, 0);
}

void FileListsPage::UpdateAll() {
    for (int row = 0; row < rows_.RowCount(); ++row) RegenerateList(State(), rows_.At<FileList>(row), kShowResult, 0, 0);
}

bool FileListsPage::OnPageCommand(int id, int code) {
    if (Filling() || !Shown()) return false;
    if (id == IDC_FL_AVAILABLE) {
        if (code == LBN_DBLCLK) Bind();
        return true;
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_FL_BIND: Bind(); return true;
        case IDC_FL_UNBIND: Unbind(); return true;
        case IDC_FL_CHANNEL_WINDOW:
        case IDC_FL_PRIVATE_MESSAGE: StoreAccess(); return true;
        case IDC_FL_UPDATE_SELECTED: UpdateSelected(); return true;
        case IDC_FL_UPDATE_ALL: UpdateAll(); return true;
        default: return false;
    }
}

bool FileListsPage::OnNotify(const NMHDR& notice) {
    if (notice.idFrom != IDC_FL_CURRENT || Filling()) return false;
    if (notice.code == NM_DBLCLK) OpenListFile(Window(), State(), SelectedFileList(rows_));
    if (RowSelectionGained(notice)) ShowAccess();
    return notice.code == NM_DBLCLK || notice.code == LVN_ITEMCHANGED;
}

}  // namespace qvs
