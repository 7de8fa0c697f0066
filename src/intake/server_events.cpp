#include "intake/server_events.h"

#include <cstring>

#include "hostlink/connections.h"
#include "intake/requester_events.h"
#include "intake/served_channels.h"
#include "persistence/queue_file.h"
#include "ports/event_memory_port.h"
#include "requests/dispatch.h"
#include "sending/completion.h"

namespace qvs {
namespace {

// Points every text field at checked, terminated text; remembers the blocks
// so they can be freed afterwards whatever the handler did.
class Payload {
public:
    Payload(ModuleState& state, void* record, std::size_t size)
        : memory_(*state.Ports.EventMemory), record_(record), valid_(record && memory_.Holds(record, size)) {}
    ~Payload() { memory_.FreeGlobal(record_); }
    bool Valid() const { return valid_; }

    // Rewrites a text field to a safe pointer, freeing its block on exit.
    void Adopt(char*& field) {
        void* block = field;
        texts_[count_++] = block;
        field = const_cast<char*>(memory_.TextOf(block));
    }
    // A relay that put one block in two fields, or the record in a field,
    // still gets each block freed once.
    void FreeTexts() {
        for (int i = 0; i < count_; ++i)
            if (texts_[i] != record_ && !FreedBefore(i)) memory_.FreeGlobal(texts_[i]);
        count_ = 0;
    }

private:
    bool FreedBefore(int index) const {
        for (int i = 0; i < index; ++i)
            if (texts_[i] == texts_[index]) return true;
        return false;
    }

    EventMemoryPort& memory_;
    void* record_;
    bool valid_;
    void* texts_[3] = {};
    int count_ = 0;
};

// A payload that is a single global text.
class GlobalText {
public:
    GlobalText(ModuleState& state, uintptr_t block)
        : memory_(*state.Ports.EventMemory), block_(reinterpret_cast<void*>(block)), text_(memory_.TextOf(block_)) {}
    ~GlobalText() { memory_.FreeGlobal(block_); }
    const char* c_str() const { return text_; }

private:
    EventMemoryPort& memory_;
    void* block_;
    const char* text_;
};

uint32_t IdOf(uintptr_t first) { return static_cast<uint32_t>(first); }

void OnPart(ModuleState& state, uint32_t connectionId, const char* channelName) {
    ServedChannel* channel = FindServedChannel(state, connectionId, channelName);
    if (!channel) return;
    if (channel->Config->SaveQueueOnExit == 1) SaveChannelQueues(state, channel);
    ReleaseServedChannel(state, channel);
}

void OnText(ModuleState& state, uintptr_t second) {
    auto* event = reinterpret_cast<TextEvent*>(second);
    Payload payload(state, event, sizeof(TextEvent));
    if (!payload.Valid()) return;
    payload.Adopt(event->ChannelText);
    payload.Adopt(event->Nick);
    payload.Adopt(event->Message);
    const char* channelName = event->ChannelText;
    if (channelName[0] == '0') {
        event->InQuery = 1;
        ++channelName;
    }
    event->ChannelText = const_cast<char*>(channelName);
    ServedChannel* channel = FindServedChannel(state, event->ConnectionId, channelName);
    if (!channel) channel = OpenServedChannel(state, event->ConnectionId, channelName);
    if (channel) DispatchTrigger(state, channel, *event);
    payload.FreeTexts();
}

void OnSendEnded(ModuleState& state, uintptr_t second, bool succeeded) {
    auto* event = reinterpret_cast<SendEvent*>(second);
    Payload payload(state, event, sizeof(SendEvent));
    if (!payload.Valid()) return;
    payload.Adopt(event->Nick);
    payload.Adopt(event->FilePath);
    CompleteSend(state, *event, succeeded);
    payload.FreeTexts();
}

// The host may announce a connection twice (its connect event and the
// replay at start can overlap): one connection id is one record.
void OnConnect(ModuleState& state, uint32_t connectionId) {
    if (!FindConnection(state, connectionId)) OpenConnection(state, connectionId);
}

void OnOwnNick(ModuleState& state, uint32_t connectionId, const char* nick) {
    Connection* connection = FindConnection(state, connectionId);
    if (!connection) return;
    for (ServedChannel* channel = connection->ServedChannels.Head; channel; channel = channel->Next)
        channel->OwnNick.Set(nick);
}

void OnNickChange(ModuleState& state, uint32_t connectionId, uintptr_t second) {
    auto* change = reinterpret_cast<NickChange*>(second);
    Payload payload(state, change, sizeof(NickChange));
    if (!payload.Valid()) return;
    payload.Adopt(change->OldNick);
    payload.Adopt(change->NewNick);
    RenameRequester(state, connectionId, *change);
    ReleaseHeldRequests(state, connectionId, change->NewNick);
    payload.FreeTexts();
}

}  // namespace

EventResult HandleServerEvent(ModuleState& state, uint32_t message, uintptr_t first, uintptr_t second) {
    switch (message) {
        case kEventJoin: {
            GlobalText channel(state, second);
            OpenServedChannel(state, IdOf(first), channel.c_str());
            return EventResult::Handled;
        }
        case kEventPart: {
            GlobalText channel(state, second);
            OnPart(state, IdOf(first), channel.c_str());
            return EventResult::Handled;
        }
        case kEventConnect: OnConnect(state, IdOf(first)); return EventResult::Handled;
        case kEventDisconnect: CloseConnection(state, IdOf(first)); return EventResult::Handled;
        case kEventText: OnText(state, second); return EventResult::Handled;
        case kEventSendCompleted: OnSendEnded(state, second, true); return EventResult::Handled;
        case kEventSendFailed: OnSendEnded(state, second, false); return EventResult::Handled;
        case kEventOwnNick: {
            GlobalText nick(state, second);
            OnOwnNick(state, IdOf(first), nick.c_str());
            return EventResult::Handled;
        }
        case kEventNickChange: OnNickChange(state, IdOf(first), second); return EventResult::Handled;
        case kEventReachable: {
            GlobalText nick(state, second);
            ReleaseHeldRequests(state, IdOf(first), nick.c_str());
            return EventResult::Handled;
        }
        case kEventClosePanel: return EventResult::ClosePanel;
        default: return EventResult::NotOurs;
    }
}

}  // namespace qvs
