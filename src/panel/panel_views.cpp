#include "panel/panel_views.h"

namespace qvs {

void PanelViews::AddInstanceTab(ServedChannel* channel) {
    if (Shown(channel)) queues_.AddChannelTab(channel);
}

// The tab goes whatever the channel shown: the record is on its way out.
void PanelViews::RemoveInstanceTab(ServedChannel* channel) { queues_.RemoveChannelTab(channel); }

}  // namespace qvs
