// The real event relay, called as the host calls it: loaded with the host's
// load record and given each event line in a data buffer of the host's size.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

namespace hostsim {

// The two kinds of host the relay must serve.
enum class RelayHost {
    Old,  // 6.31: the 12-byte load record, a 900-byte buffer, single-byte text
    New,  // 7.64: the full load record naming its buffer size, UTF-8 text
};

class RelayDll {
public:
    ~RelayDll();
    bool Load(const std::string& path, RelayHost host, HWND hostWindow, std::string& error);
    // The line (single-byte, as scenarios write it) as the host hands it:
    // UTF-8 for a new host, cut to the data buffer.
    std::string HostLine(const std::string& line) const;
    // Hands a host line to the export; true when the relay answers that it posted.
    bool Call(const char* exportName, const std::string& hostLine);

private:

    HMODULE module_ = nullptr;
    HWND hostWindow_ = nullptr;
    RelayHost host_ = RelayHost::Old;
    std::size_t bufferBytes_ = 0;
};

}  // namespace hostsim
