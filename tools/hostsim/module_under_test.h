// The module as the host sees it: a library, its exports, and the threads
// that run its code.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace hostsim {

class ModuleUnderTest {
public:
    // LoadLibrary, then LoadDll with a load record as the host fills it.
    bool Load(const std::string& path, HWND host, std::string& error);
    bool Loaded() const { return module_ != nullptr; }
    void Free();

    int InitDLL(HWND host);
    int ShowPanel(HWND host, const std::string& data);
    int ListGen(HWND host, const std::string& data);
    HWND GethWnd() const;
    void* GetValue(uint32_t selector) const;
    int UnloadDll(int reason);

    // Threads of this process that started inside the module's image; still
    // counted after Free, since a thread may outlive the host's reference.
    int CountThreads() const;
    // The folder the module file lies in, with a trailing backslash.
    const std::string& Folder() const { return folder_; }

private:
    using HostCall = int(WINAPI*)(HWND, HWND, char*, char*, BOOL, BOOL);
    int CallHost(HostCall call, HWND host, const std::string& data);

    HMODULE module_ = nullptr;
    uintptr_t imageStart_ = 0;
    uintptr_t imageEnd_ = 0;
    std::string folder_;
    HostCall initDll_ = nullptr;
    HostCall showPanel_ = nullptr;
    HostCall listGen_ = nullptr;
    HWND(WINAPI* gethWnd_)() = nullptr;
    void*(WINAPI* getValue_)(DWORD) = nullptr;
    int(WINAPI* unloadDll_)(int) = nullptr;
};

}  // namespace hostsim
