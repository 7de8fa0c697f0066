// Hidden per-connection windows that carry the flood-pacing timer.
#pragma once
#include "model/records.h"

namespace qvs {

class WindowPort {
public:
    virtual ~WindowPort() = default;
    // A hidden "ExcessFloodWndClass" window whose user data is the Connection.
    virtual WindowHandle CreateFloodWindow(Connection* connection) = 0;
    virtual void DestroyFloodWindow(WindowHandle window) = 0;
};

}  // namespace qvs
