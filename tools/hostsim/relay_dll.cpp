#include "relay_dll.h"

#include <algorithm>
#include <vector>

#include "relay_win32/load_info.h"

namespace hostsim {
namespace {

constexpr DWORD kVersion631 = 31u << 16 | 6u;  // minor in the high word
constexpr DWORD kVersion764 = 64u << 16 | 7u;
constexpr std::size_t kOldBufferBytes = 900;
constexpr std::size_t kNewBufferBytes = 10240;
constexpr UINT kSingleByteCodePage = 1252;

using HostCall = int(WINAPI*)(HWND, HWND, char*, char*, BOOL, BOOL);
using LoadHook = void(WINAPI*)(void*);

}  // namespace

RelayDll::~RelayDll() {
    if (module_) FreeLibrary(module_);
}

bool RelayDll::Load(const std::string& path, RelayHost host, HWND hostWindow, std::string& error) {
    module_ = LoadLibraryA(path.c_str());
    auto hook = module_ ? reinterpret_cast<LoadHook>(reinterpret_cast<void*>(GetProcAddress(module_, "LoadDll"))) : nullptr;
    if (!hook) {
        error = "cannot load the relay " + path + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    host_ = host;
    hostWindow_ = hostWindow;
    bufferBytes_ = host == RelayHost::Old ? kOldBufferBytes : kNewBufferBytes;
    qvs::relay::LoadInfoBefore7 old{kVersion631, hostWindow, TRUE};
    qvs::relay::LoadInfo full{kVersion764, hostWindow, TRUE, FALSE, 0, static_cast<DWORD>(kNewBufferBytes)};
    if (host == RelayHost::Old)
        hook(&old);
    else
        hook(&full);
    return true;
}

std::string RelayDll::HostLine(const std::string& line) const {
    if (host_ == RelayHost::Old || line.empty()) return line.substr(0, bufferBytes_ - 1);
    // From 7.0 on the host hands text as UTF-8.
    int wide = MultiByteToWideChar(kSingleByteCodePage, 0, line.data(), static_cast<int>(line.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(kSingleByteCodePage, 0, line.data(), static_cast<int>(line.size()), &text[0], wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, &utf8[0], bytes, nullptr, nullptr);
    return utf8.substr(0, bufferBytes_ - 1);
}

bool RelayDll::Call(const char* exportName, const std::string& hostLine) {
    auto call = reinterpret_cast<HostCall>(reinterpret_cast<void*>(GetProcAddress(module_, exportName)));
    if (!call) return false;
    std::vector<char> data(bufferBytes_, '\0'), parms(bufferBytes_, '\0');
    std::copy_n(hostLine.begin(), std::min(hostLine.size(), bufferBytes_ - 1), data.begin());
    call(hostWindow_, hostWindow_, data.data(), parms.data(), TRUE, FALSE);
    return data[0] == '1';
}

}  // namespace hostsim
