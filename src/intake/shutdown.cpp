#include "intake/shutdown.h"

#include "hostlink/connections.h"
#include "intake/served_channels.h"
#include "lists/list_removal.h"
#include "model/channel_config.h"
#include "model/memory.h"
#include "model/queue_ops.h"

namespace qvs {
namespace {

void ReleaseAdGroup(AdGroup* group) {
    group->Ads.ReleaseAll(DeleteRecord<Advertisement>);
    DeleteRecord(group);
}

void ReleaseUserGroup(UserGroup* group) {
    ReleaseNames(group->Members);
    DeleteRecord(group);
}

}  // namespace

void ReleaseAllConnections(ModuleState& state) {
    while (Connection* connection = state.Connections.Head) {
        while (ServedChannel* channel = connection->ServedChannels.Head) ReleaseServedChannel(state, channel);
        state.Connections.Unlink(connection);
        ReleaseConnection(state, connection);
    }
}

void ReleaseAllRecords(ModuleState& state) {
    ReleaseAllConnections(state);
    while (ChannelConfig* config = state.ChannelConfigs.Head) DeleteChannelConfig(state, config);
    ReleaseEntries(state.ListQueue.Waiting);
    ReleaseEntries(state.ListQueue.Sending);
    state.ListQueue.HeldCount = 0;
    state.FileLists.ReleaseAll(ReleaseFileList);
    // A list whose generation has not ended goes with the private heap.
    ReleaseRetiredLists(state);
    state.Networks.ReleaseAll(DeleteRecord<NetworkSettings>);
    state.AdGroups.ReleaseAll(ReleaseAdGroup);
    state.RandomFiles.ReleaseAll(DeleteRecord<RandomTextFile>);
    state.UserGroups.ReleaseAll(ReleaseUserGroup);
    ReleaseNames(state.AvailableNicks);
    state.PendingRestoration.ReleaseAll(DeleteRecord<RestorationNode>);
}

}  // namespace qvs
