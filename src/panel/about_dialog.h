// The modal About dialog of the panel's system menu.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class AboutDialog final : public DialogBase {
public:
    AboutDialog();

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
};

}  // namespace qvs
