// Hostile compound files: the reader loads what it can and never crashes,
// hangs, reads past a buffer or allocates without bound. Run these under the
// sanitizer preset as well (native-asan).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "compound_test_util.h"
#include "persistence/compound/cfb_format.h"
#include "support/scratch_folder.h"

namespace qvs {
namespace {

using cfbtest::Get32;
using cfbtest::Put16;
using cfbtest::Put32;

constexpr uint32_t kFree = 0xFFFFFFFFu;
constexpr uint32_t kEnd = 0xFFFFFFFEu;
constexpr uint32_t kFat = 0xFFFFFFFDu;
constexpr uint32_t kNone = 0xFFFFFFFFu;

size_t SectorAt(uint32_t s) { return size_t(s + 1) * 512; }
size_t FatAt(uint32_t index) { return SectorAt(0) + 4 * index; }
size_t DirAt(uint32_t index) { return SectorAt(1) + 128 * index; }

// A small valid file built by hand from the published format, independent of
// our writer:
//   sector 0 FAT, 1 directory, 2 mini FAT, 3 mini stream, 4..12 stream B.
//   directory: 0 root; 1 stream "A" (10 bytes, mini); 2 storage "S" (left A);
//   3 stream "B" (4100 bytes, regular) inside S.
std::vector<uint8_t> HandMadeFile() {
    std::vector<uint8_t> b(14 * 512, 0);
    const uint8_t signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::copy(signature, signature + 8, b.begin());
    Put16(b, 0x18, 0x3E);
    Put16(b, 0x1A, 3);
    Put16(b, 0x1C, 0xFFFE);
    Put16(b, 0x1E, 9);
    Put16(b, 0x20, 6);
    Put32(b, 0x2C, 1);     // FAT sectors
    Put32(b, 0x30, 1);     // first directory sector
    Put32(b, 0x38, 4096);
    Put32(b, 0x3C, 2);     // first mini FAT sector
    Put32(b, 0x40, 1);
    Put32(b, 0x44, kEnd);  // no DIFAT sectors
    for (int i = 0; i < 109; ++i) Put32(b, 0x4C + 4 * size_t(i), kFree);
    Put32(b, 0x4C, 0);

    for (uint32_t i = 0; i < 128; ++i) Put32(b, FatAt(i), kFree);
    Put32(b, FatAt(0), kFat);
    Put32(b, FatAt(1), kEnd);
    Put32(b, FatAt(2), kEnd);
    Put32(b, FatAt(3), kEnd);
    for (uint32_t s = 4; s < 12; ++s) Put32(b, FatAt(s), s + 1);
    Put32(b, FatAt(12), kEnd);

    auto entry = [&](uint32_t i, const char16_t* name, uint8_t type, uint32_t left, uint32_t right, uint32_t child,
                     uint32_t start, uint32_t size) {
        size_t e = DirAt(i);
        size_t n = 0;
        for (; name[n]; ++n) Put16(b, e + 2 * n, uint16_t(name[n]));
        Put16(b, e + 0x40, uint16_t((n + 1) * 2));
        b[e + 0x42] = type;
        b[e + 0x43] = 1;
        Put32(b, e + 0x44, left);
        Put32(b, e + 0x48, right);
        Put32(b, e + 0x4C, child);
        Put32(b, e + 0x74, start);
        Put32(b, e + 0x78, size);
    };
    entry(0, u"Root Entry", 5, kNone, kNone, 2, 3, 64);
    entry(1, u"A", 2, kNone, kNone, kNone, 0, 10);
    entry(2, u"S", 1, 1, kNone, 3, 0, 0);
    entry(3, u"B", 2, kNone, kNone, kNone, 4, 4100);

    for (uint32_t i = 0; i < 128; ++i) Put32(b, SectorAt(2) + 4 * i, kFree);
    Put32(b, SectorAt(2), kEnd);
    for (size_t i = 0; i < 10; ++i) b[SectorAt(3) + i] = uint8_t('a' + i);
    for (size_t i = 0; i < 4100; ++i) b[SectorAt(4) + i] = uint8_t(i * 7);
    return b;
}

struct Loaded {
    bool opened = false;
    cfbtest::WalkStats stats;
};

// Opens the bytes through the port and reads everything in them.
Loaded Load(const std::vector<uint8_t>& bytes) {
    CompoundFileStorage port;
    Loaded out;
    StorageObject* root = port.OpenMemory(bytes.data(), bytes.size());
    if (!root) return out;
    out.opened = true;
    cfbtest::WalkTree(port, root, out.stats);
    EXPECT_LE(out.stats.streamBytes, bytes.size());  // never more than the file holds
    port.ReleaseStorageObject(root);
    return out;
}

std::vector<uint8_t> StreamBytes(const std::vector<uint8_t>& file, std::initializer_list<const char16_t*> path) {
    auto node = cfb::Parse(file.data(), file.size());
    for (const char16_t* name : path) {
        if (!node) break;
        node = node->Find(name);
    }
    return node ? node->data : std::vector<uint8_t>{0xEE};
}

TEST(CompoundCorrupt, HandMadeFileIsReadCompletely) {
    std::vector<uint8_t> file = HandMadeFile();
    cfb::ParseReport report;
    auto root = cfb::Parse(file.data(), file.size(), &report);
    ASSERT_NE(root, nullptr);
    EXPECT_FALSE(report.damaged);
    EXPECT_EQ(StreamBytes(file, {u"A"}), std::vector<uint8_t>({'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j'}));
    auto b = StreamBytes(file, {u"S", u"B"});
    ASSERT_EQ(b.size(), 4100u);
    EXPECT_EQ(b[4099], uint8_t(4099 * 7));
}

TEST(CompoundCorrupt, NotACompoundFile) {
    std::vector<uint8_t> file = HandMadeFile();
    auto bad = file;
    bad[3] ^= 1;  // signature
    EXPECT_FALSE(Load(bad).opened);
    bad = file;
    Put16(bad, 0x1E, 7);  // sector shift
    EXPECT_FALSE(Load(bad).opened);
    bad = file;
    Put16(bad, 0x20, 12);  // mini sector shift
    EXPECT_FALSE(Load(bad).opened);
    bad = file;
    Put32(bad, 0x30, 0x7FFFFFF0);  // directory out of range
    EXPECT_FALSE(Load(bad).opened);
    bad = file;
    bad[DirAt(0) + 0x42] = 2;  // root entry is a stream
    EXPECT_FALSE(Load(bad).opened);
    EXPECT_FALSE(Load({}).opened);
}

TEST(CompoundCorrupt, EveryTruncationLoadsWhatItCan) {
    std::vector<uint8_t> file = HandMadeFile();
    for (size_t len = 0; len <= file.size(); ++len) {
        // Every sector boundary and its neighbours, and a spread in between.
        if (len % 7 != 0 && len % 512 > 1 && len % 512 != 511) continue;
        std::vector<uint8_t> cut(file.begin(), file.begin() + std::ptrdiff_t(len));
        Loaded loaded = Load(cut);
        if (len >= SectorAt(4) + 4100) {
            EXPECT_EQ(loaded.stats.streamBytes, 4110u) << len;
        } else if (len >= SectorAt(4)) {
            EXPECT_EQ(loaded.stats.streamBytes, 10u + (len - SectorAt(4))) << len;  // B cut short
        }
    }
}

TEST(CompoundCorrupt, TruncatedFileOnDisk) {
    ScratchFolder dir;
    std::vector<uint8_t> file = HandMadeFile();
    file.resize(SectorAt(6) + 100);
    cfbtest::WriteBytes(dir.File("cut.dat"), file);
    CompoundFileStorage port;
    StorageObject* root = port.OpenFile(dir.File("cut.dat").c_str());
    ASSERT_NE(root, nullptr);
    StorageObject* s = port.OpenSubStorage(root, "S");
    StorageObject* b = port.OpenStream(s, "B");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(port.GetStreamSize(b), 2u * 512u + 100u);
    port.ReleaseStorageObject(b);
    port.ReleaseStorageObject(s);
    port.ReleaseStorageObject(root);
}

TEST(CompoundCorrupt, LoopingChainsEnd) {
    std::vector<uint8_t> file = HandMadeFile();
    auto bad = file;
    Put32(bad, FatAt(5), 5);  // B: 4 -> 5 -> 5 ...
    EXPECT_EQ(StreamBytes(bad, {u"S", u"B"}).size(), 1024u);
    bad = file;
    Put32(bad, FatAt(8), 4);  // B loops back to its start
    EXPECT_EQ(StreamBytes(bad, {u"S", u"B"}).size(), 5u * 512u);
    bad = file;
    Put32(bad, FatAt(1), 1);  // directory chain loops on itself
    EXPECT_EQ(Load(bad).stats.streamBytes, 4110u);
    bad = file;
    Put32(bad, SectorAt(2), 0);  // mini FAT: A's mini sector points to itself
    Put32(bad, DirAt(1) + 0x78, 1000);
    EXPECT_EQ(StreamBytes(bad, {u"A"}).size(), 64u);
    bad = file;
    Put32(bad, FatAt(2), 2);  // mini FAT chain loops
    Put32(bad, FatAt(3), 3);  // mini stream chain loops
    EXPECT_EQ(Load(bad).stats.streamBytes, 4110u);
}

TEST(CompoundCorrupt, SectorNumbersOutOfRange) {
    std::vector<uint8_t> file = HandMadeFile();
    for (uint32_t value : {14u, 1000u, 0x7FFFFFFFu, 0xFFFFFFFAu, kFat, kFree}) {
        auto bad = file;
        Put32(bad, FatAt(6), value);  // B's chain leaves the file
        EXPECT_EQ(StreamBytes(bad, {u"S", u"B"}).size(), 3u * 512u) << value;
        bad = file;
        Put32(bad, DirAt(3) + 0x74, value);  // B's start
        EXPECT_EQ(StreamBytes(bad, {u"S", u"B"}).size(), 0u) << value;
        bad = file;
        Put32(bad, DirAt(1) + 0x74, value);  // A's mini start
        EXPECT_EQ(StreamBytes(bad, {u"A"}).size(), 0u) << value;
        bad = file;
        Put32(bad, 0x4C, value);  // the only FAT sector
        Load(bad);
        bad = file;
        Put32(bad, 0x3C, value);  // mini FAT
        EXPECT_EQ(StreamBytes(bad, {u"A"}).size(), 10u) << value;  // one mini sector needs no FAT
        bad = file;
        Put32(bad, DirAt(0) + 0x74, value);  // mini stream
        EXPECT_EQ(StreamBytes(bad, {u"A"}).size(), 0u) << value;
    }
}

TEST(CompoundCorrupt, DirectoryCyclesEnd) {
    std::vector<uint8_t> file = HandMadeFile();
    auto bad = file;
    Put32(bad, DirAt(2) + 0x4C, 2);  // S contains itself
    EXPECT_EQ(Load(bad).stats.streams, 1u);
    bad = file;
    Put32(bad, DirAt(3) + 0x44, 0);  // B's sibling is the root
    Put32(bad, DirAt(3) + 0x48, 2);  // and S
    EXPECT_EQ(Load(bad).stats.streams, 2u);
    bad = file;
    Put32(bad, DirAt(1) + 0x48, 2);  // A and S point at each other
    EXPECT_EQ(Load(bad).stats.streams, 2u);
    bad = file;
    Put32(bad, DirAt(2) + 0x4C, 1);  // A shared by the root and S
    Loaded loaded = Load(bad);
    EXPECT_EQ(loaded.stats.streams, 1u);
    bad = file;
    Put32(bad, DirAt(0) + 0x4C, 0);  // the root is its own child
    EXPECT_TRUE(Load(bad).opened);
    bad = file;
    Put32(bad, DirAt(2) + 0x4C, 0x10000);  // child past the directory
    EXPECT_EQ(Load(bad).stats.streams, 1u);
}

TEST(CompoundCorrupt, SizesLargerThanTheFile) {
    std::vector<uint8_t> file = HandMadeFile();
    auto bad = file;
    Put32(bad, DirAt(3) + 0x78, 0xFFFFFFFFu);
    EXPECT_EQ(StreamBytes(bad, {u"S", u"B"}).size(), 9u * 512u);  // the whole chain, no more
    bad = file;
    Put32(bad, DirAt(1) + 0x78, 4095);  // a mini stream claiming more than the mini stream has
    EXPECT_EQ(StreamBytes(bad, {u"A"}).size(), 64u);
    bad = file;
    Put32(bad, DirAt(0) + 0x78, 0xFFFFFFF0u);  // mini stream size
    EXPECT_EQ(StreamBytes(bad, {u"A"}).size(), 10u);
    bad = file;
    Put32(bad, DirAt(3) + 0x7C, 0xFFFFFFFFu);  // high half ignored in version 3
    EXPECT_EQ(StreamBytes(bad, {u"S", u"B"}).size(), 4100u);
}

TEST(CompoundCorrupt, HugeCounts) {
    std::vector<uint8_t> file = HandMadeFile();
    auto bad = file;
    Put32(bad, 0x2C, 0xFFFFFFFFu);  // FAT sectors
    Put32(bad, 0x40, 0xFFFFFFFFu);  // mini FAT sectors
    Put32(bad, 0x28, 0xFFFFFFFFu);  // directory sectors
    Put32(bad, 0x48, 0xFFFFFFFFu);  // DIFAT sectors
    Put32(bad, 0x44, 0);            // DIFAT chain starting at the FAT
    for (int i = 1; i < 109; ++i) Put32(bad, 0x4C + 4 * size_t(i), uint32_t(i % 3));
    EXPECT_TRUE(Load(bad).opened);
    bad = file;
    Put16(bad, DirAt(1) + 0x40, 0xFFFF);  // name length
    Put16(bad, DirAt(3) + 0x40, 3);
    EXPECT_TRUE(Load(bad).opened);
    bad = file;
    for (size_t i = 0; i < 64; i += 2) Put16(bad, DirAt(1) + i, 'x');  // name without terminator
    Put16(bad, DirAt(1) + 0x40, 64);
    auto root = cfb::Parse(bad.data(), bad.size());
    ASSERT_NE(root, nullptr);
    EXPECT_NE(root->Find(std::u16string(31, u'x')), nullptr);
}

TEST(CompoundCorrupt, DuplicateNamesKeepOne) {
    std::vector<uint8_t> file = HandMadeFile();
    Put16(file, DirAt(2), 'a');  // S renamed to "a", same as "A"
    cfb::ParseReport report;
    auto root = cfb::Parse(file.data(), file.size(), &report);
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(report.damaged);
    EXPECT_EQ(root->children.size(), 1u);  // the first met in the tree walk (S, its top)
    EXPECT_TRUE(root->Find(u"A")->isStorage);
}

TEST(CompoundCorrupt, NamesThatMayNotBeCreatedStillOpen) {
    auto root = cfb::NewRoot();
    root->Replace(u"a/b", false)->data.assign(3, 1);
    root->Replace(u"x!", true);
    std::vector<uint8_t> file = cfb::Serialize(*root);
    CompoundFileStorage port;
    StorageObject* top = port.OpenMemory(file.data(), file.size());
    ASSERT_NE(top, nullptr);
    StorageObject* stream = port.OpenStreamW(top, u"A/B");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(port.GetStreamSize(stream), 3u);
    port.ReleaseStorageObject(stream);
    StorageObject* sub = port.OpenSubStorage(top, "X!");
    EXPECT_NE(sub, nullptr);
    port.ReleaseStorageObject(sub);
    EXPECT_EQ(port.CreateStream(top, "a/b"), nullptr);
    port.ReleaseStorageObject(top);
}

TEST(CompoundCorrupt, DeepNestingIsCut) {
    auto root = cfb::NewRoot();
    cfb::Entry* at = root.get();
    for (int i = 0; i < 2000; ++i) at = at->Replace(u"d", true).get();
    at->Replace(u"v", false)->data.assign(8, 1);
    std::vector<uint8_t> file = cfb::Serialize(*root);
    cfb::ParseReport report;
    auto back = cfb::Parse(file.data(), file.size(), &report);
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(report.damaged);
    Loaded loaded = Load(file);
    EXPECT_EQ(loaded.stats.storages, size_t(cfb::kMaxDepth) - 1);
}

TEST(CompoundCorrupt, LongSiblingListsAndCycles) {
    // The writer puts the root's children at entries 1..n in name order; turn
    // the balanced tree into a list, then into a ring.
    auto root = cfb::NewRoot();
    const uint32_t n = 3000;
    for (uint32_t i = 0; i < n; ++i) root->Replace(cfb::AnsiToUtf16(std::to_string(100000 + i).c_str()), false);
    std::vector<uint8_t> file = cfb::Serialize(*root);
    uint32_t firstDir = Get32(file, 0x30);
    auto dirEntry = [&](uint32_t i) { return SectorAt(firstDir + i / 4) + 128 * (i % 4); };
    Put32(file, dirEntry(0) + 0x4C, 1);
    for (uint32_t i = 1; i <= n; ++i) {
        Put32(file, dirEntry(i) + 0x44, kNone);
        Put32(file, dirEntry(i) + 0x48, i < n ? i + 1 : kNone);
    }
    EXPECT_EQ(Load(file).stats.streams, n);
    Put32(file, dirEntry(n) + 0x48, 1);  // ring
    for (uint32_t i = 1; i <= n; ++i) Put32(file, dirEntry(i) + 0x44, (i * 7) % n + 1);
    EXPECT_EQ(Load(file).stats.streams, n);
}

TEST(CompoundCorrupt, DifatDamage) {
    auto root = cfb::NewRoot();
    root->Replace(u"Big", false)->data.assign(7500000, 0x5A);
    root->Replace(u"Small", false)->data.assign(10, 1);
    std::vector<uint8_t> file = cfb::Serialize(*root);
    uint32_t difat = Get32(file, 0x44);
    ASSERT_NE(difat, kEnd);
    auto bad = file;
    Put32(bad, SectorAt(difat) + 127 * 4, difat);  // DIFAT chain loops
    Put32(bad, 0x48, 0xFFFFFFFFu);
    EXPECT_TRUE(Load(bad).opened);
    bad = file;
    for (int j = 0; j < 127; ++j) Put32(bad, SectorAt(difat) + 4 * size_t(j), 0x7FFFFFF0u + uint32_t(j % 5));
    Loaded loaded = Load(bad);  // FAT sectors past 109 unknown: Big is cut short
    EXPECT_TRUE(loaded.opened);
    EXPECT_LT(loaded.stats.streamBytes, 7500000u);
    bad = file;
    Put32(bad, 0x44, difat + 100000);
    EXPECT_TRUE(Load(bad).opened);
}

// The fuzzer's committed seeds, valid and broken, load without harm here too.
TEST(CompoundCorrupt, FuzzSeedCorpusLoads) {
    namespace fs = std::filesystem;
    fs::path corpus = fs::path(__FILE__).parent_path().parent_path().parent_path() / "fuzz" / "corpus" / "compound";
    if (!fs::is_directory(corpus)) GTEST_SKIP() << "no seed corpus at " << corpus;
    size_t files = 0;
    size_t opened = 0;
    for (const auto& item : fs::directory_iterator(corpus)) {
        if (!item.is_regular_file()) continue;
        ++files;
        opened += Load(cfbtest::ReadBytes(item.path().string())).opened;
    }
    EXPECT_GE(files, 5u);
    EXPECT_GE(opened, 4u);  // at least the valid seeds
}

// A cheap deterministic fuzz pass over both kinds of seed file; the libFuzzer
// target (fuzz/) goes much further.
TEST(CompoundCorrupt, RandomDamageNeverCrashes) {
    auto writerRoot = cfb::NewRoot();
    writerRoot->Replace(u"Threshold", false)->data.assign(4, 7);
    auto channel = writerRoot->Replace(u"1", true);
    channel->Replace(u"ChannelName", false)->data.assign(8, 'c');
    channel->Replace(u"Big", false)->data.assign(5000, 'b');
    channel->Replace(u"List", true)->Replace(u"1", false)->data.assign(6, 'l');
    const std::vector<std::vector<uint8_t>> seeds = {HandMadeFile(), cfb::Serialize(*writerRoot)};

    uint64_t state = 0x9E3779B97F4A7C15ull;
    auto next = [&]() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    const uint32_t interesting[] = {0, 1, 2, 3, 4, 0x7F, 0x1000, 0xFFF, kFree, kEnd, kFat, 0xFFFFFFFCu,
                                    0x7FFFFFFFu, 0x80000000u};
    for (int round = 0; round < 2000; ++round) {
        std::vector<uint8_t> file = seeds[size_t(round) % seeds.size()];
        int edits = 1 + int(next() % 6);
        for (int e = 0; e < edits; ++e) {
            uint64_t r = next();
            size_t limit = std::min<size_t>(file.size(), 5 * 512);
            size_t off = size_t(r % (limit - 4)) & ~size_t(3);
            if (r & (1ull << 40)) {
                Put32(file, off, interesting[(r >> 20) % (sizeof interesting / sizeof interesting[0])]);
            } else {
                file[off + ((r >> 8) & 3)] = uint8_t(r >> 32);
            }
        }
        if (next() % 8 == 0) file.resize(size_t(next() % file.size()));
        Load(file);
    }
}

}  // namespace
}  // namespace qvs
