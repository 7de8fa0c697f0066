// The settings the Options and Global pages edit: the Sharing limits that
// are mended when a field is left, the lists of words, the networks' flood
// settings and the effective hold of each queue.
#include <gtest/gtest.h>

#include <string>

#include "messaging/flood_control.h"
#include "messaging/routing.h"
#include "messaging_fixture.h"
#include "model/listed_names.h"
#include "model/network_settings.h"
#include "model/sharing_limits.h"
#include "sending/hold.h"

namespace qvs {
namespace {

constexpr uint32_t kHuge = 3000000000u;  // negative as a signed 32-bit number

TEST(SharingLimitsTest, SlotLimitsThatStopSendingBecomeTwoAndTwo) {
    struct Case {
        uint32_t Min, Max;
        bool Mended;
    };
    const Case cases[] = {{3, 1, true},     {0, 4, true},   {2, 0, true}, {0xFFFFFFFFu, 4, true},
                          {kHuge, kHuge, true}, {1, 1, false}, {2, 5, false}, {0x7FFFFFFFu, 0x7FFFFFFFu, false}};
    for (const Case& c : cases) {
        ChannelConfig config;
        config.MinSlot = c.Min;
        config.MaxSlot = c.Max;
        EXPECT_EQ(MendSlotLimits(config), c.Mended) << c.Min << " " << c.Max;
        EXPECT_EQ(config.MinSlot, c.Mended ? kDefaultSlots : c.Min);
        EXPECT_EQ(config.MaxSlot, c.Mended ? kDefaultSlots : c.Max);
    }
}

TEST(SharingLimitsTest, BatchSizeAndMaxSearchBelowOneBecomeFive) {
    for (uint32_t value : {0u, kHuge, 0xFFFFFFFFu, 1u, 0x7FFFFFFFu}) {
        ChannelConfig config;
        config.BatchSize = value;
        config.MaxFindResult = value;
        bool bad = static_cast<int32_t>(value) <= 0;
        EXPECT_EQ(MendBatchSize(config), bad) << value;
        EXPECT_EQ(MendMaxFindResult(config), bad) << value;
        EXPECT_EQ(config.BatchSize, bad ? kDefaultBatchSize : value);
        EXPECT_EQ(config.MaxFindResult, bad ? kDefaultMaxFindResult : value);
    }
}

TEST(ListedNamesTest, EachWordOnceWhateverItsCaseAndCutTo511) {
    List<NameNode> names;
    ASSERT_NE(AddListedName(names, "@find"), nullptr);
    EXPECT_EQ(AddListedName(names, "@FIND"), nullptr);
    EXPECT_EQ(AddListedName(names, ""), nullptr);
    EXPECT_EQ(AddListedName(names, nullptr), nullptr);
    std::string longWord(600, 'w');
    NameNode* cut = AddListedName(names, longWord.c_str());
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(cut->Value.Length(), kListedNameRoom);
    EXPECT_EQ(AddListedName(names, (std::string(kListedNameRoom, 'W') + "x").c_str()), nullptr)
        << "the same once cut";
    EXPECT_EQ(names.Count, 2u);
    RemoveListedName(names, FindListedName(names, "@Find"));
    ASSERT_EQ(names.Count, 1u);
    EXPECT_EQ(names.Head, cut);
    RemoveListedName(names, nullptr);
    names.ReleaseAll(DeleteRecord<NameNode>);
}

class NetworkSettingsTest : public MessagingTest {};

TEST_F(NetworkSettingsTest, ANewNetworkStartsOffWithTwoAndFifteenAndItsConnectionsUseIt) {
    Connection* efnet = Connect(1, "EFnet");
    Connection* other = Connect(2, "Undernet");
    Connection* unnamed = Connect(3, "");
    NetworkSettings* settings = AddNetworkSettings(state, "efnet");
    ASSERT_NE(settings, nullptr);
    EXPECT_STREQ(settings->NetworkName.c_str(), "efnet");
    EXPECT_EQ(settings->UseExcessFlood, 0u);
    EXPECT_EQ(settings->ExcessFloodInterval, kNewNetworkExcessFloodInterval);
    EXPECT_EQ(settings->UseTargetChange, 0u);
    EXPECT_EQ(settings->TargetChangeInterval, kNewNetworkTargetChangeInterval);
    EXPECT_EQ(efnet->Network, settings);
    EXPECT_EQ(other->Network, nullptr);
    EXPECT_EQ(unnamed->Network, nullptr);
    EXPECT_EQ(AddNetworkSettings(state, "EFNET"), nullptr);
    EXPECT_EQ(AddNetworkSettings(state, ""), nullptr);
    ASSERT_NE(AddNetworkSettings(state, "Undernet"), nullptr);
    EXPECT_EQ(state.Networks.Tail, other->Network) << "appended";
    EXPECT_EQ(Connect(4, "EFNet")->Network, settings) << "a later connection finds it by name";
}

// Commands already waiting behind a removed network's pace leave on the
// next tick instead of waiting on settings that are gone.
TEST_F(NetworkSettingsTest, RemovingANetworkWithCommandsWaitingLeavesTheConnectionWithoutPacing) {
    Connection* efnet = Connect(1, "EFnet");
    Serve(1, "#chan");
    NetworkSettings* settings = AddNetworkSettings(state, "EFnet");
    settings->UseExcessFlood = 1;
    for (const char* nick : {"a", "b", "c"}) SendNotice(state, 1, nick, "hi", "#chan");
    std::size_t before = Sent();
    RemoveNetworkSettings(state, settings);
    EXPECT_EQ(efnet->Network, nullptr);
    EXPECT_TRUE(state.Networks.Empty());
    platform.Time.Advance(2000);
    EXPECT_EQ(Sent(), before + 2);
    EXPECT_EQ(efnet->FloodTimer, 0u);
    SendNotice(state, 1, "d", "hi", "#chan");
    EXPECT_EQ(Sent(), before + 3) << "not paced any more";
}

TEST_F(NetworkSettingsTest, EffectiveHoldFollowsTheMasterSwitchThenEachQueuesFlag) {
    ChannelConfig* config = NewChannelConfig(state, "#chan");
    config->HoldRegular = 1;
    state.HoldListQueue = 1;
    struct Case {
        HoldMode Master;
        ChannelConfig* Config;
        QueueKind Kind;
        bool Held;
    };
    const Case cases[] = {
        {HoldMode::UnholdAll, config, QueueKind::Regular, false}, {HoldMode::UnholdAll, config, QueueKind::List, false},
        {HoldMode::HoldAll, config, QueueKind::OpVoice, true},    {HoldMode::HoldAll, nullptr, QueueKind::SmallFile, true},
        {HoldMode::PerQueue, config, QueueKind::Regular, true},   {HoldMode::PerQueue, config, QueueKind::SmallFile, false},
        {HoldMode::PerQueue, config, QueueKind::List, true},      {HoldMode::PerQueue, nullptr, QueueKind::List, true},
        {HoldMode::PerQueue, nullptr, QueueKind::Regular, false},
    };
    for (const Case& c : cases) {
        state.Hold = c.Master;
        EXPECT_EQ(EffectiveHold(state, c.Config, c.Kind), c.Held)
            << static_cast<int>(c.Master) << " " << static_cast<int>(c.Kind) << " " << (c.Config != nullptr);
    }
    EXPECT_EQ(HoldFlagOf(state, nullptr, QueueKind::OpVoice), nullptr);
    EXPECT_EQ(HoldFlagOf(state, config, QueueKind::OpVoice), &config->HoldOpVoice);
}

}  // namespace
}  // namespace qvs
