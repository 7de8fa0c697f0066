// The host's _ListGen on its own thread hands the list name to the UI
// thread, which owns the lists: a copy travels in a message posted to the
// panel, so the host goes on at once and never waits for a generation.
#pragma once
#include "win32/windows_api.h"

#include "model/module_state.h"

namespace qvs {

constexpr UINT kListGenRequest = WM_APP + 2;

// Any thread: false when the name could not be handed over.
bool PostListGenRequest(HWND panel, const char* data);

// The UI thread, on kListGenRequest: runs the request and frees the copy.
void RunListGenRequest(ModuleState& state, LPARAM copy);

// The UI thread, as the panel goes: requests not yet run are dropped.
void DropListGenRequests(HWND panel);

}  // namespace qvs
