#include "panel/framework/dialog_base.h"

#include <cstdio>
#include <exception>

namespace qvs {
namespace {

void ToDebugger(const std::string& report) { OutputDebugStringA(report.c_str()); }

FaultLog faultLog = ToDebugger;

void ReportFault(UINT message, const char* what) {
    char report[256];
    std::snprintf(report, sizeof report, "a handler of message 0x%04X failed: %s", message, what);
    faultLog(report);
}

}  // namespace

void SetFaultLog(FaultLog log) { faultLog = log ? log : ToDebugger; }

HWND DialogBase::CreateModeless(HINSTANCE instance, HWND parent) {
    if (IsOpen()) return window_;
    instance_ = instance;
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId_), parent, Proc, CreationParameter());
}

INT_PTR DialogBase::RunModal(HINSTANCE instance, HWND owner) {
    if (IsOpen()) return kDialogNotShown;
    instance_ = instance;
    modal_ = true;
    INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId_), owner, Proc, CreationParameter());
    modal_ = false;
    return result;
}

bool DialogBase::Answer(LRESULT result) {
    SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
    return true;
}

bool DialogBase::Reply(INT_PTR value) {
    reply_ = value;
    replied_ = true;
    return true;
}

INT_PTR DialogBase::Dispatch(UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_INITDIALOG: return OnInit();
        case WM_COMMAND: return OnCommand(LOWORD(first), HIWORD(first));
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(second));
        default: return OnMessage(message, first, second);
    }
}

// A handler may handle further messages (a box's own loop) before it
// replies: each message keeps the reply of its own handler.
INT_PTR DialogBase::Replied(UINT message, WPARAM first, LPARAM second) {
    replied_ = false;
    INT_PTR handled = Dispatch(message, first, second);
    INT_PTR result = replied_ ? reply_ : handled;
    replied_ = false;
    return result;
}

// A message whose handler failed gets the platform's default handling.
INT_PTR DialogBase::Guarded(UINT message, WPARAM first, LPARAM second) {
    try {
        return Replied(message, first, second);
    } catch (const std::exception& failure) {
        ReportFault(message, failure.what());
    } catch (...) {
        ReportFault(message, "an unknown exception");
    }
    return FALSE;
}

// The messages before WM_INITDIALOG (creation, font) need no handler.
INT_PTR CALLBACK DialogBase::Proc(HWND window, UINT message, WPARAM first, LPARAM second) {
    if (message == WM_INITDIALOG && second) {
        SetWindowLongPtrA(window, GWLP_USERDATA, second);
        reinterpret_cast<DialogBase*>(second)->window_ = window;
    }
    auto* dialog = reinterpret_cast<DialogBase*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!dialog) return FALSE;
    INT_PTR result = dialog->Guarded(message, first, second);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        dialog->window_ = nullptr;
    }
    return result;
}

}  // namespace qvs
