#include "module_under_test.h"

#include <tlhelp32.h>

#include <cstring>
#include <vector>

namespace hostsim {
namespace {

// The host's load record: version, main window, keep loaded, unicode.
struct LoadInfo {
    DWORD Version;
    HWND HostWindow;
    BOOL Keep;
    BOOL Unicode;
};

constexpr ULONG kThreadStartAddressClass = 9;  // ThreadQuerySetWin32StartAddress
using QueryThread = LONG(WINAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);

template <typename Function>
Function Export(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

uintptr_t StartAddressOf(QueryThread query, DWORD threadId) {
    HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, threadId);
    if (!thread) return 0;
    uintptr_t start = 0;
    if (query(thread, kThreadStartAddressClass, &start, sizeof start, nullptr) != 0) start = 0;
    CloseHandle(thread);
    return start;
}

}  // namespace

bool ModuleUnderTest::Load(const std::string& path, HWND host, std::string& error) {
    module_ = LoadLibraryA(path.c_str());
    if (!module_) {
        error = "LoadLibrary failed with error " + std::to_string(GetLastError());
        return false;
    }
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module_);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(reinterpret_cast<const char*>(module_) + dos->e_lfanew);
    imageStart_ = reinterpret_cast<uintptr_t>(module_);
    imageEnd_ = imageStart_ + nt->OptionalHeader.SizeOfImage;
    char full[MAX_PATH] = {};
    GetModuleFileNameA(module_, full, MAX_PATH);
    folder_ = full;
    folder_.erase(folder_.find_last_of('\\') + 1);

    initDll_ = Export<HostCall>(module_, "InitDLL");
    showPanel_ = Export<HostCall>(module_, "ShowPanel");
    listGen_ = Export<HostCall>(module_, "_ListGen");
    gethWnd_ = Export<HWND(WINAPI*)()>(module_, "GethWnd");
    getValue_ = Export<void*(WINAPI*)(DWORD)>(module_, "GetValue");
    unloadDll_ = Export<int(WINAPI*)(int)>(module_, "UnloadDll");
    auto loadDll = Export<void(WINAPI*)(LoadInfo*)>(module_, "LoadDll");
    if (!initDll_ || !showPanel_ || !listGen_ || !gethWnd_ || !getValue_ || !unloadDll_ || !loadDll) {
        error = "an export is missing";
        return false;
    }
    LoadInfo info{0x0007004A, host, TRUE, FALSE};
    loadDll(&info);
    if (!info.Keep) error = "LoadDll asked to be unloaded after the call";
    return info.Keep != FALSE;
}

void ModuleUnderTest::Free() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
}

int ModuleUnderTest::CallHost(HostCall call, HWND host, const std::string& data) {
    // The host hands writable buffers of its own size.
    std::vector<char> dataBuffer(4096, '\0'), parms(4096, '\0');
    std::strncpy(dataBuffer.data(), data.c_str(), dataBuffer.size() - 1);
    return call(host, host, dataBuffer.data(), parms.data(), TRUE, FALSE);
}

int ModuleUnderTest::InitDLL(HWND host) { return CallHost(initDll_, host, std::string()); }
int ModuleUnderTest::ShowPanel(HWND host, const std::string& data) { return CallHost(showPanel_, host, data); }
int ModuleUnderTest::ListGen(HWND host, const std::string& data) { return CallHost(listGen_, host, data); }
HWND ModuleUnderTest::GethWnd() const { return module_ ? gethWnd_() : nullptr; }
void* ModuleUnderTest::GetValue(uint32_t selector) const { return module_ ? getValue_(selector) : nullptr; }
int ModuleUnderTest::UnloadDll(int reason) { return unloadDll_(reason); }

int ModuleUnderTest::CountThreads() const {
    auto query = Export<QueryThread>(GetModuleHandleA("ntdll.dll"), "NtQueryInformationThread");
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (!query || snapshot == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != GetCurrentProcessId()) continue;
        uintptr_t start = StartAddressOf(query, entry.th32ThreadID);
        if (start >= imageStart_ && start < imageEnd_) ++count;
    }
    CloseHandle(snapshot);
    return count;
}

}  // namespace hostsim
