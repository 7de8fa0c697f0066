// "Edit FileList Header": the header text with the variables a generation
// replaces in it, "Insert" for the chosen one and "Default" for the stock
// header. OK hands back the text; Cancel discards it.
#pragma once
#include <string>

#include "panel/framework/dialog_base.h"

namespace qvs {

class ListHeaderDialog final : public DialogBase {
public:
    ListHeaderDialog();
    bool Ask(HINSTANCE instance, HWND owner, std::string& header);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void InsertVariable();

    std::string header_;
};

}  // namespace qvs
