#include "win32/private_profile.h"

#include "win32/windows_api.h"

#include <vector>

namespace qvs {

std::string PrivateProfile::GetString(const std::string& path, const std::string& section, const std::string& key,
                                      const std::string& fallback, std::size_t capacity) {
    if (capacity == 0) return std::string();
    std::vector<char> buffer(capacity, '\0');
    DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                            static_cast<DWORD>(capacity), path.c_str());
    return std::string(buffer.data(), length < capacity ? length : capacity - 1);
}

bool PrivateProfile::WriteString(const std::string& path, const std::string& section, const std::string& key,
                                 const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != 0;
}

// A section name without key or value deletes the section.
bool PrivateProfile::DeleteSection(const std::string& path, const std::string& section) {
    return WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, path.c_str()) != 0;
}

// All three names null: the platform writes its cached copy of the file.
bool PrivateProfile::Flush(const std::string& path) {
    return WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()) != 0;
}

}  // namespace qvs
