#include <gtest/gtest.h>

#include <string>

#include "messaging/routing.h"
#include "messaging_fixture.h"

namespace qvs {
namespace {

class RoutingTest : public MessagingTest {};

TEST_F(RoutingTest, PlainFormsAddressTheConnectionOrTheActiveOne) {
    Connect(3, "EFnet");
    Connect(0, "EFnet");
    SendNotice(state, 3, "bob", "Your file is on its way", "#chan");
    SendPrivateMessage(state, 3, "bob", "hello there", "#chan");
    SendPlainNotice(state, 3, "bob", "list verified");
    SendNotice(state, 0, "bob", "queued", "#chan");
    SendPrivateMessage(state, 0, "bob", "hi", "#chan");
    SendPlainNotice(state, 0, "bob", "done");
    EXPECT_EQ(host.Executed, (std::vector<std::string>{
                                 "/scid 3 /notice bob Your file is on its way",
                                 "/scid 3 /msg bob hello there",
                                 "/scid 3 /notice bob list verified",
                                 "/notice bob queued",
                                 "/msg bob hi",
                                 "/notice bob done",
                             }));
}

TEST_F(RoutingTest, MessageWithoutAKnownConnectionStillGoesOut) {
    SendNotice(state, 7, "bob", "hi", "#chan");
    ASSERT_EQ(Sent(), 1u);
    EXPECT_EQ(LastSent(), "/scid 7 /notice bob hi");
}

TEST_F(RoutingTest, NickSharingNoChannelGetsNothing) {
    Connect(3, "EFnet");
    gone.insert("bob");
    SendNotice(state, 3, "bob", "hi", "#chan");
    SendPrivateMessage(state, 3, "bob", "hi", "#chan");
    SendPlainNotice(state, 3, "bob", "hi");
    EXPECT_EQ(Sent(), 0u);
    EXPECT_EQ(host.Evaluated.back(), "$GetComChan(3, bob)");
}

TEST_F(RoutingTest, UnansweredOrNonNumericReachabilityDropsTheMessage) {
    host.Resolver = nullptr;
    SendNotice(state, 3, "refused", "hi", "#chan");
    for (const char* answer : {"0", "", "1a", "-1", " 1"}) {
        host.Answer("$GetComChan(3, bob)", answer);
        SendNotice(state, 3, "bob", "hi", "#chan");
    }
    EXPECT_EQ(Sent(), 0u);
    host.Answer("$GetComChan(3, bob)", "2");
    SendNotice(state, 3, "bob", "hi", "#chan");
    EXPECT_EQ(Sent(), 1u);
}

class UndernetTest : public MessagingTest {
protected:
    void SetUp() override {
        MessagingTest::SetUp();
        Connect(3, "uNdErNeT");
        Serve(3, "#chan");
    }
};

TEST_F(UndernetTest, VoicedOwnNickUsesTheChannelForms) {
    host.Answer("$GetOpStatus(3 ,#chan,Server)", "");
    host.Answer("$GetVoiceStatus(3,#chan,Server)", "v");
    SendNotice(state, 3, "bob", "Your file is on its way", "#chan");
    SendPrivateMessage(state, 3, "bob", "found 2 files", "#chan");
    EXPECT_EQ(host.Executed, (std::vector<std::string>{
                                 "/scid 3 /CNotice bob #chan Your file is on its way",
                                 "/scid 3 /CPrivMsg bob #chan found 2 files",
                             }));
}

TEST_F(UndernetTest, OpStatusAloneIsEnoughAndActiveConnectionHasNoScid) {
    Connect(0, "Undernet");
    Serve(0, "#chan");
    host.Answer("$GetOpStatus(0 ,#chan,Server)", "@");
    SendNotice(state, 0, "bob", "hi", "#chan");
    SendPrivateMessage(state, 0, "bob", "hi", "#chan");
    EXPECT_EQ(host.Executed, (std::vector<std::string>{"/CNotice bob #chan hi", "/CPrivMsg bob #chan hi"}));
    for (const std::string& identifier : host.Evaluated) EXPECT_EQ(identifier.find("$GetVoiceStatus"), std::string::npos);
}

TEST_F(UndernetTest, PlainFormsWhenTheChannelFormsDoNotApply) {
    host.Answer("$GetOpStatus(3 ,#chan,Server)", "");
    host.Answer("$GetVoiceStatus(3,#chan,Server)", "");
    SendNotice(state, 3, "bob", "no status", "#chan");

    host.Refuse("$GetOpStatus(3 ,#chan,Server)");
    host.Answer("$GetVoiceStatus(3,#chan,Server)", "v");
    SendNotice(state, 3, "bob", "status unknown", "#chan");

    host.Answer("$GetOpStatus(3 ,#chan,Server)", "@");
    SendPlainNotice(state, 3, "bob", "never the channel form");

    state.Settings.UseCNotice = 0;
    SendNotice(state, 3, "bob", "switched off", "#chan");
    EXPECT_EQ(host.Executed, (std::vector<std::string>{
                                 "/scid 3 /notice bob no status",
                                 "/scid 3 /notice bob status unknown",
                                 "/scid 3 /notice bob never the channel form",
                                 "/scid 3 /notice bob switched off",
                             }));
}

TEST_F(RoutingTest, ChannelFormsNeedUndernetAndAServedChannel) {
    host.Answer("$GetOpStatus(4 ,#chan,Server)", "@");
    host.Answer("$GetOpStatus(5 ,#chan,Server)", "@");
    Connect(4, "Undernet");
    Connect(5, "UndernetX");
    Serve(5, "#chan");
    SendNotice(state, 4, "bob", "hi", "#chan");
    SendNotice(state, 5, "bob", "hi", "#chan");
    EXPECT_EQ(host.Executed, (std::vector<std::string>{"/scid 4 /notice bob hi", "/scid 5 /notice bob hi"}));
}

TEST_F(RoutingTest, ChannelStatusAsksOpThenVoice) {
    host.Answer("$GetOpStatus(2 ,#a,me)", "@");
    EXPECT_EQ(HasChannelStatus(state, 2, "me", "#a"), 1u);
    host.Answer("$GetOpStatus(2 ,#b,me)", "");
    host.Answer("$GetVoiceStatus(2,#b,me)", "+");
    EXPECT_EQ(HasChannelStatus(state, 2, "me", "#b"), 1u);
    host.Answer("$GetOpStatus(2 ,#c,me)", "");
    EXPECT_EQ(HasChannelStatus(state, 2, "me", "#c"), 0u);
    host.Answer("$GetVoiceStatus(2,#d,me)", "+");
    EXPECT_EQ(HasChannelStatus(state, 2, "me", "#d"), 0u);
}

TEST(FloodIsActive, PacingOnlyWhenARuleIsOnWithADelay) {
    struct Case {
        uint32_t useExcess, excess, useTarget, target;
        bool active;
    };
    const Case cases[] = {
        {0, 0, 0, 0, false}, {1, 0, 0, 0, false}, {0, 5, 0, 9, false}, {1, 0, 1, 0, false},
        {1, 2, 0, 0, true},  {0, 0, 1, 10, true}, {1, 0, 1, 10, true}, {1, 2, 1, 0, true},
    };
    for (const Case& c : cases) {
        NetworkSettings network;
        network.UseExcessFlood = c.useExcess;
        network.ExcessFloodInterval = c.excess;
        network.UseTargetChange = c.useTarget;
        network.TargetChangeInterval = c.target;
        EXPECT_EQ(FloodIsActive(&network), c.active)
            << c.useExcess << " " << c.excess << " " << c.useTarget << " " << c.target;
    }
    EXPECT_FALSE(FloodIsActive(nullptr));
}

// Nicks, channels and texts come from the network: long, odd or hostile.
class HostileInputTest : public MessagingTest {};

TEST_F(HostileInputTest, LongTextIsCutAt1023CharactersAfterTheAddress) {
    Connect(3, "EFnet");
    std::string text(5000, 'x');
    SendNotice(state, 3, "bob", text.c_str(), "#chan");
    ASSERT_EQ(Sent(), 1u);
    EXPECT_EQ(LastSent().size(), 1023u);
    EXPECT_EQ(LastSent().rfind("/scid 3 /notice bob xxx", 0), 0u);
}

TEST_F(HostileInputTest, LongestNamesLeaveTheChannelFormIntact) {
    Connect(4294967295u, "Undernet");
    std::string channel = "#" + std::string(199, 'c');
    std::string nick(200, 'n');
    Serve(4294967295u, channel.c_str());
    host.Answer("$GetOpStatus(4294967295 ," + channel + ",Server)", "@");
    SendPrivateMessage(state, 4294967295u, nick.c_str(), std::string(3000, 't').c_str(), channel.c_str());
    ASSERT_EQ(Sent(), 1u);
    std::string address = "/scid 4294967295 /CPrivMsg " + nick + " " + channel + " ";
    EXPECT_EQ(LastSent().size(), 1023u);
    EXPECT_EQ(LastSent().compare(0, address.size(), address), 0);
}

TEST_F(HostileInputTest, ImplausibleNicksAreNeverPutInAnIdentifierOrCommand) {
    Connect(3, "EFnet");
    host.Evaluated.clear();
    const std::string nicks[] = {
        std::string(4096, 'n'), std::string(201, 'n'), "", "bob carol", "bob\x01", "bob\x1f", "bob\r\nQUIT",
        "a,b", "a)", "$me", "%var", std::string("bob\x7f"), "|",
    };
    for (const std::string& nick : nicks) {
        SendNotice(state, 3, nick.c_str(), "hi", "#chan");
        SendPrivateMessage(state, 3, nick.c_str(), "hi", "#chan");
    }
    SendPlainNotice(state, 3, nullptr, "hi");
    EXPECT_EQ(Sent(), 0u);
    EXPECT_TRUE(host.Evaluated.empty());
}

TEST_F(HostileInputTest, HighBytesAndFormattingCodesPassThrough) {
    Connect(3, "EFnet");
    std::string nick = "b\xe9\xff[o]|b";
    std::string text;
    for (int c = 1; c < 256; ++c)
        if (c != '\r' && c != '\n') text += static_cast<char>(c);
    SendNotice(state, 3, nick.c_str(), text.c_str(), "#chan");
    ASSERT_EQ(Sent(), 1u);
    EXPECT_EQ(LastSent(), "/scid 3 /notice " + nick + " " + text);
}

TEST_F(HostileInputTest, LineBreaksInTextCannotStartASecondLine) {
    Connect(3, "EFnet");
    SendPrivateMessage(state, 3, "bob", "hi\r\nPRIVMSG #chan :spam\n", "#chan");
    ASSERT_EQ(Sent(), 1u);
    EXPECT_EQ(LastSent(), "/scid 3 /msg bob hi  PRIVMSG #chan :spam ");
}

TEST_F(HostileInputTest, WordsTheHostWouldEvaluateOrSplitOnStayText) {
    Connect(3, "Undernet");
    SendNotice(state, 3, "bob", "$findfile(C:\\,*,1,run x) a|b 50% %x | quit $", "#chan");
    SendPrivateMessage(state, 0, "bob", "|$me\r\n$me", "#chan");
    SendPrivateMessage(state, 0, "bob", "a\t|\t$me\x0b%x\x01$y", "#chan");
    EXPECT_EQ(host.Executed, (std::vector<std::string>{
                                 "/scid 3 /notice bob \x02\x02$findfile(C:\\,*,1,run x) a|b 50% \x02\x02%x "
                                 "\x02\x02| quit \x02\x02$",
                                 "/msg bob \x02\x02|$me  \x02\x02$me",
                                 "/msg bob a\t\x02\x02|\t\x02\x02$me\x0b\x02\x02%x\x01\x02\x02$y",
                             }));
    Serve(3, "#chan");
    host.Answer("$GetOpStatus(3 ,#chan,Server)", "@");
    SendNotice(state, 3, "bob", "x $me", "#chan");
    EXPECT_EQ(LastSent(), "/scid 3 /CNotice bob #chan x \x02\x02$me");
}

TEST_F(HostileInputTest, OddChannelFallsBackToThePlainForm) {
    Connect(3, "Undernet");
    Serve(3, "#chan");
    host.Resolver = [](const std::string& identifier, std::string& value) {
        value = identifier.rfind("$GetComChan(", 0) == 0 ? "1" : "@";
        return true;
    };
    const std::string channels[] = {"#a b", "#a,#b", std::string(4096, '#'), "", "#x)", "|"};
    for (const std::string& channel : channels) SendNotice(state, 3, "bob", "hi", channel.c_str());
    SendNotice(state, 3, "bob", "hi", nullptr);
    EXPECT_EQ(host.Executed, std::vector<std::string>(7, "/scid 3 /notice bob hi"));
}

TEST_F(HostileInputTest, MissingTextSendsAnEmptyMessage) {
    Connect(3, "EFnet");
    SendNotice(state, 3, "bob", nullptr, "#chan");
    ASSERT_EQ(Sent(), 1u);
    EXPECT_EQ(LastSent(), "/scid 3 /notice bob ");
}

}  // namespace
}  // namespace qvs
