#include "relay_win32/module_panel_sink.h"

#include <windows.h>

namespace qvs::relay {
namespace {

constexpr char kModuleFile[] = "qvs.dll";
constexpr char kPanelExport[] = "GethWnd";

using PanelLookup = HWND(WINAPI*)();

HWND ModulePanel() {
    // GetModuleHandle adds no reference, so the host's /dll -u still unloads
    // the module; the script calls both DLLs on the host's one thread, so the
    // module cannot go away between this lookup and the call.
    HMODULE module = GetModuleHandleA(kModuleFile);
    if (!module) return nullptr;
    auto lookup = reinterpret_cast<PanelLookup>(reinterpret_cast<void*>(GetProcAddress(module, kPanelExport)));
    return lookup ? lookup() : nullptr;
}

}  // namespace

bool ModulePanelOpen() { return ModulePanel() != nullptr; }

bool ModulePanelSink::Post(uint32_t message, uintptr_t first, void* payload) {
    HWND panel = ModulePanel();
    return panel && PostMessageA(panel, message, static_cast<WPARAM>(first), reinterpret_cast<LPARAM>(payload));
}

void* GlobalPayloadAllocator::Allocate(std::size_t bytes) { return GlobalAlloc(GPTR, bytes); }

void GlobalPayloadAllocator::Release(void* block) { GlobalFree(block); }

}  // namespace qvs::relay
