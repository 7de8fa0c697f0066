// Verify List: the listed files whose names cannot be asked for, with
// "AutoRename" (renames them and closes) and "Save to File" (the report,
// opened for the operator; the dialog stays).
#pragma once
#include <vector>

#include "lists/verify_list.h"
#include "panel/framework/dialog_base.h"
#include "panel/framework/list_view_table.h"

namespace qvs {

class VerifyListDialog final : public DialogBase {
public:
    VerifyListDialog();
    // Scans the list; the dialog comes only when there is something to show.
    void Run(ModuleState& state, HINSTANCE instance, HWND owner, const FileList* list);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void SaveReport();

    ModuleState* state_ = nullptr;
    const FileList* list_ = nullptr;
    std::vector<InvalidEntry> entries_;
    ListViewTable view_;
};

// The shell's "open" action on a file, as the operator's double click would.
void OpenWithShell(HWND owner, const std::string& path);

}  // namespace qvs
