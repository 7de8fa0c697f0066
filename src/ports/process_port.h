// Starting an outside program (the list archiver) and waiting for it.
#pragma once
#include <string>

namespace qvs {

class ProcessPort {
public:
    virtual ~ProcessPort() = default;
    // Starts the command line as a new process and waits, without a time
    // limit, until it ends. False when it could not be started; how the
    // program fared once started is not reported.
    virtual bool RunAndWait(const std::string& commandLine) = 0;
};

}  // namespace qvs
