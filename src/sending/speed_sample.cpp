#include "sending/speed_sample.h"

#include "hostlink/text_routines.h"
#include "ports/panel_port.h"
#include "sending/host_sends.h"

namespace qvs {

uint32_t SampleTotalSpeed(ModuleState& state) {
    uint32_t total = 0;
    for (const SendSpeedReading& reading : ReadHostSendSpeeds(state))
        if (reading.Answered && reading.Cps != kInvalidNumber) total += reading.Cps;
    state.Ports.Panel->ShowGlobalSendSpeed(total);
    uint32_t& slot = state.SpeedSampleSlot;
    state.SpeedSamples[slot] = total;
    slot = (slot + 1) % 3;
    return total;
}

}  // namespace qvs
