// The profile port over the platform's private-profile calls.
#pragma once
#include "ports/profile_port.h"

namespace qvs {

class PrivateProfile final : public ProfilePort {
public:
    std::string GetString(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& fallback, std::size_t capacity) override;
    bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool DeleteSection(const std::string& path, const std::string& section) override;
    bool Flush(const std::string& path) override;
};

}  // namespace qvs
