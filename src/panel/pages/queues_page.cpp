#include "panel/pages/queues_page.h"

#include <cstdio>
#include <string>

#include "panel/pages/queues_page_resource.h"

namespace qvs {
namespace {

// The tabs of the three queues every channel has; the served channels follow.
constexpr int kFixedTabs = 3;
constexpr std::size_t kLabelRoom = 600;

// "network : #channel", the connection id where the network has no name.
std::string ChannelTabLabel(const ServedChannel& channel) {
    const Connection* connection = channel.Connection;
    std::string network = connection ? connection->NetworkName.c_str() : "";
    if (network.empty() && connection) network = std::to_string(static_cast<unsigned long>(connection->ConnectionId));
    char label[kLabelRoom];
    std::snprintf(label, sizeof label, "%s : %s", network.c_str(), channel.Config ? channel.Config->ChannelName.c_str() : "");
    return label;
}

}  // namespace

QueuesPage::QueuesPage(ModuleState& state)
    : TabbedDialog(IDD_PAGE_QUEUES, IDC_QUEUES_TAB), sQueue_(state), opVoiceQueue_(state) {}

bool QueuesPage::OnInit() {
    regularQueue_.ShowChannel(nullptr);
    const TabPage pages[] = {{"List Queue", &listQueue_}, {"S. Queue", &sQueue_}, {"Op/Voice Queue", &opVoiceQueue_}};
    AddPages(pages);
    AddUntabbedPage(regularQueue_);
    return false;
}

void QueuesPage::OnPageChanged(int index, HWND) {
    regularQueue_.ShowChannel(static_cast<ServedChannel*>(RecordOfTab(index)));
}

int QueuesPage::TabOfChannel(const ServedChannel* channel) const {
    for (int i = kFixedTabs; i < TabCount(); ++i)
        if (RecordOfTab(i) == channel) return i;
    return -1;
}

void QueuesPage::RebuildChannelTabs(const ChannelConfig* config) {
    int selected = SelectedTab();
    void* shown = RecordOfTab(selected);
    if (shown) ShowWindow(regularQueue_.Window(), SW_HIDE);
    DeleteTabsFrom(kFixedTabs);
    if (config)
        for (const InstanceLink* link = config->Instances.Head; link; link = link->Next)
            InsertRecordTab(TabCount(), ChannelTabLabel(*link->Channel).c_str(), regularQueue_.Window(), link->Channel);
    int kept = shown ? TabOfChannel(static_cast<ServedChannel*>(shown)) : selected;
    SelectTab(kept >= 0 && kept < TabCount() ? kept : 0);
}

// A new served channel heads its channel's list, and its tab the channel tabs.
void QueuesPage::AddChannelTab(ServedChannel* channel) {
    if (TabOfChannel(channel) < 0)
        InsertRecordTab(kFixedTabs, ChannelTabLabel(*channel).c_str(), regularQueue_.Window(), channel);
}

void QueuesPage::RemoveChannelTab(ServedChannel* channel) {
    int tab = TabOfChannel(channel);
    if (tab < 0) return;
    bool wasShown = tab == SelectedTab();
    if (wasShown) ShowWindow(regularQueue_.Window(), SW_HIDE);
    DeleteTab(tab);
    if (wasShown) SelectTab(0);
}

}  // namespace qvs
