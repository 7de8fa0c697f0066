#include "panel/list_gen_request.h"

#include <cstring>
#include <memory>
#include <string>

#include "lists/regeneration.h"

namespace qvs {

bool PostListGenRequest(HWND panel, const char* data) {
    if (!panel || !data) return false;
    auto copy = std::make_unique<std::string>(data, strnlen(data, kHostLinkBufferSize - 1));
    if (!PostMessageA(panel, kListGenRequest, 0, reinterpret_cast<LPARAM>(copy.get()))) return false;
    copy.release();
    return true;
}

void RunListGenRequest(ModuleState& state, LPARAM copy) {
    std::unique_ptr<std::string> name(reinterpret_cast<std::string*>(copy));
    if (name) ListGenRequested(state, name->c_str());
}

void DropListGenRequests(HWND panel) {
    MSG message;
    while (PeekMessageA(&message, panel, kListGenRequest, kListGenRequest, PM_REMOVE))
        delete reinterpret_cast<std::string*>(message.lParam);
}

}  // namespace qvs
