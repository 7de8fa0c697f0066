// Writes a compound file with our own writer (through the storage port) and
// a manifest of what it holds, for checks by independent readers
// (tests/native/olefile_check.py).
//
// Usage: compound_sample OUT.dat MANIFEST.txt
// Manifest lines: "storage <path>" or "stream <path> <size> <hex of bytes>",
// paths joined with '/', names as UTF-8.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "persistence/compound/compound_storage.h"

namespace {

qvs::CompoundFileStorage port;
std::FILE* manifest = nullptr;

// Windows-1252 bytes to UTF-8 for the manifest (only the bytes used below).
std::string Utf8(const std::string& ansi) {
    std::string out;
    for (unsigned char c : ansi) {
        if (c < 0x80) {
            out.push_back(char(c));
        } else if (c == 0x9A) {
            out += "\xC5\xA1";  // U+0161
        } else {
            out.push_back(char(0xC0 | (c >> 6)));
            out.push_back(char(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::string Join(const std::string& parent, const std::string& name) {
    return parent.empty() ? Utf8(name) : parent + "/" + Utf8(name);
}

void Stream(qvs::StorageObject* storage, const std::string& parent, const std::string& name,
            const std::vector<unsigned char>& bytes) {
    qvs::StorageObject* s = port.CreateStream(storage, name.c_str());
    if (!s) {
        std::fprintf(stderr, "cannot create stream %s\n", name.c_str());
        std::exit(2);
    }
    if (!bytes.empty()) port.WriteStreamData(s, bytes.data(), uint32_t(bytes.size()));
    port.ReleaseStorageObject(s);
    std::fprintf(manifest, "stream %s %zu ", Join(parent, name).c_str(), bytes.size());
    for (unsigned char b : bytes) std::fprintf(manifest, "%02x", b);
    std::fprintf(manifest, "\n");
}

qvs::StorageObject* Storage(qvs::StorageObject* parent, const std::string& parentPath, const std::string& name) {
    qvs::StorageObject* s = port.CreateSubStorage(parent, name.c_str());
    if (!s) {
        std::fprintf(stderr, "cannot create storage %s\n", name.c_str());
        std::exit(2);
    }
    std::fprintf(manifest, "storage %s\n", Join(parentPath, name).c_str());
    return s;
}

std::vector<unsigned char> Dword(uint32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}
std::vector<unsigned char> Text(const std::string& t) {
    std::vector<unsigned char> out(t.begin(), t.end());
    out.push_back(0);
    return out;
}
std::vector<unsigned char> Pattern(size_t size, unsigned seed) {
    std::vector<unsigned char> out(size);
    for (size_t i = 0; i < size; ++i) out[i] = uint8_t((i * 131 + seed * 7 + (i >> 9)) & 0xFF);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: compound_sample OUT.dat MANIFEST.txt\n");
        return 2;
    }
    manifest = std::fopen(argv[2], "w");
    if (!manifest) return 2;
    qvs::StorageObject* root = port.CreateFile(argv[1]);
    if (!root) return 2;

    Stream(root, "", "Threshold", Dword(2500));
    Stream(root, "", "ChannelNo", Dword(2));
    Stream(root, "", "Empty", {});
    for (size_t size : {1, 63, 64, 65, 4095, 4096, 4097, 10000}) {
        Stream(root, "", "Size" + std::to_string(size), Pattern(size, unsigned(size)));
    }
    Stream(root, "", "Caf\xE9 \x9Akoda", Text("latin"));
    Stream(root, "", std::string(31, 'L'), Dword(31));
    // Past 109 FAT sectors: the file needs a DIFAT sector.
    Stream(root, "", "Big", Pattern(7500000, 3));

    qvs::StorageObject* channel = Storage(root, "", "1");
    Stream(channel, "1", "ChannelName", Text("#files"));
    Stream(channel, "1", "SizeOfFilesSent", {1, 2, 3, 4, 5, 6, 7, 8});
    qvs::StorageObject* list = Storage(channel, "1", "List");
    Stream(list, "1/List", "1", Text("Movies"));
    Stream(list, "1/List", "1_Option", Dword(3));
    port.ReleaseStorageObject(list);
    qvs::StorageObject* search = Storage(channel, "1", "SearchTrigger");
    port.ReleaseStorageObject(search);
    port.ReleaseStorageObject(channel);

    // Enough entries for many directory sectors and deep sibling trees.
    qvs::StorageObject* many = Storage(root, "", "2");
    for (uint32_t i = 1; i <= 150; ++i) Stream(many, "2", std::to_string(i), Dword(i * 1000));
    port.ReleaseStorageObject(many);

    std::fclose(manifest);
    if (!port.ReleaseStorageObject(root)) {
        std::fprintf(stderr, "writing %s failed\n", argv[1]);
        return 1;
    }
    return 0;
}
