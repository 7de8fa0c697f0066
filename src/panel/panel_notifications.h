// PanelPort of the control panel: message boxes and the selected channel.
// The queue views, the statistics page and the instance tabs are told
// nothing until those pages exist.
#pragma once
#include <atomic>

#include "panel/framework/message_boxes.h"
#include "ports/panel_port.h"
#include "win32/windows_api.h"

namespace qvs {

class PanelNotifications final : public NullPanel {
public:
    explicit PanelNotifications(const std::atomic<HWND>& panel) : panel_(panel) {}
    // Error, question (Yes/No) or information box, owned by the panel when
    // there is one, captioned with the application name. While the same box
    // is open it is not shown again (a question then answers No).
    int ShowMessage(const char* text, uint32_t icon) override;
    ChannelConfig* SelectedChannel() override;

private:
    const std::atomic<HWND>& panel_;
    MessageBoxes boxes_;
};

}  // namespace qvs
