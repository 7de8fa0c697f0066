#include "win32/debug_module.h"

namespace qvs {

void DebugModule::Load() {
    library_.Reset(LoadLibraryA("QVSDebug.dll"));
    if (!library_.Get()) return;
    entry_ = reinterpret_cast<ShowDebugWindowEntry>(
        reinterpret_cast<void*>(GetProcAddress(library_.Get(), "ShowDebugWindow")));
}

void DebugModule::Release() {
    entry_ = nullptr;
    library_.Release();
}

}  // namespace qvs
