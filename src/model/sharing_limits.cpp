#include "model/sharing_limits.h"

namespace qvs {
namespace {

int32_t Signed(uint32_t value) { return static_cast<int32_t>(value); }

bool MendPositive(uint32_t& value, uint32_t fallback) {
    if (Signed(value) > 0) return false;
    value = fallback;
    return true;
}

}  // namespace

bool MendSlotLimits(ChannelConfig& config) {
    if (Signed(config.MinSlot) > 0 && Signed(config.MaxSlot) > 0 && Signed(config.MaxSlot) >= Signed(config.MinSlot))
        return false;
    config.MinSlot = kDefaultSlots;
    config.MaxSlot = kDefaultSlots;
    return true;
}

bool MendBatchSize(ChannelConfig& config) { return MendPositive(config.BatchSize, kDefaultBatchSize); }

bool MendMaxFindResult(ChannelConfig& config) { return MendPositive(config.MaxFindResult, kDefaultMaxFindResult); }

}  // namespace qvs
