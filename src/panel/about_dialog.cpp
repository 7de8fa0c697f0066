#include "panel/about_dialog.h"

#include "model/module_state.h"
#include "panel/about_dialog_resource.h"

namespace qvs {
namespace {

INT_PTR HandleAboutMessage(HWND dialog, UINT message, WPARAM first) {
    switch (message) {
        case WM_INITDIALOG: SetDlgItemTextA(dialog, IDC_ABOUT_NAME, kAppName); return TRUE;
        case WM_COMMAND:
            if (LOWORD(first) == IDOK || LOWORD(first) == IDCANCEL) EndDialog(dialog, LOWORD(first));
            return TRUE;
        default: return FALSE;
    }
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM first, LPARAM) {
    try {
        return HandleAboutMessage(dialog, message, first);
    } catch (...) {
        return FALSE;
    }
}

}  // namespace

void ShowAboutDialog(HINSTANCE instance, HWND owner) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutProc, 0);
}

}  // namespace qvs
