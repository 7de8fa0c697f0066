#include "live/host_text.h"

#include <windows.h>

namespace hostsim::live {
namespace {

constexpr UINT kHostCodePage = 1252;

}  // namespace

std::wstring HostTextToWide(const std::string& text) {
    if (text.empty()) return std::wstring();
    int size = static_cast<int>(text.size());
    int wide = MultiByteToWideChar(kHostCodePage, 0, text.data(), size, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(kHostCodePage, 0, text.data(), size, &result[0], wide);
    return result;
}

std::string HostTextToUtf8(const std::string& text) {
    std::wstring wide = HostTextToWide(text);
    if (wide.empty()) return std::string();
    int size = static_cast<int>(wide.size());
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, &result[0], bytes, nullptr, nullptr);
    return result;
}

}  // namespace hostsim::live
