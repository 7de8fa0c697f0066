#include "stats/memory_display.h"

#include "ports/memory_port.h"
#include "ports/panel_port.h"
#include "stats/number_texts.h"

namespace qvs {
namespace {

constexpr uint64_t kBytesPerKilobyte = 1024;
constexpr char kNotAvailable[] = "n/a";

}  // namespace

void CheckMemory(ModuleState& state) {
    HeapUsage usage;
    if (state.Ports.Memory) usage = state.Ports.Memory->MeasureHeap();
    if (usage.End != HeapWalkEnd::Finished) {
        state.AutoMemoryCheck = 0;
        state.Ports.Panel->ShowAllocatedMemory(kNotAvailable);
        return;
    }
    state.Ports.Panel->ShowAllocatedMemory(FormatThousands(usage.AllocatedBytes / kBytesPerKilobyte).c_str());
}

void CompactMemory(ModuleState& state) {
    if (state.Ports.Memory) state.Ports.Memory->CompactHeap();
    CheckMemory(state);
}

}  // namespace qvs
