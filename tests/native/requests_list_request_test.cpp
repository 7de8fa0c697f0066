// List requests: the List queue, its refusals and the list file's path.
#include "requests_fixture.h"

namespace qvs {
namespace {

class ListRequestTest : public RequestsTest {
protected:
    ListRequestTest() {
        list = AddList("Movies", "!get", "@movies", kChannelWindowOnly);
        WriteListFile(list, std::string(1234, 'l'));
    }
    FileList* list = nullptr;
};

TEST_F(ListRequestTest, AListRequestQueuesTheListFileInTheModulesListQueue) {
    EXPECT_EQ(Say("bob", "@MOVIES", true), 1);
    ASSERT_EQ(state.ListQueue.Waiting.Count, 1u);
    QueueEntry* entry = state.ListQueue.Waiting.Head;
    EXPECT_EQ(std::string(entry->FilePath.c_str()), state.ConfigFolder + "Movies-20260307.txt");
    EXPECT_EQ(entry->FileSize, 1234u);
    EXPECT_EQ(entry->IsList, 1u);
    EXPECT_EQ(entry->List, list);
    EXPECT_EQ(entry->InRegularQueue, 0u);
    EXPECT_EQ(Notices(), std::vector<std::string>{Escaped(
                             R"(: \x032,15I have added\x03\x0312,15 Movies-20260307.txt \x03\x032,15as\x03\x0312,15 1 \x03\x032,15in my list queue. The send will be initiated as soon as possible.\x03)")});
    // The access mode does not apply to list requests; the query is closed.
    EXPECT_EQ(host.Executed.back(), "/close -m bob");
}

TEST_F(ListRequestTest, ASecondRequestForTheWaitingListGetsNoAnswer) {
    Say("bob", "@movies");
    host.Executed.clear();
    EXPECT_EQ(Say("Bob", "@movies"), 1);
    EXPECT_EQ(state.ListQueue.Waiting.Count, 1u);
    EXPECT_TRUE(host.Executed.empty());
}

TEST_F(ListRequestTest, AListNeverGeneratedIsQueuedWithSizeZeroAndAZippedListAsItsArchive) {
    list->TrueListName.Clear();
    Say("bob", "@movies");
    list->TrueListName.Set("Movies-20260307");
    list->Zipped = 1;
    WriteFile(state.ConfigFolder + "Movies-20260307.zip", "PK");
    Say("ann", "@movies");
    ASSERT_EQ(state.ListQueue.Waiting.Count, 2u);
    EXPECT_EQ(state.ListQueue.Waiting.Head->FileSize, 0u);
    EXPECT_EQ(std::string(state.ListQueue.Waiting.Tail->FilePath.c_str()), state.ConfigFolder + "Movies-20260307.zip");
}

TEST_F(ListRequestTest, ADisabledListQueueRefusesWithANotice) {
    state.Settings.ListQueueEnable = 0;
    Say("bob", "@movies");
    EXPECT_EQ(state.ListQueue.Waiting.Count, 0u);
    EXPECT_EQ(Notices(), std::vector<std::string>{Escaped(
                             R"(\x0312,15Sorry, I currently don't serve the list: list queue disabled.\x03)")});
}

TEST_F(ListRequestTest, AListBeingUpdatedAsksTheUserToWait) {
    list->Updating = 1;
    Say("bob", "@movies");
    EXPECT_EQ(state.ListQueue.Waiting.Count, 0u);
    EXPECT_EQ(Notices(), std::vector<std::string>{Escaped(
                             R"(\x0312,15Sorry,\x03\x032,15 Movies\x03\x0312,15 listfile is being updated. Please wait a moment and try again.\x03)")});
}

TEST_F(ListRequestTest, TheListQueueHasNoPerNickLimit) {
    config->LimitQueueSize = 1;
    config->QueueSize = 0;
    FileList* other = AddList("Music", "!m", "@music");
    WriteListFile(other, "x");
    Say("bob", "@movies");
    Say("bob", "@music");
    EXPECT_EQ(state.ListQueue.Waiting.Count, 2u);
    EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace qvs
