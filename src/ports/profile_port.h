// INI files as the queue file uses them: one value by section and key, a
// value written, a section deleted. In the module these are the platform's
// private-profile calls (win32/private_profile.h); natively our own INI
// reader and writer (fake/ini_profile.h), which behaves the same: section
// and key names compare without regard to case, values lose their
// surrounding blanks and one pair of matching quotes, and the first of two
// sections of the same name is the one read and written.
#pragma once
#include <cstddef>
#include <string>

namespace qvs {

class ProfilePort {
public:
    virtual ~ProfilePort() = default;
    // The value, cut to capacity - 1 bytes; fallback when the section or the
    // key is missing (or the file is).
    virtual std::string GetString(const std::string& path, const std::string& section, const std::string& key,
                                  const std::string& fallback, std::size_t capacity) = 0;
    // Creates the file, the section and the key as needed.
    virtual bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    // Removes every section of that name with all its keys.
    virtual bool DeleteSection(const std::string& path, const std::string& section) = 0;
    // Writes may be held in memory until this call puts them on disk.
    virtual bool Flush(const std::string& path) = 0;
};

}  // namespace qvs
