// Steps for the boxes and modal dialogs the panel opens, the panel's
// window and GDI object counts, and its pictures.
#include "runner.h"

#include <shlobj.h>

#include <cstdio>
#include <fstream>

#include "panel_places.h"
#include "step_words.h"

namespace hostsim {
namespace {

struct Button {
    const char* Word;
    int Id;
};
constexpr Button kButtons[] = {{"ok", IDOK}, {"cancel", IDCANCEL}, {"yes", IDYES}, {"no", IDNO}};
constexpr WORD kBitmapMagic = 0x4D42;  // "BM"
constexpr int kBitsPerPixel = 24;
constexpr DWORD kSettleMs = 300;  // for the display to draw what was painted
// The open-file dialog's file name field: an edit in the older layout, a
// combo box in the newer one (the dialog's own control ids).
constexpr int kFileNameEdit = 0x480;
constexpr int kFileNameCombo = 0x47c;

BOOL CALLBACK CountOne(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// The top-level windows of the process's threads and every child of them.
int ThreadWindows(DWORD thread) {
    int count = 0;
    EnumThreadWindows(thread, CountOne, reinterpret_cast<LPARAM>(&count));
    return count;
}

bool WriteBitmap(const std::string& path, HDC screen, HBITMAP picture, int width, int height) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = kBitsPerPixel;
    info.biCompression = BI_RGB;
    int stride = (width * 3 + 3) & ~3;
    std::string pixels(static_cast<std::size_t>(stride) * height, '\0');
    if (!GetDIBits(screen, picture, 0, height, &pixels[0], reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
        return false;
    BITMAPFILEHEADER file{};
    file.bfType = kBitmapMagic;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

// What the screen shows of the window, as the operator sees it.
bool Capture(HWND window, const std::string& path) {
    RECT frame{};
    GetWindowRect(window, &frame);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, picture);
    bool copied = BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory, old);
    bool written = copied && WriteBitmap(path, screen, picture, width, height);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return written;
}

}  // namespace

Outcome Runner::ExpectBox(const Step& step) {
    HWND panel = Panel();
    if (!panel) return {false, "no panel"};
    HWND box = nullptr;
    std::string want = step.Rest(1), seen;
    PumpUntil(
        [&] {
            box = FrontDialog(panel);
            seen = box ? LabelTexts(box) : std::string();
            return Matches(seen, want);
        },
        deadlineMs_);
    if (!box) return {false, "no box or dialog is open"};
    // Boxes belong to the UI thread, whichever thread asked for them.
    if (GetWindowThreadProcessId(box, nullptr) != GetWindowThreadProcessId(panel, nullptr))
        return {false, "the box is not the panel's thread's"};
    return {Matches(seen, want), "\"" + WindowText(box) + "\" says: " + seen};
}

Outcome Runner::ExpectNoBox(const Step&) {
    HWND panel = Panel();
    WaitIdle(panel);
    HWND box = FrontDialog(panel);
    return {box == nullptr, box ? "open: \"" + WindowText(box) + "\": " + LabelTexts(box) : std::string()};
}

Outcome Runner::ExpectDialog(const Step& step) {
    HWND panel = Panel();
    HWND dialog = nullptr;
    PumpUntil([&] { return (dialog = FrontDialog(panel)) && WindowText(dialog) == step.Rest(1); }, deadlineMs_);
    if (!dialog) return {false, "no dialog is open"};
    return {WindowText(dialog) == step.Rest(1), "the dialog in front is \"" + WindowText(dialog) + "\""};
}

Outcome Runner::AnswerBox(const Step& step) {
    HWND panel = Panel();
    HWND box = FrontDialog(panel);
    if (!box) return {false, "no box or dialog is open"};
    for (const Button& button : kButtons) {
        if (step.Words[1] != button.Word) continue;
        if (!GetDlgItem(box, button.Id)) return {false, "the box has no " + step.Words[1] + " button"};
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button.Id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button.Id)));
        bool closed = PumpUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, deadlineMs_);
        if (!closed) return {false, "the box stayed open"};
        return {WaitIdle(panel), std::string()};
    }
    return {false, "usage: answer-box ok|cancel|yes|no"};
}

