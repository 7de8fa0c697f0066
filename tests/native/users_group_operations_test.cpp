// Changing groups, members, the pool and the channels' selections, and what
// queued requests keep when a selection goes.
#include <gtest/gtest.h>

#include "intake/served_channels.h"
#include "model/queue_ops.h"
#include "module_fixture.h"
#include "users/group_membership.h"
#include "users/group_operations.h"
#include "users/member_entry.h"

namespace qvs {
namespace {

class GroupOperationsTest : public ModuleTest {
protected:
    ChannelConfig* config = NewChannelConfig(state, "#chan");

    UserGroup* Group(const char* name, std::initializer_list<const char*> members) {
        UserGroup* group = AddUserGroup(state, name);
        for (const char* member : members) AddGroupMember(group, member);
        return group;
    }
};

TEST_F(GroupOperationsTest, PoolAndGroupNamesStayUnique) {
    ASSERT_TRUE(AddAvailableNick(state, "bob"));
    EXPECT_FALSE(AddAvailableNick(state, "Bob"));
    EXPECT_FALSE(AddAvailableNick(state, ""));
    UserGroup* friends = AddUserGroup(state, "Friends");
    UserGroup* others = AddUserGroup(state, "others");
    EXPECT_FALSE(AddUserGroup(state, "FRIENDS"));
    EXPECT_FALSE(RenameUserGroup(state, others, "friends"));
    EXPECT_TRUE(RenameUserGroup(state, friends, "FRIENDS"));  // its own name in another case
    EXPECT_EQ(platform.Panel.Messages,
              (std::vector<std::string>{"Bob is already in the Available Nick list", "Duplicate group name",
                                        "Duplicate group name"}));
    EXPECT_TRUE(AddGroupMember(others, "bob"));
    EXPECT_FALSE(AddGroupMember(others, "BOB"));
    CopyMemberToPool(state, "BOB");
    CopyMemberToPool(state, "carol");
    EXPECT_EQ(state.AvailableNicks.Count, 2u);
    RemoveAvailableNick(state, state.AvailableNicks.Head);
    EXPECT_TRUE(GroupHasMember(others, "Bob")) << "members keep their copies";
    EXPECT_EQ(std::string(AddUserGroup(state, std::string(150, 'g').c_str())->GroupName.c_str()).size(), 99u);
}

TEST_F(GroupOperationsTest, RenamingAGroupKeepsTheChannelsSelections) {
    UserGroup* friends = Group("Friends", {"bob"});
    ASSERT_TRUE(AddGroupsToChannel(state, config, {friends}).empty());
    GroupSelection* selection = config->UserGroupLinks.Head;
    selection->Priority = 1;
    ASSERT_TRUE(RenameUserGroup(state, friends, std::string(2000, 'r').c_str()));
    EXPECT_EQ(friends->GroupName.Length(), 99u);
    EXPECT_EQ(FindGroupSelection(config, "BOB"), selection);
    EXPECT_EQ(selection->Priority, 1u);
}

TEST_F(GroupOperationsTest, OverlappingGroupsAreRefusedAndDefaultsCopied) {
    state.NewGroupDefaults = {7, 3, 1, 0, kTreatVoice};
    UserGroup* a = Group("a", {"x", "y"});
    UserGroup* b = Group("b", {"Y", "z"});
    UserGroup* c = Group("c", {"w"});
    std::vector<UserGroup*> refused = AddGroupsToChannel(state, config, {a, b, c});
    EXPECT_EQ(refused, std::vector<UserGroup*>{b});
    EXPECT_EQ(platform.Panel.Messages.back(), kOverlappingGroupsMessage);
    ASSERT_EQ(config->UserGroupLinks.Count, 2u);
    const GroupSelection* first = config->UserGroupLinks.Head;
    EXPECT_EQ(first->Group, a);
    EXPECT_EQ(first->Config, config);
    EXPECT_EQ(first->QueueSize, 7u);
    EXPECT_EQ(first->BatchSize, 3u);
    EXPECT_EQ(first->Priority, 1u);
    EXPECT_EQ(first->TreatAs, uint32_t{kTreatVoice});
    // Groups changed after being added may overlap: the first selection wins.
    AddGroupMember(c, "X");
    EXPECT_EQ(FindGroupSelection(config, "x"), first);
}

TEST_F(GroupOperationsTest, DeletingAGroupLeavesItsQueuedRequestsWithoutSettings) {
    UserGroup* vip = Group("vip", {"alice"});
    ChannelConfig* other = NewChannelConfig(state, "#other");
    AddGroupsToChannel(state, config, {vip});
    AddGroupsToChannel(state, other, {vip});
    ServedChannel* channel = OpenServedChannel(state, 1, "#chan");
    std::vector<QueueEntry*> entries;
    for (Queue* queue : {&channel->Regular, &config->Small, &state.ListQueue}) {
        QueueEntry* entry = CreateMemberEntry(state, "ALICE", "C:\\a.zip", 1, 1, config);
        entry->Channel = channel;
        queue->Waiting.PushBack(entry);
        entries.push_back(entry);
    }
    QueueEntry* sending = CreateMemberEntry(state, "alice", "C:\\b.zip", 1, 1, config);
    sending->Channel = channel;
    config->OpVoice.Sending.PushBack(sending);
    entries.push_back(sending);
    for (QueueEntry* entry : entries) ASSERT_EQ(entry->Group, config->UserGroupLinks.Head);
    ASSERT_TRUE(HoldsGroup(state, vip));
    DeleteUserGroup(state, vip);
    EXPECT_FALSE(HoldsGroup(state, vip)) << "a window holding it sees it is gone";
    for (QueueEntry* entry : entries) EXPECT_EQ(entry->Group, nullptr);
    EXPECT_TRUE(config->UserGroupLinks.Empty());
    EXPECT_TRUE(other->UserGroupLinks.Empty());
    EXPECT_TRUE(state.UserGroups.Empty());
    EXPECT_EQ(channel->Regular.Waiting.Count, 1u) << "the requests stay";
}

}  // namespace
}  // namespace qvs
