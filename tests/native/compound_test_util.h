// Helpers shared by the compound-file tests: a scratch folder, whole-file
// reads and writes, and a walker that reads every element of a tree.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "persistence/compound/compound_storage.h"

namespace qvs::cfbtest {

class ScratchDir {
public:
    ScratchDir() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("qvs_cfb_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::vector<uint8_t> out;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        uint8_t chunk[65536];
        size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) out.insert(out.end(), chunk, chunk + got);
        std::fclose(f);
    }
    return out;
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

struct WalkStats {
    size_t storages = 0;
    size_t streams = 0;
    uint64_t streamBytes = 0;
    uint32_t largestStream = 0;
};

// Opens every sub-storage and reads every stream under `storage`, checking on
// the way that a stream's size and the bytes it yields agree.
inline void WalkTree(CompoundFileStorage& port, StorageObject* storage, WalkStats& stats, int depth = 0) {
    for (const auto& child : port.ListChildren(storage)) {
        if (child.isStorage) {
            StorageObject* sub = port.OpenSubStorageW(storage, child.name);
            if (!sub) continue;
            ++stats.storages;
            if (depth < 1000) WalkTree(port, sub, stats, depth + 1);
            port.ReleaseStorageObject(sub);
        } else {
            StorageObject* stream = port.OpenStreamW(storage, child.name);
            if (!stream) continue;
            ++stats.streams;
            uint32_t size = port.GetStreamSize(stream);
            std::vector<uint8_t> buffer(size_t(size) + 16, 0xA5);
            port.ReadStreamData(stream, buffer.data(), uint32_t(buffer.size()));
            for (size_t i = size; i < buffer.size(); ++i) {
                if (buffer[i] != 0xA5) std::abort();  // read past the stream's bytes
            }
            stats.streamBytes += size;
            if (size > stats.largestStream) stats.largestStream = size;
            port.ReleaseStorageObject(stream);
        }
    }
}

inline uint32_t Get32(const std::vector<uint8_t>& b, size_t off) {
    return uint32_t(b[off]) | (uint32_t(b[off + 1]) << 8) | (uint32_t(b[off + 2]) << 16) |
           (uint32_t(b[off + 3]) << 24);
}
inline void Put32(std::vector<uint8_t>& b, size_t off, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[off + i] = uint8_t(v >> (8 * i));
}
inline void Put16(std::vector<uint8_t>& b, size_t off, uint16_t v) {
    b[off] = uint8_t(v);
    b[off + 1] = uint8_t(v >> 8);
}

}  // namespace qvs::cfbtest
