#include "win32/win32_files.h"

#include "win32/windows_api.h"

#include <cstring>

#include <dbghelp.h>

#include "win32/handles.h"

namespace qvs {
namespace {

DWORD AttributesOf(const std::string& path) { return GetFileAttributesA(path.c_str()); }

HANDLE OpenForWriting(const std::string& path, DWORD disposition) {
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteWhole(HANDLE file, const char* bytes, std::size_t count) {
    while (count > 0) {
        DWORD chunk = count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(count);
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr) || written == 0) return false;
        bytes += written;
        count -= written;
    }
    return true;
}

bool WriteFrom(const std::string& path, DWORD disposition, LARGE_INTEGER offset, DWORD method, const char* bytes,
               std::size_t count) {
    KernelHandle file(OpenForWriting(path, disposition));
    if (!file.Valid()) return false;
    if (!SetFilePointerEx(file.Get(), offset, nullptr, method)) return false;
    return WriteWhole(file.Get(), bytes, count);
}

// A search handle closed with FindClose.
class FolderSearch {
public:
    FolderSearch(const std::string& pattern, WIN32_FIND_DATAA& found) : handle_(FindFirstFileA(pattern.c_str(), &found)) {}
    ~FolderSearch() {
        if (Valid()) FindClose(handle_);
    }
    FolderSearch(const FolderSearch&) = delete;
    FolderSearch& operator=(const FolderSearch&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA& found) { return FindNextFileA(handle_, &found) != 0; }

private:
    HANDLE handle_;
};

bool IsDotEntry(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

FolderItem ItemOf(const WIN32_FIND_DATAA& found) {
    FolderItem item;
    item.Name = found.cFileName;
    item.IsFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    item.IsLink = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    item.Size = item.IsFolder ? 0 : (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    return item;
}

}  // namespace

bool Win32Files::FolderExists(const std::string& path) {
    DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::CreateFolder(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

bool Win32Files::CreateEmptyFile(const std::string& path) {
    KernelHandle file(OpenForWriting(path, CREATE_ALWAYS));
    return file.Valid();
}

bool Win32Files::AppendToFile(const std::string& path, const char* bytes, std::size_t count) {
    LARGE_INTEGER end{};
    return WriteFrom(path, OPEN_ALWAYS, end, FILE_END, bytes, count);
}

bool Win32Files::WriteAt(const std::string& path, uint64_t offset, const char* bytes, std::size_t count) {
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    return WriteFrom(path, OPEN_EXISTING, position, FILE_BEGIN, bytes, count);
}

bool Win32Files::FileExists(const std::string& path) {
    DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int64_t Win32Files::FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
    return static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

bool Win32Files::DeleteFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool Win32Files::ReplaceFile(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool Win32Files::MapFile(const std::string& path, MappedFile& view) {
    view = MappedFile{};
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size)) return false;
    if (size.QuadPart == 0) return true;
    if (static_cast<uint64_t>(size.QuadPart) > static_cast<SIZE_T>(-1)) return false;
    HANDLE mapping = CreateFileMappingA(file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!mapping) return false;
    void* data = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    if (!data) {
        CloseHandle(mapping);
        return false;
    }
    view.Data = static_cast<const char*>(data);
    view.Size = static_cast<uint64_t>(size.QuadPart);
    view.Handle = mapping;
    return true;
}

void Win32Files::UnmapFile(MappedFile& view) {
    if (view.Data) UnmapViewOfFile(view.Data);
    if (view.Handle) CloseHandle(view.Handle);
    view = MappedFile{};
}

// Without following it: the attributes of a link are its own.
bool Win32Files::IsLink(const std::string& path) {
    DWORD attributes = AttributesOf(path);
    return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool Win32Files::SearchTreeForFile(const std::string& root, const std::string& name, std::string& found) {
    char result[MAX_PATH] = {};
    if (!::SearchTreeForFile(const_cast<char*>(root.c_str()), const_cast<char*>(name.c_str()), result)) return false;
    found = result;
    return true;
}

bool Win32Files::ListFolder(const std::string& folder, std::vector<FolderItem>& items) {
    items.clear();
    std::string pattern = folder;
    if (pattern.empty() || pattern.back() != '\\') pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAA found;
    FolderSearch search(pattern, found);
    if (!search.Valid()) return false;
    do {
        if (!IsDotEntry(found.cFileName)) items.push_back(ItemOf(found));
    } while (search.Next(found));
    return true;
}

}  // namespace qvs
