#include "runner.h"

#include <cstring>

namespace hostsim {

struct Runner::Verb {
    const char* Name;
    std::size_t MinWords;  // after the verb
    std::size_t MaxWords;  // kRest: any number, or the rest of the line
    Outcome (Runner::*Handler)(const Step&);
    const char* Usage;
};

namespace {
constexpr std::size_t kRest = 99;
}

const Runner::Verb Runner::kVerbs[] = {
    {"load", 0, 0, &Runner::Load, "load"},
    {"initdll", 0, 0, &Runner::InitDll, "initdll"},
    {"showpanel", 0, kRest, &Runner::ShowPanel, "showpanel [data]"},
    {"listgen", 0, kRest, &Runner::ListGen, "listgen [data]"},
    {"getvalue", 2, 2, &Runner::GetValue, "getvalue <selector> zero|nonzero"},
    {"expect-first-connection", 2, kRest, &Runner::ExpectFirstConnection,
     "expect-first-connection id|network|network-length|count <value>"},
    {"expect-first-channel", 2, kRest, &Runner::ExpectFirstChannel, "expect-first-channel name <value>"},
    {"unload", 1, 2, &Runner::Unload, "unload <reason> [<expected result>]"},
    {"free", 0, 0, &Runner::Free, "free"},
    {"connect", 3, 3, &Runner::Connect, "connect <cid> <network> <own nick>"},
    {"disconnect", 1, 1, &Runner::Disconnect, "disconnect <cid>"},
    {"join", 2, 2, &Runner::Join, "join <cid> <channel>"},
    {"part", 2, 2, &Runner::Part, "part <cid> <channel>"},
    {"user", 3, 4, &Runner::User, "user <cid> <channel> <nick> [op|voice|regular]"},
    {"user-part", 3, 3, &Runner::UserPart, "user-part <cid> <channel> <nick>"},
    {"text", 4, kRest, &Runner::Text, "text <cid> <channel> <nick> <message>"},
    {"query", 4, kRest, &Runner::Query, "query <cid> <channel> <nick> <message>"},
    {"nick", 3, 3, &Runner::Nick, "nick <cid> <old nick> <new nick>"},
    {"own-nick", 2, 2, &Runner::OwnNick, "own-nick <cid> <new nick>"},
    {"reachable", 2, 2, &Runner::Reachable, "reachable <cid> <nick>"},
    {"send", 3, 4, &Runner::Send, "send <cid> <nick> <path> [cps]"},
    {"send-complete", 3, 5, &Runner::SendComplete, "send-complete <cid> <nick> <path> [cps [bytes]]"},
    {"send-fail", 3, 5, &Runner::SendFail, "send-fail <cid> <nick> <path> [cps [bytes]]"},
    {"send-complete-unnamed", 3, 5, &Runner::SendCompleteUnnamed,
     "send-complete-unnamed <cid> <nick> <path> [cps [bytes]]"},
    {"send-fail-unnamed", 3, 5, &Runner::SendFailUnnamed, "send-fail-unnamed <cid> <nick> <path> [cps [bytes]]"},
    {"script", 1, 1, &Runner::FollowScript, "script <companion script, below the scenario's folder>"},
    {"expect-send-windows", 2, kRest, &Runner::ExpectSendWindows,
     "expect-send-windows <cid> <nick> [<status> ...]"},
    {"expect-script-command", 1, kRest, &Runner::ExpectScriptCommand, "expect-script-command <command, * as usual>"},
    {"close-panel", 0, 0, &Runner::ClosePanel, "close-panel"},
    {"raw-event", 3, kRest, &Runner::RawEvent,
     "raw-event <message> <first> none|text|unterminated|short|empty-texts|null-texts [text]"},
    {"answer", 2, kRest, &Runner::Answer, "answer <identifier> <value>"},
    {"refuse", 1, 1, &Runner::Refuse, "refuse <identifier>"},
    {"set-ctime", 1, 1, &Runner::SetCtime, "set-ctime <seconds>"},
    {"set-deadline", 1, 1, &Runner::SetDeadline, "set-deadline <milliseconds>"},
    {"wait-idle", 0, 0, &Runner::WaitIdleStep, "wait-idle"},
    {"expect-command", 1, kRest, &Runner::ExpectCommand, "expect-command <command, * at the end for a prefix>"},
    {"await-command", 1, kRest, &Runner::AwaitCommand, "await-command <command, * at the end for a prefix>"},
    {"expect-no-command", 1, kRest, &Runner::ExpectNoCommand, "expect-no-command <command, * at the end for a prefix>"},
    {"expect-no-more-commands", 0, 0, &Runner::ExpectNoMoreCommands, "expect-no-more-commands"},
    {"expect-evaluated", 1, kRest, &Runner::ExpectEvaluated, "expect-evaluated <identifier, * at the end for a prefix>"},
    {"expect-gethwnd", 1, 1, &Runner::ExpectGethWnd, "expect-gethwnd zero|nonzero"},
    {"expect-panel", 1, 1, &Runner::ExpectPanel, "expect-panel visible|hidden|none"},
    {"expect-panel-caption", 1, kRest, &Runner::ExpectPanelCaption, "expect-panel-caption <text>"},
    {"expect-panel-tabs", 1, kRest, &Runner::ExpectPanelTabs, "expect-panel-tabs <tab> ..."},
    {"expect-page-tabs", 2, kRest, &Runner::ExpectPageTabs, "expect-page-tabs <main tab> <tab> | <tab> ..."},
    {"expect-panel-at", 2, 2, &Runner::ExpectPanelAt, "expect-panel-at <x> <y>"},
    {"expect-panel-initial-size", 0, 0, &Runner::ExpectPanelInitialSize, "expect-panel-initial-size"},
    {"move-panel", 4, 4, &Runner::MovePanel, "move-panel <x> <y> <width> <height>"},
    {"syscommand", 1, 1, &Runner::SysCommand, "syscommand close|restore|about"},
    {"expect-hit-test", 3, 3, &Runner::ExpectHitTest, "expect-hit-test <x> <y> caption|client"},
    {"expect-about", 1, 1, &Runner::ExpectAbout, "expect-about open|closed"},
    {"close-about", 0, 0, &Runner::CloseAbout, "close-about"},
    {"expect-system-menu-item", 2, 3, &Runner::ExpectSystemMenuItem,
     "expect-system-menu-item <command id> <text> [after-break]"},
    {"expect-module-threads", 1, 1, &Runner::ExpectModuleThreads, "expect-module-threads <count>"},
    {"expect-file", 1, 1, &Runner::ExpectFile, "expect-file <path below the module's folder>"},
    {"expect-file-size", 2, 2, &Runner::ExpectFileSize, "expect-file-size <path> <bytes>"},
    {"expect-no-file", 1, 1, &Runner::ExpectNoFile, "expect-no-file <path>"},
    {"expect-file-text", 2, kRest, &Runner::ExpectFileText, "expect-file-text <path> <text>"},
    {"expect-file-like", 2, kRest, &Runner::ExpectFileLike, "expect-file-like <path with *> <text with *>"},
    {"expect-stored", 3, 3, &Runner::ExpectStored, "expect-stored <file> <storage path> <value>"},
    {"expect-stored-text", 3, kRest, &Runner::ExpectStoredText, "expect-stored-text <file> <storage path> <text>"},
    {"copy-file", 2, 2, &Runner::CopyIntoModuleFolder,
     "copy-file <file or folder, below the scenario's folder> <to, below the module's>"},
    {"select-tab", 1, kRest, &Runner::SelectTab, "select-tab <tab>[><nested tab>...]"},
    {"click", 2, 2, &Runner::Click, "click <place> <control>"},
    {"tick", 3, 3, &Runner::Tick, "tick <place> <control> on|off"},
    {"pick", 3, kRest, &Runner::Pick, "pick <place> <drop-down> <item>"},
    {"type", 2, kRest, &Runner::Type, "type <place> <field> [<text>]"},
    {"leave", 2, 2, &Runner::Leave, "leave <place> <field>"},
    {"select-text", 4, 4, &Runner::SelectText, "select-text <place> <field> <from> <to>"},
    {"expect-text", 2, kRest, &Runner::ExpectText, "expect-text <place> <control> [<text>]"},
    {"expect-text-length", 3, 3, &Runner::ExpectTextLength, "expect-text-length <place> <control> <characters>"},
    {"expect-check", 3, 3, &Runner::ExpectCheck, "expect-check <place> <control> on|off"},
    {"expect-state", 3, 3, &Runner::ExpectState, "expect-state <place> <control> enabled|grayed|shown|hidden"},
    {"expect-choice", 2, kRest, &Runner::ExpectChoice, "expect-choice <place> <drop-down> [<item>]"},
    {"expect-items", 2, kRest, &Runner::ExpectItems, "expect-items <place> <drop-down> [<item> | <item> ...]"},
    {"expect-rows", 3, 3, &Runner::ExpectRows, "expect-rows <place> <list view> <count>"},
    {"expect-row", 4, kRest, &Runner::ExpectRow, "expect-row <place> <list view> <row from 1> <cell> | <cell> ..."},
    {"await-row", 4, kRest, &Runner::AwaitRow, "await-row <place> <list view> <row from 1> <cell> | <cell> ..."},
    {"select-rows", 2, 3, &Runner::SelectRows, "select-rows <place> <list view> [<row>,<row>...]"},
    {"expect-selected-rows", 2, 3, &Runner::ExpectSelectedRows, "expect-selected-rows <place> <list view> [<row>,<row>...]"},
    {"right-click-row", 3, 3, &Runner::RightClickRow, "right-click-row <place> <list view> <row from 1>"},
    {"menu-key", 2, 2, &Runner::MenuKey, "menu-key <place> <list view>"},
    {"double-click-row", 3, 3, &Runner::DoubleClickRow, "double-click-row <place> <list view> <row from 1>"},
    {"expect-menu-item", 2, kRest, &Runner::ExpectMenuItem, "expect-menu-item <item>[><item>...] enabled|grayed"},
    {"choose-menu-item", 1, kRest, &Runner::ChooseMenuItem, "choose-menu-item <item>[><item>...]"},
    {"close-menu", 0, 0, &Runner::CloseMenu, "close-menu"},
    {"expect-box", 1, kRest, &Runner::ExpectBox, "expect-box <text, * as in expect-command>"},
    {"expect-no-box", 0, 0, &Runner::ExpectNoBox, "expect-no-box"},
    {"expect-dialog", 1, kRest, &Runner::ExpectDialog, "expect-dialog <caption>"},
    {"answer-box", 1, 1, &Runner::AnswerBox, "answer-box ok|cancel|yes|no"},
    {"double-click", 2, 2, &Runner::DoubleClick, "double-click <place> <list box>"},
    {"choose-folder", 1, kRest, &Runner::ChooseFolder, "choose-folder <path>"},
    {"choose-file", 1, kRest, &Runner::ChooseFile, "choose-file <path>"},
    {"count-objects", 1, 1, &Runner::CountObjects, "count-objects <name>"},
    {"expect-objects-as-at", 1, 2, &Runner::ExpectObjectsAsAt, "expect-objects-as-at <name> [<slack>]"},
    {"screenshot", 2, kRest, &Runner::Screenshot, "screenshot <place> <file.bmp below the module's folder>"},
};

Runner::Runner(const std::string& modulePath, const std::string& scenarioPath) {
    char full[MAX_PATH] = {};
    GetFullPathNameA(modulePath.c_str(), MAX_PATH, full, nullptr);
    modulePath_ = full;
    moduleFolder_ = modulePath_.substr(0, modulePath_.find_last_of('\\') + 1);
    GetFullPathNameA(scenarioPath.c_str(), MAX_PATH, full, nullptr);
    scenarioFolder_ = full;
    scenarioFolder_.erase(scenarioFolder_.find_last_of('\\') + 1);
    host_.Report = [this](const std::string& line) { transcript_.Note(line); };
}

void Runner::UseRelay(const std::string& relayPath, RelayHost host) {
    relayPath_ = relayPath;
    relayHost_ = host;
}

bool Runner::Run(const std::vector<Step>& steps) {
    std::string error;
    bool relayed = !relayPath_.empty();
    if (!host_.Create(error) || (relayed && !relayDll_.Load(relayPath_, relayHost_, host_.Handle(), error))) {
        transcript_.Fail(error);
        return transcript_.Finish();
    }
    if (relayed) relay_.UseRelay(&relayDll_);
    for (const Step& step : steps) {
        if (step.Comment) {
            transcript_.Comment(step.Text);
            continue;
        }
        transcript_.Step(step.Line, step.Text);
        Outcome outcome = RunStep(step);
        if (outcome.Passed)
            transcript_.Pass(outcome.Detail);
        else
            transcript_.Fail(outcome.Detail);
    }
    return transcript_.Finish();
}

Outcome Runner::RunStep(const Step& step) {
    std::size_t words = step.Words.size() - 1;
    for (const Verb& verb : kVerbs) {
        if (step.Words[0] != verb.Name) continue;
        if (words < verb.MinWords || (verb.MaxWords != kRest && words > verb.MaxWords))
            return {false, std::string("usage: ") + verb.Usage};
        return (this->*verb.Handler)(step);
    }
    return {false, "unknown step \"" + step.Words[0] + "\""};
}

bool Runner::WaitIdle(HWND panel) {
    // The platform handles a posted WM_SETICON after everything posted
    // before it; once the panel reports the marker icon, the events are done.
    HICON marker = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(markerFlip_++ % 2 ? IDI_APPLICATION : IDI_WINLOGO));
    if (!PostMessageA(panel, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(marker))) return !IsWindow(panel);
    return PumpUntil(
        [&] {
            if (!IsWindow(panel)) return true;
            DWORD_PTR icon = 0;
            if (!SendMessageTimeoutA(panel, WM_GETICON, ICON_SMALL, 0, SMTO_NORMAL, 100, &icon)) return false;
            return reinterpret_cast<HICON>(icon) == marker;
        },
        deadlineMs_);
}

HWND Runner::Panel() {
    if (module_.Loaded()) lastPanel_ = module_.GethWnd();
    return IsWindow(lastPanel_) ? lastPanel_ : nullptr;
}

Outcome Runner::Relay(const std::string& what, const std::function<bool(HWND)>& post) {
    HWND panel = Panel();
    if (!panel) return {false, "no panel (GethWnd is 0): the relay posts nothing"};
    if (!post(panel)) return {false, "posting " + what + " failed"};
    transcript_.Note("relay posted " + what);
    if (!WaitIdle(panel)) return {false, "the module did not handle it within " + std::to_string(deadlineMs_) + " ms"};
    return {true, std::string()};
}

Outcome Runner::WaitIdleStep(const Step&) {
    HWND panel = Panel();
    if (!panel) return {true, "no panel"};
    if (!WaitIdle(panel)) return {false, "the module's queue did not drain within " + std::to_string(deadlineMs_) + " ms"};
    return {true, std::string()};
}

std::string Runner::ModuleFile(const std::string& relative) const { return moduleFolder_ + relative; }

}  // namespace hostsim
