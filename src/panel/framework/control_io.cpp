#include "panel/framework/control_io.h"

#include "hostlink/field_numbers.h"

namespace qvs {

std::string ControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    int length = control ? GetWindowTextLengthA(control) : 0;
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(control, &text[0], length + 1)));
    return text;
}

void SetControlText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

void SetControlNumber(HWND dialog, int id, uint32_t value) { SetControlText(dialog, id, std::to_string(value)); }

uint32_t ControlNumber(HWND dialog, int id) { return ReadFieldNumber(ControlText(dialog, id).c_str()); }

bool IsTicked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetTicked(HWND dialog, int id, bool ticked) { CheckDlgButton(dialog, id, ticked ? BST_CHECKED : BST_UNCHECKED); }

int DropDownChoice(HWND dialog, int id) {
    LRESULT index = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void SetDropDownChoice(HWND dialog, int id, int index) {
    int count = static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, index < count ? index : -1, 0);
}

void FillDropDown(HWND dialog, int id, const char* const* items, int count) {
    SendDlgItemMessageA(dialog, id, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i) SendDlgItemMessageA(dialog, id, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(items[i]));
}

int RadioChoice(HWND dialog, int first, int count) {
    for (int i = 0; i < count; ++i)
        if (IsTicked(dialog, first + i)) return i;
    return -1;
}

void SetRadioChoice(HWND dialog, int first, int count, int index) {
    for (int i = 0; i < count; ++i) SetTicked(dialog, first + i, i == index);
}

}  // namespace qvs
