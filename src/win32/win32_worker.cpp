#include "win32/win32_worker.h"

#include <new>

namespace qvs {
namespace {

struct WorkerStart {
    WorkerJob Job;
    void* Context;
    HMODULE Pin;
};

DWORD WINAPI WorkerMain(void* parameter) {
    const WorkerStart start = *static_cast<WorkerStart*>(parameter);
    delete static_cast<WorkerStart*>(parameter);
    try {
        start.Job(start.Context);
    } catch (...) {
    }
    // The module may be unloading: the thread's own reference keeps its code
    // mapped until the thread has left it.
    FreeLibraryAndExitThread(start.Pin, 0);
}

HMODULE PinWorkerModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&WorkerMain), &module);
    return module;
}

}  // namespace

bool Win32Worker::StartWorker(WorkerJob job, void* context) {
    WorkerStart* start = new (std::nothrow) WorkerStart{job, context, PinWorkerModule()};
    if (!start) return false;
    DWORD id = 0;
    HANDLE thread = start->Pin ? CreateThread(nullptr, 0, WorkerMain, start, 0, &id) : nullptr;
    if (thread) {
        CloseHandle(thread);
        return true;
    }
    if (start->Pin) FreeLibrary(start->Pin);
    delete start;
    return false;
}

void Win32Worker::Prepare() {
    if (ready_) return;
    InitializeCriticalSection(&lock_);
    ready_ = true;
}

void Win32Worker::Release() {
    if (ready_) DeleteCriticalSection(&lock_);
    ready_ = false;
}

}  // namespace qvs
