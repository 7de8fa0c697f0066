// Connections with pacing settings and a host that knows which nicks share a
// channel with us, for the routing and flood-control tests.
#pragma once
#include <set>
#include <string>

#include "hostlink/connections.h"
#include "intake/served_channels.h"
#include "model/channel_config.h"
#include "model/memory.h"
#include "module_fixture.h"

namespace qvs {

class MessagingTest : public ModuleTest {
protected:
    // Nicks that have left every common channel.
    std::set<std::string> gone;

    void SetUp() override {
        host.Resolver = [this](const std::string& identifier, std::string& value) {
            const std::string prefix = "$GetComChan(";
            if (identifier.compare(0, prefix.size(), prefix) != 0) return false;
            std::string nick = identifier.substr(identifier.find(", ") + 2);
            nick.pop_back();
            value = gone.count(nick) ? "0" : "1";
            return true;
        };
    }

    Connection* Connect(uint32_t id, const char* network) {
        host.Answer(id ? "$scid(" + std::to_string(id) + ").network" : "$network", network);
        return OpenConnection(state, id);
    }

    NetworkSettings* Pace(Connection* connection, uint32_t useExcessFlood, uint32_t excessSeconds,
                          uint32_t useTargetChange, uint32_t targetSeconds) {
        auto* settings = NewRecord<NetworkSettings>();
        settings->NetworkName.Set(connection->NetworkName.c_str());
        settings->UseExcessFlood = useExcessFlood;
        settings->ExcessFloodInterval = excessSeconds;
        settings->UseTargetChange = useTargetChange;
        settings->TargetChangeInterval = targetSeconds;
        state.Networks.PushBack(settings);
        connection->Network = settings;
        return settings;
    }

    // Serves the channel on the connection with "Server" as our own nick.
    ServedChannel* Serve(uint32_t id, const char* channel) {
        host.Answer(id ? "$scid(" + std::to_string(id) + ").$me" : "$me", "Server");
        if (!FindChannelConfig(state, channel)) NewChannelConfig(state, channel);
        return OpenServedChannel(state, id, channel);
    }

    std::size_t Sent() const { return host.Executed.size(); }
    const std::string& LastSent() const { return host.Executed.back(); }
};

}  // namespace qvs