// The platform's folder browser takes the path as its selection, as if the
// operator had clicked down to it, and then OK.
Outcome Runner::ChooseFolder(const Step& step) {
    HWND panel = Panel();
    HWND browser = nullptr;
    PumpUntil([&] { return (browser = FrontDialog(panel)) && GetDlgItem(browser, IDOK); }, deadlineMs_);
    if (!browser) return {false, "no folder browser is open"};
    std::string path = step.Rest(1);
    SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(browser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(browser, IDOK)));
    bool closed = PumpUntil([&] { return !IsWindow(browser); }, deadlineMs_);
    if (!closed) return {false, "the folder browser stayed open"};
    return {WaitIdle(panel), std::string()};
}

// The platform's open-file dialog takes the path in its file name field,
// as if the operator had typed it, and then OK.
Outcome Runner::ChooseFile(const Step& step) {
    HWND panel = Panel();
    HWND chooser = nullptr;
    auto nameField = [&] {
        HWND edit = GetDlgItem(chooser, kFileNameEdit);
        return edit ? edit : GetDlgItem(chooser, kFileNameCombo);
    };
    PumpUntil([&] { return (chooser = FrontDialog(panel)) && nameField(); }, deadlineMs_);
    if (!chooser) return {false, "no open-file dialog is open"};
    SetWindowTextA(nameField(), step.Rest(1).c_str());
    PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDOK)));
    bool closed = PumpUntil([&] { return !IsWindow(chooser); }, deadlineMs_);
    if (!closed) return {false, "the open-file dialog stayed open"};
    return {WaitIdle(panel), std::string()};
}

Outcome Runner::CountObjects(const Step& step) {
    HWND panel = Panel();
    HANDLE process = GetCurrentProcess();
    counted_[step.Words[1]] = {GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS),
                               panel ? ThreadWindows(GetWindowThreadProcessId(panel, nullptr)) : 0};
    const ObjectCount& now = counted_[step.Words[1]];
    return {true, "GDI " + std::to_string(now.Gdi) + ", USER " + std::to_string(now.User) + ", top-level windows " +
                      std::to_string(now.Windows)};
}

Outcome Runner::ExpectObjectsAsAt(const Step& step) {
    auto before = counted_.find(step.Words[1]);
    if (before == counted_.end()) return {false, "nothing counted as " + step.Words[1]};
    uint32_t slack = 0;
    if (step.Words.size() > 2 && !ParseUnsigned(step.Words[2], slack)) return {false, "usage: expect-objects-as-at <name> [slack]"};
    Step now = step;
    now.Words = {"count-objects", step.Words[1] + "-now"};
    CountObjects(now);
    const ObjectCount& after = counted_[now.Words[1]];
    bool kept = after.Gdi <= before->second.Gdi + slack && after.User <= before->second.User + slack &&
                after.Windows <= before->second.Windows;
    char detail[160];
    std::snprintf(detail, sizeof detail, "GDI %lu -> %lu, USER %lu -> %lu, top-level windows %d -> %d",
                  static_cast<unsigned long>(before->second.Gdi), static_cast<unsigned long>(after.Gdi),
                  static_cast<unsigned long>(before->second.User), static_cast<unsigned long>(after.User),
                  before->second.Windows, after.Windows);
    return {kept, detail};
}

Outcome Runner::Screenshot(const Step& step) {
    std::string error;
    HWND window = FindPlace(Panel(), step.Words[1], error);
    if (!window) return {false, error};
    HWND top = GetAncestor(window, GA_ROOT);
    SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    WaitIdle(Panel());
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpUntil([] { return false; }, kSettleMs);
    std::string path = ModuleFile(step.Rest(2));
    CreateDirectoryA(path.substr(0, path.find_last_of('\\')).c_str(), nullptr);
    bool written = Capture(top, path);
    return {written, written ? path : "could not take the picture"};
}

}  // namespace hostsim
