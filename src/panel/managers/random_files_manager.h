// The RandomText File Manager: the named text files that random-text
// variables draw a line from.
#pragma once
#include "model/module_state.h"
#include "panel/framework/dialog_base.h"
#include "panel/framework/list_view_table.h"

namespace qvs {

class RandomFilesManager final : public DialogBase {
public:
    explicit RandomFilesManager(ModuleState& state);
    void Run(HINSTANCE instance, HWND owner);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void Browse();
    void Add();
    void Remove();
    void ListFile(RandomTextFile* file);

    ModuleState& state_;
    ListViewTable table_;
};

}  // namespace qvs
