#include <gtest/gtest.h>

#include "model/channel_config.h"
#include "module_fixture.h"
#include "stats/number_texts.h"
#include "stats/statistics.h"

namespace qvs {
namespace {

using StatisticsTest = ModuleTest;

TEST_F(StatisticsTest, CompletedSendsAddUpAndTheFastestIsKept) {
    ChannelConfig* config = NewChannelConfig(state, "#chan");
    for (int i = 0; i < 100; ++i) RecordCompletedSend(config, 4000000000u, 1000);
    RecordCompletedSend(config, 10, 50000);
    RecordCompletedSend(config, 10, 20000);
    EXPECT_EQ(config->NoOfFilesSent, 102u);
    EXPECT_EQ(config->SizeOfFilesSent, 400000000020ull) << "the size sum is 64-bit";
    EXPECT_EQ(config->AvgSendSpeed, 170000u);
    EXPECT_EQ(FormatSpeed(config->MaxSendSpeed), "48.82 KB/s");
}

TEST_F(StatisticsTest, CombinedStatisticsSumEveryChannel) {
    ChannelConfig* first = NewChannelConfig(state, "#one");
    ChannelConfig* second = NewChannelConfig(state, "#two");
    for (int i = 0; i < 100; ++i) RecordCompletedSend(first, 1024, 1000);
    RecordCompletedSend(second, 1048576, 50000);
    host.Answer("$bytes(1485.149,k)", "1.45");
    CombinedStatisticsTexts texts = FormatCombinedStatistics(state);
    EXPECT_EQ(texts.Files, "101");
    EXPECT_EQ(texts.Size, "1.09 MB");
    EXPECT_EQ(texts.Fastest, "48.82 KB/s");
    EXPECT_EQ(texts.Average, "1.45 KB/s");
}

TEST_F(StatisticsTest, TheAverageOfNothingIsZeroAndARefusingHostStillGetsKilobytes) {
    host.Answer("$bytes(0,k)", "0");
    EXPECT_EQ(AverageSendText(state, 0, 0), "0 KB/s");
    EXPECT_EQ(AverageSendText(state, 150000, 101), "1.45 KB/s");
}

}  // namespace
}  // namespace qvs
