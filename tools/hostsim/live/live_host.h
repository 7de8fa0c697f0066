// hostsim as a real IRC client: the module and the real event relay loaded
// as the host loads them, one connection to an IRC server, and the host's
// part of the companion script played on live traffic. Events reach the
// relay as the script hands them, identifiers are answered from the live
// channels and send windows, the module's commands go out as real NOTICE
// and PRIVMSG lines and real DCC SENDs listening on 127.0.0.1.
#pragma once
// Winsock before anything that brings in <windows.h>.
#include <winsock2.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host_model.h"
#include "host_window.h"
#include "live/control_input.h"
#include "live/identifier_call.h"
#include "live/irc_connection.h"
#include "live/irc_message.h"
#include "live/send_windows.h"
#include "module_under_test.h"
#include "relay_dll.h"

namespace hostsim::live {

// The one connection the live host makes.
constexpr uint32_t kLiveConnectionId = 1;

struct LiveOptions {
    std::string Module;
    std::string Relay;
    std::string Server;
    uint16_t Port = 0;
    std::string Nick;
    std::vector<std::string> Channels;
    std::vector<std::string> ListGens;  // lists made before connecting
    bool CloseFinished = false;  // a send window closes as soon as its send completed
    bool Verbose = false;        // evaluations in the transcript too
    bool Quiet = false;          // no relay calls and commands in the transcript (load runs)
};

// One of the script's send aliases as the module called it.
struct SendRequest {
    std::string Connection;  // as written: the script checks it
    std::string Nick;
    std::string Path;
    unsigned long LimitKilobytes;  // per second; 0: no limit
};

// hostsim.exe <qvs.dll> live <qvsrelay.dll> <server> <port> <nick> <#channel>[,<#channel>...]
//             [--listgen <list>]... [--close-finished] [--verbose | --quiet]
bool ParseLiveOptions(int argc, char** argv, LiveOptions& options, std::string& error);

// The live mode's entry: 0 after a clean quit, 1 when starting failed, 2 for bad arguments.
int RunLive(int argc, char** argv);

class LiveHost {
public:
    explicit LiveHost(const LiveOptions& options) : options_(options) {}
    // 0 after a clean quit, 1 when starting failed.
    int Run();

private:
    using Handler = void (LiveHost::*)(const IrcMessage&);
    struct IrcVerb {
        const char* Command;
        Handler Handle;
    };
    static const IrcVerb kIrcVerbs[];

    bool Start(std::string& error);
    bool GenerateLists(std::string& error);
    void Loop();
    void Stop();
    void Note(const std::string& line) const;
    uint64_t Now() const;

    // IRC traffic, turned into the relay's calls as the companion script does.
    void OnLine(const std::string& line);
    void OnPing(const IrcMessage& message);
    void OnWelcome(const IrcMessage& message);
    void OnSupport(const IrcMessage& message);
    void OnMotdEnd(const IrcMessage& message);
    void OnNickInUse(const IrcMessage& message);
    void OnJoin(const IrcMessage& message);
    void OnNames(const IrcMessage& message);
    void OnPart(const IrcMessage& message);
    void OnKick(const IrcMessage& message);
    void OnQuit(const IrcMessage& message);
    void OnNick(const IrcMessage& message);
    void OnMode(const IrcMessage& message);
    void OnPrivmsg(const IrcMessage& message);
    void OnError(const IrcMessage& message);
    void LeftChannel(const std::string& channel);
    void Disconnected(const std::string& reason);
    void Relay(const char* exportName, const std::string& line);
    std::string FirstCommonChannel(const std::string& nick) const;

    // The module's commands, run as the host and the script's aliases run them.
    void Execute(const std::string& command);
    void Say(const char* verb, uint32_t id, const std::string& rest);
    void SendFile(const SendRequest& request);
    void StartSend(uint32_t id, const std::string& nick, const std::string& path, uint64_t limitBytes);
    void CloseWindow(uint32_t scid, const std::string& rest);
    void ReportEnd(const SendWindow& window, bool completed);
    void PollSends();

    // Identifiers, answered from the live state as the script answers them.
    bool Answer(const std::string& identifier, std::string& value);
    bool AnswerSendCall(const std::string& identifier, std::string& value);
    bool AnswerSendList(const IdentifierCall& call, std::string& value);
    bool AnswerNickSend(const IdentifierCall& call, std::string& value);
    bool AnswerSendOf(const std::string& name, const SendWindow& window, std::string& value);
    bool ScriptConnection(const std::string& text, uint32_t& id) const;

    void OnControl(const std::string& line);
    void NoteMemory() const;

    LiveOptions options_;
    HostModel model_;
    ScriptFollower script_{model_};
    HostWindow window_{model_, script_};
    ModuleUnderTest module_;
    RelayDll relay_;
    IrcConnection irc_;
    SendWindows sends_;
    ControlInput* control_ = nullptr;
    std::string me_;
    std::string network_;
    std::vector<std::string> channels_;  // joined, in join order
    bool online_ = false;
    bool quit_ = false;
    uint64_t relayCalls_ = 0;
    uint64_t commands_ = 0;
};

}  // namespace hostsim::live
