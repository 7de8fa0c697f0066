// The panel's dialog framework on the real platform: a handler gets its own
// object as the creation parameter; a handler that throws leaves its dialog
// working; a modal dialog or message box asked for again by an event handled
// inside its own modal loop is not opened a second time, while the events go
// on being handled, and is shown again once it has been closed.
#include <stdexcept>

#include "check_tally.h"
#include "dialog_check_resource.h"
#include "panel/framework/dialog_base.h"
#include "panel/framework/message_boxes.h"

namespace {

constexpr UINT kDialogEvent = WM_APP + 1;  // an event that opens the modal dialog
constexpr UINT kBoxEvent = WM_APP + 2;     // an event that shows the box
constexpr UINT kCloseBox = WM_APP + 3;     // the operator closes the box
constexpr UINT kCloseDialog = WM_APP + 4;  // the operator closes the dialog
constexpr int kEventsMeanwhile = 3;
constexpr int kBoxNotShown = -2;
constexpr UINT kDeadlineMs = 10000;
constexpr char kBoxCaption[] = "box check";
constexpr char kBoxClass[] = "#32770";

// While open, it has the owner handle the events that want it again.
class ModalDialog final : public qvs::DialogBase {
public:
    ModalDialog() : DialogBase(IDD_CHECK_MODAL) {}
    int Opened = 0;

private:
    bool OnInit() override {
        // Only the first asks again, so that a framework that nests still
        // ends its round.
        HWND owner = GetWindow(Window(), GW_OWNER);
        if (++Opened == 1)
            for (int i = 0; i < kEventsMeanwhile; ++i) PostMessageA(owner, kDialogEvent, 0, 0);
        PostMessageA(Window(), kCloseDialog, 0, 0);
        return true;
    }
    bool OnMessage(UINT message, WPARAM, LPARAM) override {
        if (message != kCloseDialog) return false;
        End(IDOK);
        return true;
    }
};

// Stands for the panel: every event asks for the modal dialog or the box.
class EventDialog final : public qvs::DialogBase {
public:
    EventDialog() : DialogBase(IDD_CHECK_EVENTS) {}
    int Counted = 0;
    int Shown = 0;
    int NotShown = 0;
    ModalDialog Modal;

private:
    bool OnCommand(int id, int) override {
        if (id == IDC_CHECK_THROW) throw std::runtime_error("a failing handler");
        ++Counted;
        return true;
    }
    bool OnMessage(UINT message, WPARAM, LPARAM) override {
        switch (message) {
            case kDialogEvent: Count(Modal.RunModal(Instance(), Window()) != qvs::kDialogNotShown); return true;
            case kBoxEvent: Count(boxes_.Show(Window(), kBoxCaption, "one box", MB_OK, kBoxNotShown) != kBoxNotShown); return true;
            case kCloseBox: PostMessageA(FindWindowA(kBoxClass, kBoxCaption), WM_COMMAND, IDOK, 0); return true;
            default: return false;
        }
    }
    // Only the outermost dialog or box is shown; when it is done, so is the
    // round.
    void Count(bool shown) {
        if (!shown) {
            ++NotShown;
            return;
        }
        ++Shown;
        PostQuitMessage(0);
    }

    qvs::MessageBoxes boxes_;
};

void CALLBACK QuitAtDeadline(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(1); }

// Handles messages until a round is done, or for the deadline at most.
void RunRound() {
    UINT_PTR deadline = SetTimer(nullptr, 0, kDeadlineMs, QuitAtDeadline);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    KillTimer(nullptr, deadline);
}

void PostBoxRound(HWND window, int eventsMeanwhile) {
    for (int i = 0; i <= eventsMeanwhile; ++i) PostMessageA(window, kBoxEvent, 0, 0);
    PostMessageA(window, kCloseBox, 0, 0);
}

void CheckGuard(qvs::CheckTally& tally, EventDialog& events, HWND window) {
    tally.Check(window && GetWindowLongPtrA(window, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(&events),
                "the handler arrives as the creation parameter");
    SendMessageA(window, WM_COMMAND, IDC_CHECK_THROW, 0);
    SendMessageA(window, WM_COMMAND, IDC_CHECK_COUNTED, 0);
    tally.Check(IsWindow(window) && events.Counted == 1, "a handler that throws leaves its dialog working");
    tally.Check(events.CreateModeless(GetModuleHandleA(nullptr), nullptr) == window, "an open dialog is not made twice");
}

void CheckModal(qvs::CheckTally& tally, EventDialog& events, HWND window) {
    PostMessageA(window, kDialogEvent, 0, 0);
    RunRound();
    tally.Check(events.Shown == 1 && events.Modal.Opened == 1, "the modal dialog opens once");
    tally.Check(events.NotShown == kEventsMeanwhile, "events inside its loop are handled without a second one");
    tally.Check(!events.Modal.IsOpen(), "the modal dialog is closed after its loop");
}

void CheckBoxes(qvs::CheckTally& tally, EventDialog& events, HWND window) {
    events.Shown = events.NotShown = 0;
    PostBoxRound(window, kEventsMeanwhile);
    RunRound();
    tally.Check(events.Shown == 1 && events.NotShown == kEventsMeanwhile, "the same box never opens inside itself");
    PostBoxRound(window, 0);
    RunRound();
    tally.Check(events.Shown == 2, "once closed, the box is shown again");
}

}  // namespace

int main() {
    qvs::CheckTally tally;
    EventDialog events;
    HWND window = events.CreateModeless(GetModuleHandleA(nullptr), nullptr);
    CheckGuard(tally, events, window);
    CheckModal(tally, events, window);
    CheckBoxes(tally, events, window);
    DestroyWindow(window);
    tally.Check(!events.IsOpen() && !events.Window(), "the handler lets go of its window at its end");
    return tally.Report();
}
