// The Sharing page's numbers that must stay positive: a field left with a
// value that would stop every send or search gets its default back. Values
// compare as signed 32-bit numbers, so a huge typed number counts as below 0.
#pragma once
#include "model/records.h"

namespace qvs {

constexpr uint32_t kDefaultSlots = 2;
constexpr uint32_t kDefaultBatchSize = 5;
constexpr uint32_t kDefaultMaxFindResult = 5;

// Each returns true when it had to mend the setting.
// MinSlot or MaxSlot not positive, or MaxSlot below MinSlot: both become 2.
bool MendSlotLimits(ChannelConfig& config);
bool MendBatchSize(ChannelConfig& config);
bool MendMaxFindResult(ChannelConfig& config);

}  // namespace qvs
