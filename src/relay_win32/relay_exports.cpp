// The relay's exports. The companion script calls one per IRC event with the
// host's DLL convention; LoadDll learns the host's buffer size and encoding.
// Each answers "1" when it posted and "0" when not, for $dll() to return; no
// exception leaves.
#include <windows.h>

#include "relay/relay_events.h"
#include "relay_win32/load_info.h"
#include "relay_win32/module_panel_sink.h"

namespace {

using qvs::relay::LoadInfo;
using qvs::relay::RelayEvent;

constexpr int kDataHoldsResult = 3;
constexpr int kStayLoaded = 0;
constexpr int kMayUnload = 1;
constexpr int kIdleUnload = 1;

// Set once by LoadDll on the host's thread, read on the same thread.
qvs::relay::HostProfile g_profile = qvs::relay::UnknownHostProfile();

int Answer(char* data, bool yes) {
    constexpr std::size_t kAnswerBytes = 2;
    if (data && g_profile.DataBytes >= kAnswerBytes) {
        data[0] = yes ? '1' : '0';
        data[1] = '\0';
    }
    return kDataHoldsResult;
}

int Relay(RelayEvent event, char* data) {
    bool posted = false;
    try {
        qvs::relay::GlobalPayloadAllocator allocator;
        qvs::relay::ModulePanelSink sink;
        posted = qvs::relay::RelayFromScript(event, data, g_profile, allocator, sink);
    } catch (...) {
    }
    return Answer(data, posted);
}

}  // namespace

extern "C" {

void WINAPI LoadDll(LoadInfo* info) {
    qvs::relay::HostVersion version = qvs::relay::VersionOf(info->mVersion);
    info->mKeep = TRUE;
    // Text as single-byte (UTF-8 from 7.0 on), never UTF-16.
    if (qvs::relay::HasUnicodeField(version)) info->mUnicode = FALSE;
    g_profile = qvs::relay::ProfileFor(version, qvs::relay::HasBufferSizeField(version) ? info->mBytes : 0);
}

// Loading is cheap, but an idle unload would only be followed by a reload at
// the next event: stay.
int WINAPI UnloadDll(int reason) { return reason == kIdleUnload ? kStayLoaded : kMayUnload; }

// Whether events would reach the module now: the script waits for this
// before it replays the connections and channels that already exist.
int WINAPI Ready(HWND, HWND, char* data, char*, BOOL, BOOL) { return Answer(data, qvs::relay::ModulePanelOpen()); }

#define QVS_RELAY_EXPORT(name)                                                  \
    int WINAPI name(HWND, HWND, char* data, char*, BOOL, BOOL) {                \
        return Relay(RelayEvent::name, data);                                   \
    }

QVS_RELAY_EXPORT(Connect)
QVS_RELAY_EXPORT(Disconnect)
QVS_RELAY_EXPORT(Join)
QVS_RELAY_EXPORT(Part)
QVS_RELAY_EXPORT(Text)
QVS_RELAY_EXPORT(Query)
QVS_RELAY_EXPORT(SendComplete)
QVS_RELAY_EXPORT(SendFail)
QVS_RELAY_EXPORT(OwnNick)
QVS_RELAY_EXPORT(NickChange)
QVS_RELAY_EXPORT(Reachable)
QVS_RELAY_EXPORT(ClosePanel)

}  // extern "C"
