// The simulated host's side of the shared-memory interface: the area "mIRC"
// and a main window that executes (1224) and evaluates (1225) what a module
// left in the area, answering evaluations from the host model.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "host_model.h"
#include "script_follower.h"

namespace hostsim {

constexpr UINT kExecuteMessage = WM_USER + 200;
constexpr UINT kEvaluateMessage = WM_USER + 201;
constexpr DWORD kSharedAreaSize = 10240;

struct Evaluation {
    std::string Identifier;
    bool Answered;
    std::string Value;
};

class HostWindow {
public:
    HostWindow(HostModel& model, ScriptFollower& script) : model_(model), script_(script) {}
    ~HostWindow();
    bool Create(std::string& error);
    HWND Handle() const { return window_; }

    std::vector<std::string> Executed;
    std::vector<Evaluation> Evaluated;
    // Told of every command and evaluation as it happens.
    std::function<void(const std::string&)> Report;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM first, LPARAM second);
    LRESULT Execute();
    LRESULT Evaluate();
    std::string ReadArea() const;

    HostModel& model_;
    ScriptFollower& script_;  // answers and runs instead of the model once it holds a script
    HANDLE mapping_ = nullptr;
    char* area_ = nullptr;
    HWND window_ = nullptr;
};

// Runs this thread's messages until done() holds or the deadline passes.
bool PumpUntil(const std::function<bool()>& done, DWORD deadlineMs);

}  // namespace hostsim
