// The event relay as the host calls it: loaded with the load record of an
// old and of a new host, each export called with the host's DLL convention
// and a data buffer of the host's size, against a stand-in of the module that
// records what arrives. Every posted record and text is checked byte for byte.
//   relay_check.exe <stand-in qvs.dll> <qvsrelay.dll>
#include <windows.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "check_tally.h"
#include "relay_win32/load_info.h"
#include "wire/server_event_wire.h"

namespace {

using HostCall = int(WINAPI*)(HWND, HWND, char*, char*, BOOL, BOOL);
using LoadHook = void(WINAPI*)(void*);

constexpr DWORD kVersion631 = 31u << 16 | 6u;
constexpr DWORD kVersion764 = 64u << 16 | 7u;
constexpr std::size_t kOldBuffer = 900;
constexpr std::size_t kNewBuffer = 10240;
constexpr unsigned char kGuard = 0xA5;

struct Posted {
    UINT Message;
    WPARAM First;
    LPARAM Payload;
};

class RelayCheck {
public:
    RelayCheck(HMODULE relay, HWND panel) : relay_(relay), panel_(panel) {}

    // Calls the export with the line in a buffer of the host's size; the
    // buffer is filled to its last byte when the line is that long.
    std::string Call(const char* name, const std::string& line, std::size_t buffer) {
        auto call = reinterpret_cast<HostCall>(reinterpret_cast<void*>(GetProcAddress(relay_, name)));
        tally.Check(call != nullptr, std::string("export ") + name);
        if (!call) return std::string();
        std::vector<char> data(buffer, '\0'), parms(buffer, '\0');
        std::memcpy(data.data(), line.data(), line.size() < buffer ? line.size() : buffer);
        int result = call(panel_, panel_, data.data(), parms.data(), TRUE, FALSE);
        tally.Check(result == 3, std::string(name) + " returns 3 (data holds the answer)");
        return std::string(data.data(), strnlen(data.data(), buffer));
    }

    std::vector<Posted> Drain() {
        std::vector<Posted> posted;
        MSG msg;
        while (PeekMessageA(&msg, panel_, WM_USER, WM_USER + 1000, PM_REMOVE))
            posted.push_back({msg.message, msg.wParam, msg.lParam});
        return posted;
    }

    // A global text: its own block, exactly the expected bytes and a terminator.
    void CheckText(const char* text, const std::string& expected, const std::string& what) {
        bool ok = text && GlobalSize(const_cast<char*>(text)) >= expected.size() + 1 &&
                  std::memcmp(text, expected.c_str(), expected.size() + 1) == 0;
        tally.Check(ok, what + ": text \"" + expected.substr(0, 40) + "\"");
        if (text) GlobalFree(const_cast<char*>(text));
    }

    template <typename Record>
    void CheckRecord(const Posted& p, const Record& expected, const std::string& what) {
        auto* record = reinterpret_cast<Record*>(p.Payload);
        bool ok = record && GlobalSize(record) >= sizeof(Record) && std::memcmp(record, &expected, sizeof(Record)) == 0;
        tally.Check(ok, what + ": record byte for byte");
    }

    // One event, one post of that message with that first parameter.
    bool ExpectOne(const std::vector<Posted>& posted, UINT message, WPARAM first, const std::string& what) {
        bool ok = posted.size() == 1 && posted[0].Message == message && posted[0].First == first;
        tally.Check(ok, what + ": one post of " + std::to_string(message));
        return ok;
    }

