#include "fake/ini_profile.h"

#include <sys/stat.h>

#include <cstdio>

#include "fake/posix_files.h"

namespace qvs {
namespace {

bool ReadAll(const std::string& nativePath, std::string& bytes) {
    std::FILE* file = std::fopen(nativePath.c_str(), "rb");
    if (!file) return false;
    char block[65536];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) bytes.append(block, got);
    std::fclose(file);
    return true;
}

// Through a temporary file, so a failed write leaves the old file whole.
bool WriteAll(const std::string& nativePath, const std::string& bytes) {
    std::string temporary = nativePath + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fclose(file) == 0 && written;
    if (written && std::rename(temporary.c_str(), nativePath.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

}  // namespace

bool IniProfile::Identity::operator==(const Identity& other) const {
    return Device == other.Device && Inode == other.Inode && Size == other.Size && Seconds == other.Seconds &&
           Nanoseconds == other.Nanoseconds;
}

IniProfile::Identity IniProfile::IdentityOf(const std::string& nativePath) {
    struct stat info {};
    Identity identity;
    if (stat(nativePath.c_str(), &info) != 0) return identity;
    identity = {info.st_dev, info.st_ino, info.st_size, static_cast<long>(info.st_mtim.tv_sec),
                static_cast<long>(info.st_mtim.tv_nsec)};
    return identity;
}

IniProfile::Cached& IniProfile::Load(const std::string& path) {
    std::string native = PosixFiles::Native(path);
    Cached& cached = files_[native];
    if (cached.Pending) return cached;
    Identity now = IdentityOf(native);
    if (now == cached.Seen && now.Size >= 0) return cached;
    std::string bytes;
    ReadAll(native, bytes);
    cached.Document.Parse(bytes.data(), bytes.size());
    cached.Seen = now;
    return cached;
}

std::string IniProfile::GetString(const std::string& path, const std::string& section, const std::string& key,
                                  const std::string& fallback, std::size_t capacity) {
    return Load(path).Document.Lookup(section, key, fallback, capacity);
}

bool IniProfile::WriteString(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& value) {
    Cached& cached = Load(path);
    cached.Document.Set(section, key, value);
    cached.Pending = true;
    return true;
}

bool IniProfile::DeleteSection(const std::string& path, const std::string& section) {
    Cached& cached = Load(path);
    if (cached.Document.DeleteSection(section)) cached.Pending = true;
    return true;
}

bool IniProfile::Flush(const std::string& path) {
    std::string native = PosixFiles::Native(path);
    auto found = files_.find(native);
    if (found == files_.end() || !found->second.Pending) return true;
    Cached& cached = found->second;
    if (!WriteAll(native, cached.Document.Serialize())) return false;
    cached.Pending = false;
    cached.Seen = IdentityOf(native);
    return true;
}

}  // namespace qvs
