// A channel "#chan" served on connection 1 (own nick "Server") and a host
// that models the nicks around us and its own DCC sends, for the scheduler,
// completion and supervision tests.
#pragma once
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "intake/served_channels.h"
#include "intake/server_events.h"
#include "model/channel_config.h"
#include "model/memory.h"
#include "model/names.h"
#include "model/queue_ops.h"
#include "module_fixture.h"

namespace qvs {

constexpr uint32_t kConnection = 1;

// One DCC send as the host lists it.
struct HostSend {
    std::string Nick;
    std::string Folder;
    std::string File;
    std::string Cps = "0";
};

class SendingTest : public ModuleTest {
protected:
    std::set<std::string> gone;  // nicks that share no channel with us
    std::vector<HostSend> sends;  // the host's sends, numbered from 1
    ChannelConfig* config = nullptr;
    ServedChannel* channel = nullptr;

    void SetUp() override {
        host.Answer("$scid(1).$me", "Server");
        host.Resolver = [this](const std::string& identifier, std::string& value) { return Resolve(identifier, value); };
        config = NewChannelConfig(state, "#chan");
        config->RestoreSavedQueue = 0;
        channel = OpenServedChannel(state, kConnection, "#chan");
    }

    // The platform outlives this fixture's host model and still closes the
    // sends of the channels it releases.
    void TearDown() override { host.Resolver = nullptr; }

    QueueEntry* Add(QueueKind kind, const char* nick, const char* path, uint64_t size = 100000,
                    ServedChannel* on = nullptr) {
        if (!on) on = channel;
        QueueEntry* entry = NewRecord<QueueEntry>();
        entry->Nick.Set(nick);
        entry->FilePath.Set(path);
        entry->FileSize = size;
        entry->ConnectionId = on->Connection->ConnectionId;
        entry->QueuedTime = platform.Time.UtcNow();
        entry->Channel = on;
        entry->InRegularQueue = kind == QueueKind::Regular ? 1 : 0;
        QueueOf(state, kind, on).Waiting.PushBack(entry);
        return entry;
    }

    // The send commands the host was given, in order.
    std::vector<std::string> SendCommands() const {
        std::vector<std::string> commands;
        for (const std::string& command : host.Executed)
            if (command.rfind("/SendFile", 0) == 0) commands.push_back(command);
        return commands;
    }

    std::vector<std::string> Notices() const {
        std::vector<std::string> notices;
        for (const std::string& command : host.Executed)
            if (command.find("/notice ") != std::string::npos) notices.push_back(command);
        return notices;
    }

    // The host lists a send of that path ("C:\folder\file") to that nick.
    void HostHas(const std::string& nick, const std::string& path, const std::string& cps = "0") {
        std::size_t cut = path.rfind('\\') + 1;
        sends.push_back(HostSend{nick, path.substr(0, cut), path.substr(cut), cps});
    }

    // The event relay reports the end of a send.
    void Report(const char* nick, const char* path, bool succeeded, uint32_t cps = 1000, uint32_t bytes = 100000,
                uint32_t connectionId = kConnection) {
        FakeEventMemory& memory = platform.EventMemory;
        auto* event = memory.Record<SendEvent>();
        event->ConnectionId = connectionId;
        event->Nick = memory.Text(nick);
        event->FilePath = memory.Text(path);
        event->Cps = cps;
        event->Bytes = bytes;
        HandleServerEvent(state, succeeded ? kEventSendCompleted : kEventSendFailed, 0,
                          reinterpret_cast<uintptr_t>(event));
    }

private:
    // Sends of one nick, numbered from 1 as the companion script counts them.
    std::vector<const HostSend*> SendsOf(const std::string& nick) const {
        std::vector<const HostSend*> found;
        for (const HostSend& send : sends)
            if (NamesEqual(send.Nick.c_str(), nick.c_str())) found.push_back(&send);
        return found;
    }

    bool Resolve(const std::string& identifier, std::string& value) {
        char nick[256] = {};
        unsigned id = 0, number = 0;
        if (std::sscanf(identifier.c_str(), "$GetComChan(%u, %255[^)])", &id, nick) == 2) {
            value = gone.count(nick) ? "0" : "1";
            return true;
        }
        if (identifier == "$send(0)") {
            value = std::to_string(sends.size());
            return true;
        }
        if (std::sscanf(identifier.c_str(), "$send(%u).cps", &number) == 1 && number >= 1 && number <= sends.size()) {
            value = sends[number - 1].Cps;
            return true;
        }
        if (std::sscanf(identifier.c_str(), "$GetSendCountPerNick(%u,%255[^)])", &id, nick) == 2) {
            value = std::to_string(SendsOf(nick).size());
            return true;
        }
        return ResolvePerNick(identifier, value);
    }

    bool ResolvePerNick(const std::string& identifier, std::string& value) {
        char nick[256] = {};
        unsigned id = 0, number = 0;
        enum { Folder, File, Cps } field;
        if (std::sscanf(identifier.c_str(), "$GetSendPathName(%u, %255[^,],%u)", &id, nick, &number) == 3)
            field = Folder;
        else if (std::sscanf(identifier.c_str(), "$GetSendFileName(%u ,%255[^,],%u)", &id, nick, &number) == 3)
            field = File;
        else if (std::sscanf(identifier.c_str(), "$GetSendCpsForNick(%u,%255[^,],%u)", &id, nick, &number) == 3)
            field = Cps;
        else
            return false;
        std::vector<const HostSend*> ofNick = SendsOf(nick);
        if (number < 1 || number > ofNick.size()) return false;
        const HostSend* send = ofNick[number - 1];
        value = field == Folder ? send->Folder : field == File ? send->File : send->Cps;
        return true;
    }
};

}  // namespace qvs
