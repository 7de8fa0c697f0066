// Processes as a test scripts them: every command line is recorded and the
// test's script plays the program (or refuses to start it).
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ports/process_port.h"

namespace qvs {

class ScriptedProcesses : public ProcessPort {
public:
    bool RunAndWait(const std::string& commandLine) override {
        Started.push_back(commandLine);
        return Script ? Script(commandLine) : true;
    }
    // Plays the program; false means it could not be started.
    std::function<bool(const std::string&)> Script;
    std::vector<std::string> Started;
};

}  // namespace qvs
