// Runs a scenario step by step against the module and the simulated host.
#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "event_relay.h"
#include "host_model.h"
#include "host_window.h"
#include "module_under_test.h"
#include "scenario.h"
#include "script_follower.h"
#include "transcript.h"

namespace hostsim {

struct Outcome {
    bool Passed;
    std::string Detail;
};

class Runner {
public:
    Runner(const std::string& modulePath, const std::string& scenarioPath);
    // Every event then goes through the real relay DLL, called as that host calls it.
    void UseRelay(const std::string& relayPath, RelayHost host);
    // True when every step passed.
    bool Run(const std::vector<Step>& steps);

private:
    struct Verb;
    static const Verb kVerbs[];

    Outcome Load(const Step& step);
    Outcome InitDll(const Step& step);
    Outcome ShowPanel(const Step& step);
    Outcome ListGen(const Step& step);
    Outcome GetValue(const Step& step);
    Outcome ExpectFirstConnection(const Step& step);
    Outcome ExpectFirstChannel(const Step& step);
    Outcome Unload(const Step& step);
    Outcome Free(const Step& step);
    Outcome Connect(const Step& step);
    Outcome Disconnect(const Step& step);
    Outcome Join(const Step& step);
    Outcome Part(const Step& step);
    Outcome User(const Step& step);
    Outcome UserPart(const Step& step);
    Outcome Text(const Step& step);
    Outcome Query(const Step& step);
    Outcome Nick(const Step& step);
    Outcome OwnNick(const Step& step);
    Outcome Reachable(const Step& step);
    Outcome Send(const Step& step);
    Outcome SendComplete(const Step& step);
    Outcome SendFail(const Step& step);
    Outcome SendCompleteUnnamed(const Step& step);
    Outcome SendFailUnnamed(const Step& step);
    Outcome FollowScript(const Step& step);
    Outcome ExpectSendWindows(const Step& step);
    Outcome ExpectScriptCommand(const Step& step);
    Outcome ClosePanel(const Step& step);
    Outcome RawEvent(const Step& step);
    Outcome Answer(const Step& step);
    Outcome Refuse(const Step& step);
    Outcome SetCtime(const Step& step);
    Outcome SetDeadline(const Step& step);
    Outcome WaitIdleStep(const Step& step);
    Outcome ExpectCommand(const Step& step);
    Outcome AwaitCommand(const Step& step);
    Outcome ExpectNoCommand(const Step& step);
    Outcome ExpectNoMoreCommands(const Step& step);
    Outcome ExpectEvaluated(const Step& step);
    Outcome ExpectGethWnd(const Step& step);
    Outcome ExpectPanel(const Step& step);
    Outcome ExpectPanelCaption(const Step& step);
    Outcome ExpectPanelTabs(const Step& step);
    Outcome ExpectPageTabs(const Step& step);
    Outcome ExpectPanelAt(const Step& step);
    Outcome ExpectPanelInitialSize(const Step& step);
    Outcome MovePanel(const Step& step);
    Outcome SysCommand(const Step& step);
    Outcome ExpectHitTest(const Step& step);
    Outcome ExpectAbout(const Step& step);
    Outcome CloseAbout(const Step& step);
    Outcome ExpectSystemMenuItem(const Step& step);
    Outcome ExpectModuleThreads(const Step& step);
    Outcome ExpectFile(const Step& step);
    Outcome ExpectFileSize(const Step& step);
    Outcome ExpectNoFile(const Step& step);
    Outcome ExpectFileText(const Step& step);
    Outcome ExpectFileLike(const Step& step);
    Outcome ExpectStored(const Step& step);
    Outcome ExpectStoredText(const Step& step);
    Outcome CopyIntoModuleFolder(const Step& step);
    Outcome SelectTab(const Step& step);
    Outcome Click(const Step& step);
    Outcome Tick(const Step& step);
    Outcome Pick(const Step& step);
    Outcome Type(const Step& step);
    Outcome Leave(const Step& step);
    Outcome SelectText(const Step& step);
    Outcome ExpectText(const Step& step);
    Outcome ExpectTextLength(const Step& step);
    Outcome ExpectCheck(const Step& step);
    Outcome ExpectState(const Step& step);
    Outcome ExpectChoice(const Step& step);
    Outcome ExpectItems(const Step& step);
    Outcome ExpectRows(const Step& step);
    Outcome ExpectRow(const Step& step);
    Outcome AwaitRow(const Step& step);
    Outcome MatchRow(const Step& step, DWORD waitMs);
    Outcome SelectRows(const Step& step);
    Outcome ExpectSelectedRows(const Step& step);
    Outcome RightClickRow(const Step& step);
    Outcome MenuKey(const Step& step);
    Outcome AwaitMenu(HWND view, LPARAM where);
    Outcome DoubleClickRow(const Step& step);
    Outcome ExpectMenuItem(const Step& step);
    Outcome ChooseMenuItem(const Step& step);
    Outcome CloseMenu(const Step& step);
    Outcome ExpectBox(const Step& step);
    Outcome ExpectNoBox(const Step& step);
    Outcome ExpectDialog(const Step& step);
    Outcome AnswerBox(const Step& step);
    Outcome ChooseFolder(const Step& step);
    Outcome ChooseFile(const Step& step);
    Outcome DoubleClick(const Step& step);
    Outcome CountObjects(const Step& step);
    Outcome ExpectObjectsAsAt(const Step& step);
    Outcome Screenshot(const Step& step);
    // The control that words 1 (place) and 2 (control) of the step name.
    HWND StepControl(const Step& step, std::string& error);
    HWND StepListView(const Step& step, std::string& error);
    // The list view of a step that names a row (from 1) as its third word,
    // with that row made the only selected one; null with the error.
    HWND ClickedRow(const Step& step, POINT& at, std::string& error);

    Outcome RunStep(const Step& step);
    // Posts through post, then waits until the module has handled it.
    Outcome Relay(const std::string& what, const std::function<bool(HWND)>& post);
    bool WaitIdle(HWND panel);
    // The panel as the relay finds it: through GethWnd while the host holds
    // the module, else the window it found last, while that still exists.
    HWND Panel();
    Outcome SendEnded(const Step& step, bool completed, bool named);
    // Runs the script's handler of a host event; true when it had the relay post.
    bool RunScriptEvent(const std::string& event, const EventIdentifiers& identifiers, uint32_t connectionId);
    std::string ScriptDll(const std::string& file, const std::string& exportName, const std::string& data);
    HWND FindAboutDialog(HWND panel) const;
    std::string ModuleFile(const std::string& relative) const;

    std::string modulePath_;
    std::string moduleFolder_;
    std::string scenarioFolder_;
    HostModel model_;
    ScriptFollower script_{model_};
    HostWindow host_{model_, script_};
    std::size_t scriptPosts_ = 0;
    ModuleUnderTest module_;
    EventRelay relay_;
    RelayDll relayDll_;
    std::string relayPath_;
    RelayHost relayHost_ = RelayHost::Old;
    Transcript transcript_;
    DWORD deadlineMs_ = 5000;
    std::size_t commandCursor_ = 0;
    std::size_t evaluationCursor_ = 0;
    int markerFlip_ = 0;
    HWND lastPanel_ = nullptr;
    int initialWidth_ = 0;
    int initialHeight_ = 0;
    struct ObjectCount {
        DWORD Gdi, User;
        int Windows;  // top-level windows of the panel's thread
    };
    std::map<std::string, ObjectCount> counted_;
};

}  // namespace hostsim
