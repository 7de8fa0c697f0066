#include "panel/list_manager.h"

#include <cstdio>

#include "lists/list_folders.h"
#include "lists/list_removal.h"
#include "lists/regeneration.h"
#include "panel/pages/file_list_rows.h"
#include "panel/folder_browser.h"
#include "panel/framework/control_io.h"
#include "panel/framework/fill_guard.h"
#include "panel/list_manager_resource.h"

namespace qvs {
namespace {

constexpr Binding<FileList> kOptions[] = {
    {IDC_LM_SIZES, ControlKind::Check, &FileList::IncludeFileSize},
    {IDC_LM_FOLDER_NAMES, ControlKind::Check, &FileList::IncludeFolderName},
    {IDC_LM_ZIPPED, ControlKind::Check, &FileList::Zipped},
    {IDC_LM_AUTO_GENERATE, ControlKind::Check, &FileList::AutoGen},
    {IDC_LM_NOTIFY, ControlKind::Check, &FileList::NotifyAfterUpdated},
    {IDC_LM_USE_FILTER, ControlKind::Check, &FileList::UseFilter},
};

// "-" takes at most this many extensions at once.
constexpr int kExtensionsRemovedAtOnce = 100;

// The list manager asks for results: a box at the end of each generation.
constexpr uint32_t kShowResult = 1;

void FillNames(HWND box, const List<NameNode>& names) {
    SendMessageA(box, LB_RESETCONTENT, 0, 0);
    for (NameNode* node = names.Head; node; node = node->Next) {
        LRESULT item = SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(node->Value.c_str()));
        if (item >= 0) SendMessageA(box, LB_SETITEMDATA, item, reinterpret_cast<LPARAM>(node));
    }
}

NameNode* NameAt(HWND box, LRESULT item) {
    if (item < 0) return nullptr;
    return reinterpret_cast<NameNode*>(SendMessageA(box, LB_GETITEMDATA, item, 0));
}

int ItemOf(HWND box, const NameNode* node) {
    int count = static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0));
    for (int item = 0; item < count; ++item)
        if (NameAt(box, item) == node) return item;
    return -1;
}

std::string DeleteQuestion(const FileList& list) {
    return "Are you sure you want to delete '" + std::string(list.ListName.c_str()) + "' ?";
}

}  // namespace

FileListManager::FileListManager(ModuleState& state, std::function<void()> hidden)
    : ManagerWindow(IDD_LIST_MANAGER), state_(state), hidden_(std::move(hidden)), options_(kOptions) {}

bool FileListManager::OnInit() {
    AttachFileListColumns(rows_, Item(IDC_LM_LISTS));
    SendMessageA(Item(IDC_LM_MINUTES), EM_SETLIMITTEXT, 10, 0);
    Refresh();
    return false;
}

void FileListManager::Refresh() {
    FileList* keep = current_;
    current_ = nullptr;
    {
        FillGuard guard(filling_);
        rows_.Clear();
        for (FileList* list = state_.FileLists.Head; list; list = list->Next) AppendFileListRow(rows_, *list);
    }
    int row = rows_.Find(keep);
    if (row < 0 && keep) row = rows_.RowCount() - 1;
    SelectRow(row);
}

void FileListManager::ShowColumn(const FileList* list, ListColumn column, const char* text) {
    ShowFileListColumn(rows_, list, column, text);
}

// A row selected by the program makes its list current as a click does;
// none clears the details.
void FileListManager::SelectRow(int row) {
    if (row < 0) return MakeCurrent(nullptr);
    rows_.Select(row, true);
    ListView_EnsureVisible(rows_.View(), row, FALSE);
    MakeCurrent(rows_.At<FileList>(row));
}

void FileListManager::MakeCurrent(FileList* list) {
    if (list == current_ && list) return;
    current_ = list;
    ShowDetails();
}

void FileListManager::ShowDetails() {
    FillGuard guard(filling_);
    options_.Show(Window(), current_);
    SetTicked(Window(), IDC_LM_SCHEDULE, current_ && current_->EnableSchedule == 1);
    SetControlText(Window(), IDC_LM_MINUTES, current_ ? std::to_string(current_->ScheduleInterval) : "");
    ShowFolders(current_ ? current_->CreationFolder.Head : nullptr);
    ShowExtensions();
}

void FileListManager::ShowFolders(const NameNode* selected) {
    HWND box = Item(IDC_LM_FOLDERS);
    FillNames(box, current_ ? current_->CreationFolder : List<NameNode>());
    SendMessageA(box, LB_SETCURSEL, ItemOf(box, selected), 0);
}

void FileListManager::ShowExtensions() {
    FillNames(Item(IDC_LM_EXTENSIONS), current_ ? current_->ExtensionFilter : List<NameNode>());
}

bool FileListManager::OnNotify(const NMHDR& notice) {
    if (notice.idFrom != IDC_LM_LISTS || filling_ || !RowSelectionGained(notice)) return false;
    MakeCurrent(rows_.At<FileList>(reinterpret_cast<const NMLISTVIEW&>(notice).iItem));
    return true;
}

bool FileListManager::OnCommand(int id, int code) {
    if (ManagerWindow::OnCommand(id, code)) {
        if (hidden_) hidden_();
        return true;
    }
    if (code == BN_CLICKED && OnListCommand(id)) return true;
    return current_ && OnDetailCommand(id, code);
}

