// The event relay's core: the script's lines in, ServerEvent payloads out.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "relay/code_page.h"
#include "relay/host_profile.h"
#include "relay/relay_events.h"
#include "wire/server_event_wire.h"

namespace qvs::relay {
namespace {

class CountingAllocator : public PayloadAllocator {
public:
    void* Allocate(std::size_t bytes) override {
        if (failAt_ >= 0 && allocations_++ == failAt_) return nullptr;
        void* block = ::operator new(bytes);
        std::memset(block, 0, bytes);
        live_[block] = bytes;
        return block;
    }
    void Release(void* block) override {
        live_.erase(block);
        ::operator delete(block);
    }
    void FailAllocation(int index) { failAt_ = index; }
    std::size_t Live() const { return live_.size(); }
    ~CountingAllocator() override {
        for (auto& entry : live_) ::operator delete(entry.first);
    }

private:
    std::map<void*, std::size_t> live_;
    int failAt_ = -1;
    int allocations_ = 0;
};

struct Posted {
    uint32_t Message;
    uintptr_t First;
    void* Payload;
};

class RecordingSink : public EventSink {
public:
    bool Post(uint32_t message, uintptr_t first, void* payload) override {
        if (refuse) return false;
        posts.push_back({message, first, payload});
        return true;
    }
    bool refuse = false;
    std::vector<Posted> posts;
};

const HostProfile kOldHost{900, false};
const HostProfile kUnicodeHost{4150, true};

// One posted event flattened to text, so a table can name what it expects.
std::string Describe(const Posted& p) {
    std::string head = std::to_string(p.Message) + " " + std::to_string(p.First);
    switch (p.Message) {
        case kEventText: {
            auto* e = static_cast<TextEvent*>(p.Payload);
            return head + " text " + std::to_string(e->ConnectionId) + "|" + e->ChannelText + "|" + e->Nick + "|" +
                   e->Message + "|" + std::to_string(e->UserStatus) + std::to_string(e->InQuery);
        }
        case kEventSendCompleted:
        case kEventSendFailed: {
            auto* e = static_cast<SendEvent*>(p.Payload);
            return head + " send " + std::to_string(e->ConnectionId) + "|" + e->Nick + "|" + e->FilePath + "|" +
                   std::to_string(e->Cps) + "|" + std::to_string(e->Bytes);
        }
        case kEventNickChange: {
            auto* e = static_cast<NickChange*>(p.Payload);
            return head + " nick " + e->OldNick + "|" + e->NewNick;
        }
        default: return head + (p.Payload ? std::string(" \"") + static_cast<char*>(p.Payload) + "\"" : " none");
    }
}

struct Case {
    RelayEvent Event;
    std::string Line;
    std::string Expected;  // empty: nothing posted
};

void ExpectRelayed(const Case& c, const HostProfile& profile) {
    CountingAllocator memory;
    RecordingSink sink;
    std::string data = c.Line;
    bool posted = RelayFromScript(c.Event, data.c_str(), profile, memory, sink);
    SCOPED_TRACE("line \"" + c.Line + "\"");
    if (c.Expected.empty()) {
        EXPECT_FALSE(posted);
        EXPECT_TRUE(sink.posts.empty());
        EXPECT_EQ(memory.Live(), 0u);
        return;
    }
    ASSERT_TRUE(posted);
    ASSERT_EQ(sink.posts.size(), 1u);
    EXPECT_EQ(Describe(sink.posts[0]), c.Expected);
}

TEST(RelayEvents, EveryExportBuildsItsServerEvent) {
    const std::string controls = "\x01\x02\x03" "12,15\x1f\x0f";
    const std::string highBytes = "\x80\x9f\xa0\xe9\xff";
    const Case cases[] = {
        {RelayEvent::Connect, "3", "1526 3 none"},
        {RelayEvent::Disconnect, "4294967295", "1527 4294967295 none"},
        {RelayEvent::Join, "1 #files", "1524 1 \"#files\""},
        {RelayEvent::Part, "2 #a$b", "1525 2 \"#a$b\""},
        {RelayEvent::Text, "1 #files bob !files  two  blanks ", "1528 0 text 1|#files|bob|!files  two  blanks |00"},
        {RelayEvent::Text, "1 #c bob $me %x | //echo $eval(1)", "1528 0 text 1|#c|bob|$me %x | //echo $eval(1)|00"},
        {RelayEvent::Text, "1 #c bob " + controls, "1528 0 text 1|#c|bob|" + controls + "|00"},
        {RelayEvent::Text, "1 #c bob " + highBytes, "1528 0 text 1|#c|bob|" + highBytes + "|00"},
        {RelayEvent::Query, "7 #files bob @bob-help", "1528 0 text 7|0#files|bob|@bob-help|00"},
        {RelayEvent::SendComplete, "1 bob 51200 50000 C:\\my files\\a b.avi",
         "1529 0 send 1|bob|C:\\my files\\a b.avi|51200|50000"},
        {RelayEvent::SendFail, "1 bob 0 0 C:\\x.zip", "1530 0 send 1|bob|C:\\x.zip|0|0"},
        {RelayEvent::OwnNick, "1 Server2", "1531 1 \"Server2\""},
        {RelayEvent::NickChange, "1 bob robert", "1532 1 nick bob|robert"},
        {RelayEvent::Reachable, "5 bob", "1533 5 \"bob\""},
        {RelayEvent::ClosePanel, "", "1536 0 none"},
    };
    for (const Case& c : cases) ExpectRelayed(c, kOldHost);
}

TEST(RelayEvents, MalformedLinesPostNothing) {
    const Case cases[] = {
        {RelayEvent::Connect, "", ""},            {RelayEvent::Connect, "1 2", ""},
        {RelayEvent::Connect, "-1", ""},          {RelayEvent::Connect, "+1", ""},
        {RelayEvent::Connect, "1x", ""},          {RelayEvent::Connect, "4294967296", ""},
        {RelayEvent::Connect, " 1", ""},          {RelayEvent::Connect, "1 ", ""},
        {RelayEvent::Join, "1", ""},              {RelayEvent::Join, "1 #a #b", ""},
        {RelayEvent::Join, "1  #a", ""},          {RelayEvent::Join, "x #a", ""},
        {RelayEvent::Text, "1 #c bob", ""},       {RelayEvent::Text, "1 #c bob ", ""},
        {RelayEvent::Text, "#c bob hi", ""},      {RelayEvent::Query, "1 bob hi", ""},
        {RelayEvent::SendComplete, "1 bob 5 C:\\a", ""}, {RelayEvent::SendFail, "1 bob 5 x C:\\a", ""},
        {RelayEvent::NickChange, "1 bob", ""},    {RelayEvent::NickChange, "1 bob a b", ""},
        {RelayEvent::Reachable, "1 bob x", ""},   {RelayEvent::ClosePanel, "1", ""},
    };
    for (const Case& c : cases) ExpectRelayed(c, kOldHost);
}

TEST(RelayEvents, UnicodeHostTextArrivesInTheModulesCodePage) {
    const Case cases[] = {
        {RelayEvent::Text, "1 #caf\xc3\xa9 J\xc3\xb6rg \xe2\x82\xac 5 \xf0\x9f\x98\x80 \xe4\xb8\xad",
         "1528 0 text 1|#caf\xe9|J\xf6rg|\x80 5 ? ?|00"},
        {RelayEvent::SendComplete, "1 bob 1 2 C:\\\xc3\xa9t\xc3\xa9.txt", "1529 0 send 1|bob|C:\\\xe9t\xe9.txt|1|2"},
        // A sequence that is no UTF-8 is taken byte for byte.
        {RelayEvent::Reachable, "1 b\xe9x", "1533 1 \"b\xe9x\""},
        // Digits must be ASCII digits, whatever the encoding.
        {RelayEvent::Connect, "\xef\xbc\x91", ""},
    };
    for (const Case& c : cases) ExpectRelayed(c, kUnicodeHost);
}

TEST(RelayEvents, BufferFilledToTheLastByteIsReadToItsEnd) {
    for (std::size_t bytes : {900u, 4150u, 10240u}) {
        SCOPED_TRACE(bytes);
        const std::string head = "1 #c bob ";
        // Exactly the buffer, no terminator: reading past it is a fault the sanitizer reports.
        std::vector<char> buffer(bytes, 'x');
        std::copy(head.begin(), head.end(), buffer.begin());
        CountingAllocator memory;
        RecordingSink sink;
        ASSERT_TRUE(RelayFromScript(RelayEvent::Text, buffer.data(), {bytes, true}, memory, sink));
        auto* event = static_cast<TextEvent*>(sink.posts.at(0).Payload);
        EXPECT_EQ(std::string(event->Message), std::string(bytes - head.size(), 'x'));
    }
}

TEST(RelayEvents, FailedPostOrAllocationLeavesNothingBehind) {
    for (int failing = 0; failing < 5; ++failing) {
        CountingAllocator memory;
        RecordingSink sink;
        memory.FailAllocation(failing);
        bool posted = RelayFromScript(RelayEvent::SendComplete, "1 bob 1 2 C:\\a", kOldHost, memory, sink);
        EXPECT_EQ(posted, failing >= 3) << failing;  // the record and two texts
        EXPECT_EQ(memory.Live(), posted ? 3u : 0u);
    }
    CountingAllocator memory;
    RecordingSink sink;
    sink.refuse = true;
    EXPECT_FALSE(RelayFromScript(RelayEvent::Text, "1 #c bob hi", kOldHost, memory, sink));
    EXPECT_EQ(memory.Live(), 0u);
}

TEST(RelayHostProfile, VersionDecidesBufferSizeAndEncoding) {
    struct {
        uint32_t Major, Minor, SizeField;
        std::size_t Bytes;
        bool Utf8, UnicodeField;
    } const cases[] = {
        {5, 91, 99, 900, false, false},   {6, 31, 99, 900, false, false},   {6, 32, 99, 4150, false, false},
        {6, 35, 99, 4150, false, false},  {7, 0, 99, 4150, true, true},     {7, 52, 99, 4150, true, true},
        {7, 53, 99, 8292, true, true},    {7, 61, 99, 8292, true, true},    {7, 62, 99, 10340, true, true},
        {7, 63, 99, 10340, true, true},
        {7, 64, 10240, 10240, true, true}, {7, 80, 8192, 8192, true, true}, {8, 1, 20000, 20000, true, true},
    };
    for (const auto& c : cases) {
        HostVersion version = VersionOf(c.Minor << 16 | c.Major);
        SCOPED_TRACE(std::to_string(c.Major) + "." + std::to_string(c.Minor));
        EXPECT_EQ(version.Major, c.Major);
        EXPECT_EQ(ProfileFor(version, c.SizeField).DataBytes, c.Bytes);
        EXPECT_EQ(ProfileFor(version, c.SizeField).Utf8, c.Utf8);
        EXPECT_EQ(HasUnicodeField(version), c.UnicodeField);
    }
}

TEST(RelayCodePage, Utf8BecomesWindows1252) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain \x01\x1f", "plain \x01\x1f"},
        {"\xc2\xa0\xc3\xbf", "\xa0\xff"},                  // Latin-1 range as is
        {"\xe2\x80\x9c\xe2\x84\xa2\xc5\xb8", "\x93\x99\x9f"},  // the 0x80..0x9F specials
        {"\xc2\x85\xc4\xb3", "??"},                        // a C1 control, a letter the page lacks
        {"\xc0\xaf\xed\xa0\x80", "\xc0\xaf\xed\xa0\x80"},  // overlong and surrogate: not UTF-8
        {"ab\xe2\x82", "ab\xe2\x82"},                      // cut at the buffer's end
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8ToWindows1252(c.first), c.second) << c.first;
}

}  // namespace
}  // namespace qvs::relay
