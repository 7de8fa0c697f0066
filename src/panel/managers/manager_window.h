// A manager window of the panel (FileList Manager, Advertisement Manager,
// User Manager): a modeless window owned by the panel, made hidden with it
// and shown by its button. Closing it hides it; it lives as long as the
// panel. Each manager's own controls come with its own class.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class ManagerWindow : public DialogBase {
public:
    explicit ManagerWindow(int templateId) : DialogBase(templateId) {}
    // Shows it in front, making it first when it does not exist.
    void Present(HINSTANCE instance, HWND panel);

protected:
    bool OnCommand(int id, int code) override;
};

}  // namespace qvs
