#include "panel/framework/prompt_dialog.h"

#include "panel/framework/control_io.h"
#include "panel/framework/prompt_dialog_resource.h"

namespace qvs {

PromptDialog::PromptDialog() : DialogBase(IDD_PROMPT) {}

bool PromptDialog::Ask(HINSTANCE instance, HWND owner, PromptSpec spec, std::string& text) {
    if (IsOpen()) return false;
    spec_ = std::move(spec);
    bool accepted = RunModal(instance, owner) == IDOK;
    if (accepted) text = accepted_;
    spec_ = PromptSpec{};
    return accepted;
}

bool PromptDialog::OnInit() {
    SetWindowTextA(Window(), spec_.Caption);
    SetControlText(Window(), IDC_PROMPT_LABEL, spec_.Label);
    SendDlgItemMessageA(Window(), IDC_PROMPT_TEXT, EM_LIMITTEXT, static_cast<WPARAM>(spec_.MaxLength), 0);
    SetControlText(Window(), IDC_PROMPT_TEXT, spec_.Initial.substr(0, static_cast<std::size_t>(spec_.MaxLength)));
    return true;
}

void PromptDialog::OnOk() {
    std::string text = ControlText(Window(), IDC_PROMPT_TEXT);
    PromptVerdict verdict = spec_.Validate ? spec_.Validate(text) : PromptVerdict::Accept;
    if (verdict == PromptVerdict::StayOpen) {
        SetFocus(Item(IDC_PROMPT_TEXT));
        return;
    }
    accepted_ = text;
    End(verdict == PromptVerdict::Accept ? IDOK : IDCANCEL);
}

bool PromptDialog::OnCommand(int id, int) {
    if (id == IDOK) {
        OnOk();
        return true;
    }
    if (id == IDCANCEL) End(IDCANCEL);
    return id == IDCANCEL;
}

}  // namespace qvs