bool FileListManager::OnListCommand(int id) {
    switch (id) {
        case IDC_LM_ADD_LIST: AddList(); return true;
        case IDC_LM_GENERATE_ALL: GenerateAll(); return true;
        default: break;
    }
    if (!current_) return false;
    switch (id) {
        case IDC_LM_REMOVE_LIST: RemoveList(); return true;
        case IDC_LM_PROPERTIES: EditProperties(); return true;
        case IDC_LM_EDIT_HEADER: EditHeader(); return true;
        case IDC_LM_VIEW_LIST: OpenListFile(Window(), state_, current_); return true;
        case IDC_LM_GENERATE: RegenerateList(state_, current_, kShowResult, 0, 0); return true;
        case IDC_LM_VERIFY: verify_.Run(state_, Instance(), Window(), current_); return true;
        default: return false;
    }
}

bool FileListManager::OnDetailCommand(int id, int code) {
    if (options_.Store(Window(), filling_ ? nullptr : current_, id, code)) return true;
    if (filling_) return false;
    if (id == IDC_LM_MINUTES && code == EN_CHANGE) MinutesChanged();
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_LM_SCHEDULE: ScheduleChanged(); return true;
        case IDC_LM_ADD_FOLDER: AddFolder(); return true;
        case IDC_LM_REMOVE_FOLDER: RemoveFolder(); return true;
        case IDC_LM_FOLDER_UP: MoveFolder(true); return true;
        case IDC_LM_FOLDER_DOWN: MoveFolder(false); return true;
        case IDC_LM_ADD_EXTENSION: AddExtensions(); return true;
        case IDC_LM_REMOVE_EXTENSION: RemoveExtensions(); return true;
        default: return false;
    }
}

void FileListManager::AddList() {
    ListProperties fields;
    auto check = [this](const ListProperties& typed) { return CheckNewList(state_, typed); };
    if (!properties_.Ask(Instance(), Window(), "New List Properties", fields, check)) return;
    FileList* list = CreateFileList(state_, fields);
    if (!list) return;
    int row = AppendFileListRow(rows_, *list);
    for (int selected : rows_.SelectedRows()) rows_.Select(selected, false);
    SelectRow(row);
}

void FileListManager::RemoveList() {
    if (MessageBoxA(Window(), DeleteQuestion(*current_).c_str(), kAppName, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    FileList* list = current_;
    current_ = nullptr;
    {
        FillGuard guard(filling_);
        rows_.Remove(rows_.Find(list));
    }
    RemoveFileList(state_, list);
    SelectRow(rows_.RowCount() - 1);
}

void FileListManager::EditProperties() {
    ListProperties fields{current_->ListName.c_str(), current_->Description.c_str(), current_->ListTrigger.c_str(),
                          current_->FileTrigger.c_str()};
    FileList* list = current_;
    auto check = [this, list](const ListProperties& typed) { return CheckModifiedList(state_, list, typed); };
    if (!properties_.Ask(Instance(), Window(), "Modifying List Properties", fields, check)) return;
    if (!ModifyFileList(list, fields)) return;
    int row = rows_.Find(list);
    ShowFileListRow(rows_, row, *list);
    // The list file keeps its old contents until the next generation.
    for (ListColumn column : {ListColumn::FilesInList, ListColumn::SizeOfFiles, ListColumn::DateCreated})
        ShowFileListColumn(rows_, list, column, "");
}

void FileListManager::EditHeader() {
    std::string header = current_->ListHeader.c_str();
    if (header_.Ask(Instance(), Window(), header)) current_->ListHeader.Set(header.c_str());
}

void FileListManager::GenerateAll() {
    for (int row = 0; row < rows_.RowCount(); ++row) RegenerateList(state_, rows_.At<FileList>(row), kShowResult, 0, 0);
}

NameNode* FileListManager::SelectedFolder() const {
    HWND box = Item(IDC_LM_FOLDERS);
    return NameAt(box, SendMessageA(box, LB_GETCURSEL, 0, 0));
}

void FileListManager::AddFolder() {
    std::string path;
    if (!BrowseForFolder(Window(), path)) return;
    if (NameNode* added = AddListFolder(current_, path.c_str())) ShowFolders(added);
}

void FileListManager::RemoveFolder() {
    NameNode* folder = SelectedFolder();
    if (folder) ShowFolders(RemoveListFolder(current_, folder));
}

void FileListManager::MoveFolder(bool up) {
    NameNode* folder = SelectedFolder();
    if (!folder) return;
    if (up ? current_->CreationFolder.MoveTowardHead(folder) : current_->CreationFolder.MoveTowardTail(folder))
        ShowFolders(folder);
}

void FileListManager::AddExtensions() {
    extension_.Run(Instance(), Window(), [this](const std::string& text) {
        if (AddListExtension(current_, text.c_str())) ShowExtensions();
    });
}

void FileListManager::RemoveExtensions() {
    HWND box = Item(IDC_LM_EXTENSIONS);
    int items[kExtensionsRemovedAtOnce] = {};
    LRESULT count = SendMessageA(box, LB_GETSELITEMS, kExtensionsRemovedAtOnce, reinterpret_cast<LPARAM>(items));
    for (LRESULT i = 0; i < count; ++i)
        if (NameNode* extension = NameAt(box, items[i])) RemoveListExtension(current_, extension);
    if (count > 0) ShowExtensions();
}

void FileListManager::ScheduleChanged() { SetListSchedule(current_, IsTicked(Window(), IDC_LM_SCHEDULE) ? 1 : 0); }

void FileListManager::MinutesChanged() {
    current_->ScheduleInterval = ScheduleIntervalFromField(ControlText(Window(), IDC_LM_MINUTES).c_str());
}

}  // namespace qvs
