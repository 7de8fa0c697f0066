#include "host_window.h"

#include <cstring>

#include "send_commands.h"
#include "user_view.h"

namespace hostsim {
namespace {

constexpr char kWindowClass[] = "hostsim_main";
constexpr std::size_t kShownValueRoom = 120;

std::string Shortened(const std::string& value) {
    if (value.size() <= kShownValueRoom) return value;
    return value.substr(0, kShownValueRoom) + "... (" + std::to_string(value.size()) + " characters)";
}

}  // namespace

HostWindow::~HostWindow() {
    if (window_) DestroyWindow(window_);
    if (area_) UnmapViewOfFile(area_);
    if (mapping_) CloseHandle(mapping_);
}

bool HostWindow::Create(std::string& error) {
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kSharedAreaSize, "mIRC");
    if (mapping_) area_ = static_cast<char*>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, kSharedAreaSize));
    if (!area_) {
        error = "cannot create the shared area \"mIRC\"";
        return false;
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, kWindowClass, "hostsim", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                              windowClass.hInstance, this);
    if (!window_) {
        error = "cannot create the host window";
        return false;
    }
    return true;
}

std::string HostWindow::ReadArea() const { return std::string(area_, strnlen(area_, kSharedAreaSize)); }

LRESULT HostWindow::Execute() {
    std::string command = ReadArea();
    Executed.push_back(command);
    if (Report) {
        Report("host executed: " + command);
        std::string view = UserView(command);
        if (!view.empty()) Report("  " + view);
    }
    if (script_.Loaded()) script_.Execute(command);
    else NoteSendCommand(model_, command);
    return 1;
}

LRESULT HostWindow::Evaluate() {
    Evaluation evaluation{ReadArea(), false, std::string()};
    evaluation.Answered = script_.Loaded() ? script_.Evaluate(evaluation.Identifier, evaluation.Value)
                                           : model_.Evaluate(evaluation.Identifier, evaluation.Value);
    if (evaluation.Answered) {
        std::size_t length = evaluation.Value.size() < kSharedAreaSize - 1 ? evaluation.Value.size() : kSharedAreaSize - 1;
        std::memcpy(area_, evaluation.Value.data(), length);
        area_[length] = '\0';
    }
    if (Report)
        Report("host evaluated: " + evaluation.Identifier + " -> " +
               (evaluation.Answered ? "\"" + Shortened(evaluation.Value) + "\"" : std::string("refused")));
    Evaluated.push_back(evaluation);
    return evaluation.Answered ? 1 : 0;
}

LRESULT CALLBACK HostWindow::Proc(HWND window, UINT message, WPARAM first, LPARAM second) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(second);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == kExecuteMessage) return self->Execute();
    if (self && message == kEvaluateMessage) return self->Evaluate();
    return DefWindowProcA(window, message, first, second);
}

bool PumpUntil(const std::function<bool()>& done, DWORD deadlineMs) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done()) return true;
        if (GetTickCount() - start >= deadlineMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

}  // namespace hostsim