    qvs::CheckTally tally;

private:
    HMODULE relay_;
    HWND panel_;
};

void CheckTextEvent(RelayCheck& check, const char* name, const std::string& line, std::size_t buffer,
                    const std::string& channel, const std::string& message, const std::string& what) {
    std::string answer = check.Call(name, line, buffer);
    auto posted = check.Drain();
    check.tally.Check(answer == "1", what + ": answers 1");
    if (!check.ExpectOne(posted, qvs::kEventText, 0, what)) return;
    auto* event = reinterpret_cast<qvs::TextEvent*>(posted[0].Payload);
    qvs::TextEvent expected{7, event->ChannelText, event->Nick, event->Message, 0, 0};
    check.CheckRecord(posted[0], expected, what);
    check.CheckText(event->ChannelText, channel, what);
    check.CheckText(event->Nick, "bob", what);
    check.CheckText(event->Message, message, what);
    GlobalFree(event);
}

void CheckSendAndNick(RelayCheck& check, std::size_t buffer) {
    check.Call("SendComplete", "7 bob 51200 50000 C:\\my files\\a b.avi", buffer);
    auto posted = check.Drain();
    if (check.ExpectOne(posted, qvs::kEventSendCompleted, 0, "send completed")) {
        auto* event = reinterpret_cast<qvs::SendEvent*>(posted[0].Payload);
        check.CheckRecord(posted[0], qvs::SendEvent{7, event->Nick, event->FilePath, 51200, 50000}, "send completed");
        check.CheckText(event->Nick, "bob", "send completed");
        check.CheckText(event->FilePath, "C:\\my files\\a b.avi", "send completed");
        GlobalFree(event);
    }
    check.Call("NickChange", "7 bob robert", buffer);
    posted = check.Drain();
    if (check.ExpectOne(posted, qvs::kEventNickChange, 7, "nick change")) {
        auto* change = reinterpret_cast<qvs::NickChange*>(posted[0].Payload);
        check.CheckRecord(posted[0], qvs::NickChange{change->OldNick, change->NewNick}, "nick change");
        check.CheckText(change->OldNick, "bob", "nick change");
        check.CheckText(change->NewNick, "robert", "nick change");
        GlobalFree(change);
    }
}

void CheckPlainEvents(RelayCheck& check, std::size_t buffer) {
    const struct {
        const char* Name;
        const char* Line;
        UINT Message;
        WPARAM First;
        const char* Text;  // null: no payload
    } events[] = {
        {"Connect", "7", qvs::kEventConnect, 7, nullptr},     {"Disconnect", "7", qvs::kEventDisconnect, 7, nullptr},
        {"Join", "7 #files", qvs::kEventJoin, 7, "#files"},   {"Part", "7 #files", qvs::kEventPart, 7, "#files"},
        {"OwnNick", "7 Me2", qvs::kEventOwnNick, 7, "Me2"},   {"Reachable", "7 bob", qvs::kEventReachable, 7, "bob"},
        {"ClosePanel", "", qvs::kEventClosePanel, 0, nullptr},
    };
    for (const auto& e : events) {
        check.Call(e.Name, e.Line, buffer);
        auto posted = check.Drain();
        if (!check.ExpectOne(posted, e.Message, e.First, e.Name)) continue;
        if (e.Text)
            check.CheckText(reinterpret_cast<char*>(posted[0].Payload), e.Text, e.Name);
        else
            check.tally.Check(posted[0].Payload == 0, std::string(e.Name) + ": no payload");
    }
}

void CheckNothingWithoutPanel(RelayCheck& check, void(WINAPI* setPanel)(HWND), HWND panel, std::size_t buffer) {
    setPanel(nullptr);
    check.tally.Check(check.Call("Ready", "", buffer) == "0", "Ready answers 0 while GethWnd is 0");
    for (const char* name : {"Connect", "Join", "Text", "Query", "SendFail", "NickChange", "ClosePanel"}) {
        std::string answer = check.Call(name, "7 #files bob 1 2 x", buffer);
        check.tally.Check(answer == "0" && check.Drain().empty(), std::string(name) + ": nothing posted while GethWnd is 0");
    }
    setPanel(panel);
    check.tally.Check(check.Call("Ready", "", buffer) == "1", "Ready answers 1 with a panel");
}

void CheckHost(RelayCheck& check, std::size_t buffer, bool utf8, void(WINAPI* setPanel)(HWND), HWND panel) {
    std::string hostName = utf8 ? " (7.64)" : " (6.31)";
    const std::string odd = "$me %x | //echo \x01\x02\x1f";
    CheckTextEvent(check, "Text", "7 #files bob " + odd, buffer, "#files", odd, "channel text" + hostName);
    CheckTextEvent(check, "Query", "7 #files bob hi", buffer, "0#files", "hi", "private text" + hostName);
    std::string accented = utf8 ? "caf\xc3\xa9 \xe2\x82\xac \xe4\xb8\xad" : "caf\xe9 \x80 ?";
    CheckTextEvent(check, "Text", "7 #files bob " + accented, buffer, "#files", "caf\xe9 \x80 ?", "code page" + hostName);
    // The buffer filled to its last byte, no terminator.
    std::string head = "7 #files bob ";
    CheckTextEvent(check, "Text", head + std::string(buffer - head.size(), 'x'), buffer, "#files",
                   std::string(buffer - head.size(), 'x'), "full buffer" + hostName);
    check.tally.Check(check.Call("Connect", "7x", buffer) == "0" && check.Drain().empty(), "malformed line" + hostName);
    CheckPlainEvents(check, buffer);
    CheckSendAndNick(check, buffer);
    CheckNothingWithoutPanel(check, setPanel, panel, buffer);
}

template <typename Function>
Function Export(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::printf("usage: relay_check <stand-in qvs.dll> <qvsrelay.dll>\n");
        return 2;
    }
    HMODULE standin = LoadLibraryA(argv[1]);
    HMODULE relay = LoadLibraryA(argv[2]);
    auto setPanel = standin ? Export<void(WINAPI*)(HWND)>(standin, "SetPanel") : nullptr;
    auto loadDll = relay ? Export<LoadHook>(relay, "LoadDll") : nullptr;
    if (!setPanel || !loadDll) {
        std::printf("cannot load the stand-in or the relay\n");
        return 2;
    }
    HWND panel = CreateWindowExA(0, "STATIC", "panel", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    setPanel(panel);
    RelayCheck check(relay, panel);

    // The old record in front of bytes that must stay untouched: wherever a
    // newer field would lie.
    using qvs::relay::LoadInfo;
    alignas(LoadInfo) unsigned char old[sizeof(LoadInfo)];
    std::memset(old, kGuard, sizeof old);
    qvs::relay::LoadInfoBefore7 prefix{kVersion631, panel, FALSE};
    std::memcpy(old, &prefix, offsetof(LoadInfo, mUnicode));
    loadDll(old);
    bool untouched = true;
    for (std::size_t i = offsetof(LoadInfo, mUnicode); i < sizeof old; ++i) untouched = untouched && old[i] == kGuard;
    check.tally.Check(reinterpret_cast<LoadInfo*>(old)->mKeep == TRUE, "old host: LoadDll keeps the relay loaded");
    check.tally.Check(untouched, "old host: nothing written past the record of hosts before 7.0");
    CheckHost(check, kOldBuffer, false, setPanel, panel);

    qvs::relay::LoadInfo full{kVersion764, panel, FALSE, TRUE, 0, static_cast<DWORD>(kNewBuffer)};
    loadDll(&full);
    check.tally.Check(full.mKeep == TRUE && full.mUnicode == FALSE, "new host: kept loaded, single-byte text");
    CheckHost(check, kNewBuffer, true, setPanel, panel);
    return check.tally.Report();
}
