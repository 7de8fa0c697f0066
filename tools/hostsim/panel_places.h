// Finding what a panel step names. A place is "main" (the panel), "dialog"
// (the modal dialog or message box in front, on the panel's thread),
// "window:<caption>" (another top-level window of the panel's thread, such
// as a manager), or a tab path "Options>Sharing" (the page of that tab,
// nested tabs separated by ">"). A control is "#<id>", or the text of a
// button, check box or label on the place; a label stands for the control
// that follows it (the field beside "Max Slots").
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace hostsim {

HWND TabControlOf(HWND window);
std::string TabText(HWND tab, int index);
int TabIndex(HWND tab, const std::string& text);
HWND PageOfTabIndex(HWND tab, int index);
// The tab controls and indexes along a tab path; empty when a tab is missing.
struct TabStep {
    HWND Tab;
    int Index;
};
std::vector<TabStep> WalkTabPath(HWND panel, const std::string& path, std::string& missing);
HWND FindPlace(HWND panel, const std::string& place, std::string& error);
HWND FindControl(HWND place, const std::string& name, std::string& error);
// The dialog in front on the window's thread (a box or a modal dialog), or null.
HWND FrontDialog(HWND panel);
std::string WindowText(HWND window);
std::string ClassOf(HWND window);
// The texts of a dialog's labels, joined by " / " (a box's message).
std::string LabelTexts(HWND dialog);

}  // namespace hostsim
