// "Select Network/Channel": the operator picks one of the served channels
// ("network : #channel") that a moved entry goes to.
#pragma once
#include <string>
#include <vector>

#include "panel/framework/dialog_base.h"

namespace qvs {

class SelectChannelDialog final : public DialogBase {
public:
    SelectChannelDialog();
    // The index of the chosen label; -1 when cancelled, nothing was chosen
    // or the box is already open.
    int Choose(HINSTANCE instance, HWND owner, const std::vector<std::string>& labels);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;

    std::vector<std::string> labels_;
    int chosen_ = -1;
};

}  // namespace qvs
