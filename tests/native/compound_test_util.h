// Helpers shared by the compound-file tests: whole-file reads and writes as
// bytes, and a walker that reads every element of a tree.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "persistence/compound/compound_storage.h"
#include "support/read_file.h"

namespace qvs::cfbtest {

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::string bytes = ReadWholeFile(path);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
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
