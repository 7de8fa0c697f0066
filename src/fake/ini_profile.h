// The profile port on POSIX files through our own INI reader and writer.
// A parsed file is kept while it is unchanged on disk, so reading key after
// key of a long queue costs one parse; writes wait in memory for Flush.
#pragma once
#include <sys/types.h>

#include <string>
#include <unordered_map>

#include "fake/ini_document.h"
#include "ports/profile_port.h"

namespace qvs {

class IniProfile : public ProfilePort {
public:
    std::string GetString(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& fallback, std::size_t capacity) override;
    bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool DeleteSection(const std::string& path, const std::string& section) override;
    bool Flush(const std::string& path) override;

private:
    // What tells one version of a file from another.
    struct Identity {
        dev_t Device = 0;
        ino_t Inode = 0;
        off_t Size = -1;
        long Seconds = 0;
        long Nanoseconds = 0;
        bool operator==(const Identity& other) const;
    };
    struct Cached {
        IniDocument Document;
        Identity Seen;
        bool Pending = false;
    };

    static Identity IdentityOf(const std::string& nativePath);
    Cached& Load(const std::string& path);

    std::unordered_map<std::string, Cached> files_;  // by native path
};

}  // namespace qvs
