// The FileList Manager: every FileList in a list view, and the folders,
// options, schedule and excluded file types of the current one (the
// selected row). Made hidden with the panel; "Close" hides it again and
// the channel's FileLists page shows what changed.
#pragma once
#include <functional>

#include "model/module_state.h"
#include "panel/file_extension_dialog.h"
#include "panel/framework/control_bindings.h"
#include "panel/framework/list_view_table.h"
#include "panel/list_header_dialog.h"
#include "panel/pages/list_properties_dialog.h"
#include "panel/managers/manager_window.h"
#include "panel/pages/verify_list_dialog.h"
#include "ports/panel_port.h"

namespace qvs {

class FileListManager final : public ManagerWindow {
public:
    // hidden runs each time the operator closes the window.
    FileListManager(ModuleState& state, std::function<void()> hidden);
    // The rows show the lists' current values again (lists may have come
    // or gone meanwhile).
    void Refresh();
    void ShowColumn(const FileList* list, ListColumn column, const char* text);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(const NMHDR& notice) override;
    bool OnListCommand(int id);
    bool OnDetailCommand(int id, int code);

    void MakeCurrent(FileList* list);
    void SelectRow(int row);
    void ShowDetails();
    void ShowFolders(const NameNode* selected);
    void ShowExtensions();

    void AddList();
    void RemoveList();
    void EditProperties();
    void EditHeader();
    void GenerateAll();
    void AddFolder();
    void RemoveFolder();
    void MoveFolder(bool up);
    void AddExtensions();
    void RemoveExtensions();
    void ScheduleChanged();
    void MinutesChanged();
    NameNode* SelectedFolder() const;

    ModuleState& state_;
    std::function<void()> hidden_;
    ListViewTable rows_;
    ControlBindings<FileList> options_;
    FileList* current_ = nullptr;
    int filling_ = 0;
    ListPropertiesDialog properties_;
    ListHeaderDialog header_;
    FileExtensionDialog extension_;
    VerifyListDialog verify_;
};

}  // namespace qvs
