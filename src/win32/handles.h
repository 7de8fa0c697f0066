// Small owners of kernel objects: each closes what it holds exactly once,
// either at Release() (where the unload order matters) or when it goes.
#pragma once
#include "win32/windows_api.h"

namespace qvs {

// A kernel handle closed with CloseHandle. Null and INVALID_HANDLE_VALUE
// both mean "none".
class KernelHandle {
public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE handle) : handle_(handle) {}
    ~KernelHandle() { Release(); }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;

    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }
    void Reset(HANDLE handle) {
        Release();
        handle_ = handle;
    }
    void Release() {
        if (Valid()) CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_ = nullptr;
};

// A view of a file mapping, unmapped with UnmapViewOfFile.
class MappedView {
public:
    MappedView() = default;
    ~MappedView() { Release(); }
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;

    void* Get() const { return view_; }
    void Reset(void* view) {
        Release();
        view_ = view;
    }
    void Release() {
        if (view_) UnmapViewOfFile(view_);
        view_ = nullptr;
    }

private:
    void* view_ = nullptr;
};

// A library loaded with LoadLibraryA, freed with FreeLibrary.
class LoadedLibrary {
public:
    LoadedLibrary() = default;
    ~LoadedLibrary() { Release(); }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    HMODULE Get() const { return module_; }
    void Reset(HMODULE module) {
        Release();
        module_ = module;
    }
    void Release() {
        if (module_) FreeLibrary(module_);
        module_ = nullptr;
    }

private:
    HMODULE module_ = nullptr;
};

}  // namespace qvs
