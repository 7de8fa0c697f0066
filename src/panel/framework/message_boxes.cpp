#include "panel/framework/message_boxes.h"

namespace qvs {

int MessageBoxes::Show(HWND owner, const char* caption, const char* text, UINT style, int notShown) {
    auto opened = open_.insert(text);
    if (!opened.second) return notShown;
    int answer = MessageBoxA(owner, text, caption, style);
    open_.erase(opened.first);
    return answer;
}

}  // namespace qvs
