// ClockPort over the platform clock.
#pragma once
#include "ports/clock_port.h"

namespace qvs {

class SystemClock final : public ClockPort {
public:
    uint64_t UtcNow() override;
    DateTime LocalNow() override;
    uint32_t TickCount() override;
};

}  // namespace qvs
