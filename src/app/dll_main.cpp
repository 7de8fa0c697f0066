#include "app/lifetime.h"

// Thread notifications need nothing; attach and detach always report
// success: a module that failed to set up part of itself stays harmless.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    try {
        if (reason == DLL_PROCESS_ATTACH) qvs::AttachModule(instance);
        if (reason == DLL_PROCESS_DETACH) qvs::DetachModule();
    } catch (...) {
    }
    return TRUE;
}
