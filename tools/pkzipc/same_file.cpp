#include "same_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace pkzipc {
namespace {

#ifdef _WIN32
typedef BY_HANDLE_FILE_INFORMATION Identity;

// The volume and the file's index on it name one file whatever the path.
bool IdentityOf(const std::string& path, Identity& info) {
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool known = GetFileInformationByHandle(file, &info) != 0;
    CloseHandle(file);
    return known;
}

bool SameIdentity(const Identity& a, const Identity& b) {
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
}
#else
typedef struct stat Identity;

bool IdentityOf(const std::string& path, Identity& info) { return stat(path.c_str(), &info) == 0; }

bool SameIdentity(const Identity& a, const Identity& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }
#endif

}  // namespace

bool IsSameFile(const std::string& first, const std::string& second) {
    Identity a{}, b{};
    return IdentityOf(first, a) && IdentityOf(second, b) && SameIdentity(a, b);
}

}  // namespace pkzipc
