#include "fake/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "model/names.h"

namespace qvs {
namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Depth-first, like the platform's tree search; bounded depth keeps link loops out.
bool SearchFolder(const std::string& folder, const std::string& name, std::string& found, int depth) {
    if (depth > 32) return false;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return false;
    bool hit = false;
    std::string sub;
    while (!hit) {
        dirent* item = readdir(dir);
        if (!item) break;
        std::string entry = item->d_name;
        if (entry == "." || entry == "..") continue;
        std::string path = folder + "/" + entry;
        if (IsFolder(path))
            hit = SearchFolder(path, name, found, depth + 1);
        else if (NamesEqual(entry.c_str(), name.c_str())) {
            found = path;
            hit = true;
        }
    }
    closedir(dir);
    return hit;
}

bool IsLinkEntry(int folder, const dirent* item) {
    if (item->d_type != DT_UNKNOWN) return item->d_type == DT_LNK;
    struct stat info {};
    return fstatat(folder, item->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(info.st_mode);
}

// Only plain files and folders are entries: a pipe or device in a served
// folder would stall whoever opened it. A dangling link has no target.
bool DescribeEntry(int folder, const dirent* item, FolderItem& entry) {
    struct stat info {};
    if (fstatat(folder, item->d_name, &info, 0) != 0) return false;
    if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) return false;
    entry.Name = item->d_name;
    entry.IsFolder = S_ISDIR(info.st_mode);
    entry.Size = entry.IsFolder ? 0 : static_cast<uint64_t>(info.st_size);
    entry.IsLink = IsLinkEntry(folder, item);
    return true;
}

#ifdef MAP_POPULATE
constexpr int kPrefault = MAP_POPULATE;
#else
constexpr int kPrefault = 0;
#endif

}  // namespace

std::string PosixFiles::Native(const std::string& path) {
    std::string native = path;
    for (char& c : native)
        if (c == '\\') c = '/';
    return native;
}

bool PosixFiles::FolderExists(const std::string& path) { return IsFolder(Native(path)); }
bool PosixFiles::CreateFolder(const std::string& path) { return mkdir(Native(path).c_str(), 0755) == 0; }

bool PosixFiles::CreateEmptyFile(const std::string& path) {
    int fd = open(Native(path).c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
    if (fd < 0) return false;
    close(fd);
    return true;
}

bool PosixFiles::AppendToFile(const std::string& path, const char* bytes, std::size_t count) {
    std::FILE* file = std::fopen(Native(path).c_str(), "ab");
    if (!file) return false;
    bool written = std::fwrite(bytes, 1, count, file) == count;
    return std::fclose(file) == 0 && written;
}

bool PosixFiles::WriteAt(const std::string& path, uint64_t offset, const char* bytes, std::size_t count) {
    int fd = open(Native(path).c_str(), O_WRONLY);
    if (fd < 0) return false;
    bool written = pwrite(fd, bytes, count, static_cast<off_t>(offset)) == static_cast<ssize_t>(count);
    return close(fd) == 0 && written;
}

bool PosixFiles::FileExists(const std::string& path) { return IsFile(Native(path)); }

int64_t PosixFiles::FileSize(const std::string& path) {
    struct stat info {};
    if (stat(Native(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    return static_cast<int64_t>(info.st_size);
}

bool PosixFiles::DeleteFile(const std::string& path) { return unlink(Native(path).c_str()) == 0; }

bool PosixFiles::ReplaceFile(const std::string& from, const std::string& to) {
    return std::rename(Native(from).c_str(), Native(to).c_str()) == 0;
}

// Mapped read-only like the Windows adapter, so lookups and searches run
// the same path natively and in the module. The pages are faulted in by
// the one mapping call: taking them one fault at a time costs more than
// the scan. List files are replaced by rename, never cut in place, so the
// view stays whole while it is open.
bool PosixFiles::MapFile(const std::string& path, MappedFile& view) {
    view = MappedFile{};
    int fd = open(Native(path).c_str(), O_RDONLY);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok && info.st_size > 0) ok = MapWhole(fd, static_cast<std::size_t>(info.st_size), view);
    close(fd);
    return ok;
}

bool PosixFiles::MapWhole(int fd, std::size_t size, MappedFile& view) {
    void* data = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | kPrefault, fd, 0);
    if (data == MAP_FAILED) return false;
    view.Data = static_cast<const char*>(data);
    view.Size = size;
    view.Handle = reinterpret_cast<void*>(size);
    return true;
}

void PosixFiles::UnmapFile(MappedFile& view) {
    if (view.Data) munmap(const_cast<char*>(view.Data), reinterpret_cast<std::size_t>(view.Handle));
    view = MappedFile{};
}

bool PosixFiles::IsLink(const std::string& path) {
    struct stat info {};
    return lstat(Native(path).c_str(), &info) != 0 || S_ISLNK(info.st_mode);
}

bool PosixFiles::SearchTreeForFile(const std::string& root, const std::string& name, std::string& found) {
    std::string folder = Native(root);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return SearchFolder(folder, name, found, 0);
}

bool PosixFiles::ListFolder(const std::string& folder, std::vector<FolderItem>& items) {
    items.clear();
    DIR* dir = opendir(Native(folder).c_str());
    if (!dir) return false;
    FolderItem entry;
    while (const dirent* item = readdir(dir)) {
        if (std::strcmp(item->d_name, ".") == 0 || std::strcmp(item->d_name, "..") == 0) continue;
        if (DescribeEntry(dirfd(dir), item, entry)) items.push_back(entry);
    }
    closedir(dir);
    return true;
}

}  // namespace qvs
