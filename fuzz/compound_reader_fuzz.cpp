// libFuzzer target for the compound-file reader: the input becomes a file on
// disk that CompoundFileStorage opens; the whole tree is walked and every
// stream read. A second oracle checks that whatever the reader accepted is
// written by our writer into a file that reads back, undamaged, as the same
// tree.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "persistence/compound/cfb_format.h"
#include "persistence/compound/compound_storage.h"

namespace {

using qvs::CompoundFileStorage;
using qvs::StorageObject;

const std::string& ScratchPath() {
    static const std::string path = [] {
        const char* dir = std::getenv("TMPDIR");
        std::string p = std::string(dir && *dir ? dir : "/tmp") + "/qvs_compound_fuzz_" +
                        std::to_string(::getpid()) + ".dat";
        return p;
    }();
    return path;
}

void Fail(const char* what) {
    std::fprintf(stderr, "compound_fuzz: %s\n", what);
    std::abort();
}

void Walk(CompoundFileStorage& port, StorageObject* storage, std::size_t fileSize, std::uint64_t& total) {
    for (const auto& child : port.ListChildren(storage)) {
        if (child.isStorage) {
            StorageObject* sub = port.OpenSubStorageW(storage, child.name);
            if (!sub) Fail("listed storage does not open");
            Walk(port, sub, fileSize, total);
            port.ReleaseStorageObject(sub);
            continue;
        }
        StorageObject* stream = port.OpenStreamW(storage, child.name);
        if (!stream) Fail("listed stream does not open");
        std::uint32_t size = port.GetStreamSize(stream);
        if (size > fileSize) Fail("stream larger than the file");
        std::vector<std::uint8_t> buffer(std::size_t(size) + 8, 0xA5);
        port.ReadStreamData(stream, buffer.data(), std::uint32_t(buffer.size()));
        for (std::size_t i = size; i < buffer.size(); ++i) {
            if (buffer[i] != 0xA5) Fail("read past the stream's end");
        }
        total += size;
        port.ReleaseStorageObject(stream);
    }
}

bool SameTree(const qvs::cfb::Entry& a, const qvs::cfb::Entry& b) {
    if (a.isStorage != b.isStorage || a.data != b.data || a.children.size() != b.children.size()) return false;
    auto i = a.children.begin();
    auto j = b.children.begin();
    for (; i != a.children.end(); ++i, ++j) {
        if (i->first != j->first || i->second->name != j->second->name) return false;
        if (!SameTree(*i->second, *j->second)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = ScratchPath();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        if (size) std::fwrite(data, 1, size, f);
        std::fclose(f);
    } else {
        Fail("cannot write the scratch file");
    }

    CompoundFileStorage port;
    if (StorageObject* root = port.OpenFile(path.c_str())) {
        std::uint64_t total = 0;
        Walk(port, root, size, total);
        if (total > size) Fail("streams hold more bytes than the file");
        if (!port.ReleaseStorageObject(root)) Fail("releasing an unchanged file failed");
    }

    if (auto tree = qvs::cfb::Parse(data, size)) {
        std::vector<std::uint8_t> written = qvs::cfb::Serialize(*tree);
        qvs::cfb::ParseReport report;
        auto back = qvs::cfb::Parse(written.data(), written.size(), &report);
        if (!back) Fail("our own file does not parse");
        if (report.damaged) Fail("our own file parses as damaged");
        if (!SameTree(*tree, *back)) Fail("tree changed through write and read");
    }
    return 0;
}
