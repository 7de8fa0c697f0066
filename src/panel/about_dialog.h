// The modal About dialog of the panel's system menu: the product's name
// and what it is.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class AboutDialog final : public DialogBase {
public:
    AboutDialog();

private:
    bool OnCommand(int id, int code) override;
};

}  // namespace qvs
