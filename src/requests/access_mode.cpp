#include "requests/access_mode.h"

namespace qvs {

uint32_t AccessModeOf(const ChannelConfig* config, const FileList* list) {
    for (const ListSelection* selection = config->FileListLinks.Head; selection; selection = selection->Next)
        if (selection->List == list) return selection->AccessMode;
    return kBothWindows;
}

bool AccessAllows(uint32_t accessMode, uint32_t inQuery) {
    return accessMode == kBothWindows || (accessMode == kChannelWindowOnly && inQuery != 1) ||
           (accessMode == kQueryWindowOnly && inQuery == 1);
}

}  // namespace qvs
