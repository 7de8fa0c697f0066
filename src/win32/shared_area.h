// The host's shared memory area "mIRC": created, or opened when the host made
// it first, and mapped read/write whole.
#pragma once
#include <cstdint>

#include "win32/handles.h"

namespace qvs {

constexpr uint32_t kSharedAreaSize = 10240;
constexpr char kSharedAreaName[] = "mIRC";

class SharedArea {
public:
    // Failures leave the area unmapped; HostLink then talks to nobody.
    void Open();
    // The view first, then the mapping.
    void Release();
    char* View() const { return static_cast<char*>(view_.Get()); }

private:
    KernelHandle mapping_;
    MappedView view_;
};

}  // namespace qvs
