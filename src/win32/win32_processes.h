// ProcessPort over CreateProcessA.
#pragma once
#include "ports/process_port.h"

namespace qvs {

class Win32Processes final : public ProcessPort {
public:
    bool RunAndWait(const std::string& commandLine) override;
};

}  // namespace qvs
