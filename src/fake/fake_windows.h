#pragma once
#include <set>

#include "ports/window_port.h"

namespace qvs {

class FakeWindows : public WindowPort {
public:
    WindowHandle CreateFloodWindow(Connection*) override {
        WindowHandle window = next_++;
        Live.insert(window);
        return window;
    }
    void DestroyFloodWindow(WindowHandle window) override { Live.erase(window); }
    std::set<WindowHandle> Live;

private:
    WindowHandle next_ = 0x100;
};

}  // namespace qvs
