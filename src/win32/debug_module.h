// The optional debug module "QVSDebug.dll": loaded at module load when it is
// there, its entry ShowDebugWindow called with the panel by the statistics
// page, unloaded at unload.
#pragma once
#include "win32/windows_api.h"

#include "win32/handles.h"

namespace qvs {

using ShowDebugWindowEntry = void(WINAPI*)(HWND panel);

class DebugModule {
public:
    // A missing library or entry is not an error.
    void Load();
    void Release();
    // Null when there is no debug window to show.
    ShowDebugWindowEntry ShowDebugWindow() const { return entry_; }

private:
    LoadedLibrary library_;
    ShowDebugWindowEntry entry_ = nullptr;
};

}  // namespace qvs
