// The module's single-byte text (Windows-1252, the code page the relay
// turns incoming UTF-8 into) as the host writes it to IRC and to the disk.
#pragma once
#include <string>

namespace hostsim::live {

std::string HostTextToUtf8(const std::string& text);
std::wstring HostTextToWide(const std::string& text);

}  // namespace hostsim::live
