#include "win32/win32_processes.h"

#include "win32/windows_api.h"

#include <vector>

#include "win32/handles.h"

namespace qvs {

// No inherited handles, no creation flags, our own start-up information and
// current folder: the program runs as a plain child of the host.
bool Win32Processes::RunAndWait(const std::string& commandLine) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');  // CreateProcessA may write into its command line
    STARTUPINFOA startup{};
    GetStartupInfoA(&startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return false;
    KernelHandle process(started.hProcess);
    KernelHandle thread(started.hThread);
    WaitForSingleObject(process.Get(), INFINITE);
    return true;
}

}  // namespace qvs
