// The module's message boxes. A box runs its own modal loop, where events
// and timers go on being handled, and one of them may want the very same
// box again (a line from a channel the box is about, a failed periodic
// save). Such a box is never opened inside the one already open: the caller
// gets the answer meant for a box not shown and its event is handled without
// it. Once the operator has closed the box, the next request shows it again.
// The boxes are the UI thread's own.
#pragma once
#include "win32/windows_api.h"

#include <set>
#include <string>

namespace qvs {

class MessageBoxes {
public:
    // The box's answer, or notShown while a box with this text is open.
    int Show(HWND owner, const char* caption, const char* text, UINT style, int notShown);

private:
    std::set<std::string> open_;  // the texts of the boxes now open
};

}  // namespace qvs
