// From which windows a channel accepts requests for one of its lists.
#pragma once
#include <cstdint>

#include "model/records.h"

namespace qvs {

// The access mode of the channel's selection of that list; both windows
// when the channel does not select it.
uint32_t AccessModeOf(const ChannelConfig* config, const FileList* list);

// Whether a selection's mode lets a request from this window through.
bool AccessAllows(uint32_t accessMode, uint32_t inQuery);

}  // namespace qvs
