// A scratch folder for one test or benchmark: made fresh under the system's
// temporary folder and removed with everything in it by the standard
// library. When no folder can be made the constructor throws, which fails
// the test, instead of borrowing a folder that others share.
#pragma once
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace qvs {

class ScratchFolder {
public:
    ScratchFolder() {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::temp_directory_path(error);
        std::random_device seed;
        std::mt19937_64 names(seed());
        for (int attempt = 0; !error && attempt < kAttempts; ++attempt) {
            std::filesystem::path candidate = base / ("qvs-test-" + std::to_string(names()));
            if (std::filesystem::create_directory(candidate, error)) {
                path_ = candidate.string();
                return;
            }
        }
        throw std::runtime_error("no scratch folder could be made under the temporary folder");
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    // Names are random: a clash with a folder left by another run is retried.
    static constexpr int kAttempts = 16;
    std::string path_;
};

}  // namespace qvs
