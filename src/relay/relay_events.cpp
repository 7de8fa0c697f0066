#include "relay/relay_events.h"

#include <vector>

#include "relay/payload_blocks.h"
#include "relay/script_arguments.h"
#include "wire/server_event_wire.h"

namespace qvs::relay {
namespace {

// '0' in front of the channel tells the module the text came privately.
constexpr char kQueryMark = '0';

struct Built {
    uint32_t Message;
    uintptr_t First;
    void* Payload;
};

using Builder = bool (*)(const Arguments&, uint32_t message, PayloadBlocks&, Built&);

bool Bare(const Arguments& args, uint32_t message, PayloadBlocks&, Built& built) {
    built = {message, args.Numbers.empty() ? 0u : args.Numbers[0], nullptr};
    return true;
}

bool WithText(const Arguments& args, uint32_t message, PayloadBlocks& blocks, Built& built) {
    built = {message, args.Numbers[0], blocks.Text(args.Texts[0])};
    return blocks.Complete();
}

bool TextRecord(const std::string& channelText, const Arguments& args, PayloadBlocks& blocks, Built& built) {
    auto* event = blocks.RecordBlock<TextEvent>();
    char* channel = blocks.Text(channelText);
    char* nick = blocks.Text(args.Texts[1]);
    char* message = blocks.Text(args.Texts[2]);
    if (!blocks.Complete()) return false;
    *event = TextEvent{args.Numbers[0], channel, nick, message, kStatusRegular, 0};
    built = {kEventText, 0, event};
    return true;
}

bool ChannelText(const Arguments& args, uint32_t, PayloadBlocks& blocks, Built& built) {
    return TextRecord(args.Texts[0], args, blocks, built);
}

bool QueryText(const Arguments& args, uint32_t, PayloadBlocks& blocks, Built& built) {
    return TextRecord(kQueryMark + args.Texts[0], args, blocks, built);
}

bool SendEnded(const Arguments& args, uint32_t message, PayloadBlocks& blocks, Built& built) {
    auto* event = blocks.RecordBlock<SendEvent>();
    char* nick = blocks.Text(args.Texts[0]);
    char* path = blocks.Text(args.Texts[1]);
    if (!blocks.Complete()) return false;
    *event = SendEvent{args.Numbers[0], nick, path, args.Numbers[1], args.Numbers[2]};
    built = {message, 0, event};
    return true;
}

bool Renamed(const Arguments& args, uint32_t message, PayloadBlocks& blocks, Built& built) {
    auto* change = blocks.RecordBlock<NickChange>();
    char* from = blocks.Text(args.Texts[0]);
    char* to = blocks.Text(args.Texts[1]);
    if (!blocks.Complete()) return false;
    *change = NickChange{from, to};
    built = {message, args.Numbers[0], change};
    return true;
}

struct EventShape {
    RelayEvent Event;
    uint32_t Message;
    std::vector<Field> Fields;
    Builder Build;
};

const std::vector<EventShape>& Shapes() {
    using F = Field;
    static const std::vector<EventShape> shapes = {
        {RelayEvent::Connect, kEventConnect, {F::Number}, Bare},
        {RelayEvent::Disconnect, kEventDisconnect, {F::Number}, Bare},
        {RelayEvent::Join, kEventJoin, {F::Number, F::Word}, WithText},
        {RelayEvent::Part, kEventPart, {F::Number, F::Word}, WithText},
        {RelayEvent::Text, kEventText, {F::Number, F::Word, F::Word, F::FreeText}, ChannelText},
        {RelayEvent::Query, kEventText, {F::Number, F::Word, F::Word, F::FreeText}, QueryText},
        {RelayEvent::SendComplete, kEventSendCompleted, {F::Number, F::Word, F::Number, F::Number, F::FreeText}, SendEnded},
        {RelayEvent::SendFail, kEventSendFailed, {F::Number, F::Word, F::Number, F::Number, F::FreeText}, SendEnded},
        {RelayEvent::OwnNick, kEventOwnNick, {F::Number, F::Word}, WithText},
        {RelayEvent::NickChange, kEventNickChange, {F::Number, F::Word, F::Word}, Renamed},
        {RelayEvent::Reachable, kEventReachable, {F::Number, F::Word}, WithText},
        {RelayEvent::ClosePanel, kEventClosePanel, {}, Bare},
    };
    return shapes;
}

const EventShape* ShapeOf(RelayEvent event) {
    for (const EventShape& shape : Shapes())
        if (shape.Event == event) return &shape;
    return nullptr;
}

}  // namespace

bool RelayFromScript(RelayEvent event, const char* data, const HostProfile& profile, PayloadAllocator& allocator,
                     EventSink& sink) {
    const EventShape* shape = ShapeOf(event);
    Arguments args;
    if (!shape || !ReadArguments(DataText(data, profile), shape->Fields, args)) return false;
    PayloadBlocks blocks(allocator);
    Built built{};
    if (!shape->Build(args, shape->Message, blocks, built)) return false;
    if (!sink.Post(built.Message, built.First, built.Payload)) return false;
    blocks.HandOver();
    return true;
}

}  // namespace qvs::relay
