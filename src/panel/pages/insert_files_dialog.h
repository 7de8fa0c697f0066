// "Insert files to queue" of a regular queue view: the operator pairs nicks
// of the channel with files of his choosing; "OK" queues them.
#pragma once
#include <string>
#include <vector>

#include "panel/framework/dialog_base.h"
#include "panel/framework/list_view_table.h"
#include "requests/queue_insert.h"

namespace qvs {

class InsertFilesDialog final : public DialogBase {
public:
    InsertFilesDialog();
    // The rows chosen with "OK"; false when cancelled or already open.
    bool Ask(HINSTANCE instance, HWND owner, std::vector<std::string> nicks, std::vector<InsertRow>& rows);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void AddFiles();
    void DeleteSelected();
    void AddRow(const std::string& nick, const std::string& path);

    std::vector<std::string> nicks_;
    std::vector<InsertRow> rows_;  // one per row of the list, in its order
    ListViewTable table_;
};

}  // namespace qvs
