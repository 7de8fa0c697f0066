// One dialog of the panel: a template of the module's resources and the
// object that handles its messages. Every dialog runs through the one static
// dialog procedure here: it finds the handler in the window's user data,
// handed in as the creation parameter, and lets no exception out, because
// the platform's frames between a window procedure and the message loop
// cannot be unwound; what a failing handler threw is logged, and the
// message gets the platform's default handling.
#pragma once
#include "win32/windows_api.h"

#include <string>

namespace qvs {

// The platform's own answer for a dialog that could not be made; also the
// answer when the dialog is already open.
constexpr INT_PTR kDialogNotShown = -1;

// Where the guard reports a handler that failed. The module points it at its
// log; by default the report goes to the debugger's output.
using FaultLog = void (*)(const std::string& report);
void SetFaultLog(FaultLog log);

class DialogBase {
public:
    explicit DialogBase(int templateId) : templateId_(templateId) {}
    virtual ~DialogBase() = default;
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    // A modeless dialog, child of or owned by parent. An open one is not
    // made again: its window is the answer. Null when it could not be made.
    HWND CreateModeless(HINSTANCE instance, HWND parent);
    // Runs the dialog in its own modal loop, where events and timers go on
    // being handled. One of them may ask for this dialog again: it is not
    // opened a second time inside the first, the answer is kDialogNotShown.
    INT_PTR RunModal(HINSTANCE instance, HWND owner);
    bool IsOpen() const { return modal_ || window_; }
    HWND Window() const { return window_; }

protected:
    HINSTANCE Instance() const { return instance_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    void End(INT_PTR result) { EndDialog(window_, result); }
    // For the messages whose result the platform reads from the dialog
    // rather than from the procedure's answer (hit tests and the like).
    bool Answer(LRESULT result);
    // For the messages whose result is the procedure's own answer (a brush
    // for WM_CTLCOLOR..., a focus choice): the handler returns Reply(value).
    bool Reply(INT_PTR value);

    // Each returns true when the message was the dialog's own; false leaves
    // it to the platform's default handling. OnInit's true lets the platform
    // put the keyboard focus on the first control.
    virtual bool OnInit() { return false; }
    virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
    virtual bool OnNotify(const NMHDR& /*notice*/) { return false; }
    virtual bool OnMessage(UINT /*message*/, WPARAM /*first*/, LPARAM /*second*/) { return false; }

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM first, LPARAM second);
    INT_PTR Dispatch(UINT message, WPARAM first, LPARAM second);
    INT_PTR Replied(UINT message, WPARAM first, LPARAM second);
    INT_PTR Guarded(UINT message, WPARAM first, LPARAM second);
    LPARAM CreationParameter() { return reinterpret_cast<LPARAM>(this); }

    int templateId_;
    HINSTANCE instance_ = nullptr;
    HWND window_ = nullptr;  // from the first message to the last
    INT_PTR reply_ = 0;      // set by Reply for the message being handled
    bool replied_ = false;
    bool modal_ = false;     // inside RunModal
};

}  // namespace qvs
