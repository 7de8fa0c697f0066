// CompoundFileStorage through the storage port: what the configuration
// loaders and savers rely on, round-tripped through real files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "compound_test_util.h"
#include "persistence/compound/cfb_format.h"
#include "support/scratch_folder.h"

namespace qvs {
namespace {

using cfbtest::ReadBytes;
using cfbtest::WriteBytes;

class CompoundStorageTest : public ::testing::Test {
protected:
    void WriteValue(StorageObject* storage, const char* name, const void* bytes, uint32_t count) {
        StorageObject* stream = port.CreateStream(storage, name);
        ASSERT_NE(stream, nullptr) << name;
        port.WriteStreamData(stream, bytes, count);
        EXPECT_TRUE(port.ReleaseStorageObject(stream));
    }
    void WriteDword(StorageObject* storage, const char* name, uint32_t value) {
        WriteValue(storage, name, &value, 4);
    }
    void WriteText(StorageObject* storage, const char* name, const std::string& text) {
        WriteValue(storage, name, text.c_str(), uint32_t(text.size() + 1));
    }
    // The stream's bytes, or "<absent>" when it cannot be opened.
    std::string ReadValue(StorageObject* storage, const char* name) {
        StorageObject* stream = port.OpenStream(storage, name);
        if (!stream) return "<absent>";
        std::string out(port.GetStreamSize(stream), '\0');
        port.ReadStreamData(stream, out.data(), uint32_t(out.size()));
        port.ReleaseStorageObject(stream);
        return out;
    }
    uint32_t ReadDword(StorageObject* storage, const char* name) {
        std::string bytes = ReadValue(storage, name);
        uint32_t value = 0xDEADBEEF;
        if (bytes.size() == 4) std::memcpy(&value, bytes.data(), 4);
        return value;
    }
    // Bytes that differ from position to position and from seed to seed. Large
    // values are stamped every 64 bytes only, so that building them stays cheap
    // while a misplaced sector still shows.
    static std::string Pattern(size_t size, unsigned seed) {
        std::string out(size, char(seed));
        size_t step = size > 65536 ? 64 : 1;
        for (size_t i = 0; i < size; i += step) out[i] = char((i / step * 131 + seed * 7 + (i >> 9)) & 0xFF);
        return out;
    }

    CompoundFileStorage port;
    ScratchFolder dir;
};

TEST_F(CompoundStorageTest, NestedTreeRoundTrips) {
    std::string path = dir.File("channel.dat");
    StorageObject* root = port.CreateFile(path.c_str());
    ASSERT_NE(root, nullptr);
    WriteDword(root, "Threshold", 2500);
    StorageObject* channel = port.CreateSubStorage(root, "1");
    ASSERT_NE(channel, nullptr);
    WriteText(channel, "ChannelName", "#files");
    uint64_t bytesSent = 0x123456789ABCull;
    WriteValue(channel, "SizeOfFilesSent", &bytesSent, 8);
    StorageObject* list = port.CreateSubStorage(channel, "List");
    ASSERT_NE(list, nullptr);
    WriteText(list, "1", "Movies");
    WriteDword(list, "1_Option", 3);
    EXPECT_TRUE(port.ReleaseStorageObject(list));
    StorageObject* ads = port.CreateSubStorage(channel, "ChanAds");
    StorageObject* ad = port.CreateSubStorage(ads, "1");
    WriteValue(ad, "Trigger", "", 0);
    port.ReleaseStorageObject(ad);
    port.ReleaseStorageObject(ads);
    port.ReleaseStorageObject(port.CreateSubStorage(channel, "SearchTrigger"));
    port.ReleaseStorageObject(channel);
    WriteDword(root, "ChannelNo", 1);
    EXPECT_TRUE(port.ReleaseStorageObject(root));

    root = port.OpenFile(path.c_str());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(ReadDword(root, "Threshold"), 2500u);
    EXPECT_EQ(ReadDword(root, "ChannelNo"), 1u);
    EXPECT_EQ(ReadValue(root, "Missing"), "<absent>");
    channel = port.OpenSubStorage(root, "1");
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(ReadValue(channel, "ChannelName"), std::string("#files", 7));
    std::string sent = ReadValue(channel, "SizeOfFilesSent");
    ASSERT_EQ(sent.size(), 8u);
    uint64_t sentValue;
    std::memcpy(&sentValue, sent.data(), 8);
    EXPECT_EQ(sentValue, bytesSent);
    list = port.OpenSubStorage(channel, "List");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ReadValue(list, "1"), std::string("Movies", 7));
    EXPECT_EQ(ReadDword(list, "1_Option"), 3u);
    port.ReleaseStorageObject(list);
    ads = port.OpenSubStorage(channel, "ChanAds");
    ASSERT_NE(ads, nullptr);
    ad = port.OpenSubStorage(ads, "1");
    ASSERT_NE(ad, nullptr);
    StorageObject* trigger = port.OpenStream(ad, "Trigger");
    ASSERT_NE(trigger, nullptr);
    EXPECT_EQ(port.GetStreamSize(trigger), 0u);
    port.ReleaseStorageObject(trigger);
    port.ReleaseStorageObject(ad);
    port.ReleaseStorageObject(ads);
    StorageObject* search = port.OpenSubStorage(channel, "SearchTrigger");
    EXPECT_NE(search, nullptr);
    EXPECT_TRUE(port.ListChildren(search).empty());
    port.ReleaseStorageObject(search);
    EXPECT_EQ(port.OpenSubStorage(channel, "Network"), nullptr);
    port.ReleaseStorageObject(channel);
    EXPECT_TRUE(port.ReleaseStorageObject(root));
}

TEST_F(CompoundStorageTest, EmptyRootIsAValidFile) {
    std::string path = dir.File("empty.dat");
    StorageObject* root = port.CreateFile(path.c_str());
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(port.ReleaseStorageObject(root));
    EXPECT_EQ(ReadBytes(path).size(), 3u * 512u);  // header, FAT, directory
    root = port.OpenFile(path.c_str());
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(port.ListChildren(root).empty());
    port.ReleaseStorageObject(root);
}

TEST_F(CompoundStorageTest, StreamsAroundTheMiniStreamCutoffRoundTrip) {
    const size_t sizes[] = {0, 1, 63, 64, 65, 511, 512, 513, 4095, 4096, 4097, 8192, 20000};
    std::string path = dir.File("sizes.dat");
    StorageObject* root = port.CreateFile(path.c_str());
    ASSERT_NE(root, nullptr);
    for (size_t size : sizes) {
        std::string value = Pattern(size, unsigned(size));
        WriteValue(root, ("s" + std::to_string(size)).c_str(), value.data(), uint32_t(value.size()));
    }
    ASSERT_TRUE(port.ReleaseStorageObject(root));

    root = port.OpenFile(path.c_str());
    ASSERT_NE(root, nullptr);
    for (size_t size : sizes) {
        EXPECT_EQ(ReadValue(root, ("s" + std::to_string(size)).c_str()), Pattern(size, unsigned(size))) << size;
    }
    port.ReleaseStorageObject(root);
}

TEST_F(CompoundStorageTest, ManyStreamsAndStoragesRoundTrip) {
    std::string path = dir.File("many.dat");
    StorageObject* root = port.CreateFile(path.c_str());
    ASSERT_NE(root, nullptr);
    for (uint32_t i = 1; i <= 600; ++i) WriteDword(root, std::to_string(i).c_str(), i * 3);
    for (uint32_t k = 0; k < 40; ++k) {
        StorageObject* sub = port.CreateSubStorage(root, ("Group" + std::to_string(k)).c_str());
        for (uint32_t i = 0; i < 25; ++i) WriteText(sub, ("Key" + std::to_string(i)).c_str(), Pattern(k + i, i));
        port.ReleaseStorageObject(sub);
    }
    ASSERT_TRUE(port.ReleaseStorageObject(root));

    root = port.OpenFile(path.c_str());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(port.ListChildren(root).size(), 640u);
    for (uint32_t i = 1; i <= 600; ++i) EXPECT_EQ(ReadDword(root, std::to_string(i).c_str()), i * 3);
    for (uint32_t k = 0; k < 40; ++k) {
        StorageObject* sub = port.OpenSubStorage(root, ("group" + std::to_string(k)).c_str());
        ASSERT_NE(sub, nullptr);
        for (uint32_t i = 0; i < 25; ++i) {
            std::string expected = Pattern(k + i, i);
            expected.push_back('\0');
            EXPECT_EQ(ReadValue(sub, ("KEY" + std::to_string(i)).c_str()), expected);
        }
        port.ReleaseStorageObject(sub);
    }
    port.ReleaseStorageObject(root);
}

TEST_F(CompoundStorageTest, CreatingReplacesAnElementOfTheSameName) {
    std::string path = dir.File("replace.dat");
    StorageObject* root = port.CreateFile(path.c_str());
    WriteText(root, "Key", "a long first value");
    WriteText(root, "KEY", "short");
    StorageObject* sub = port.CreateSubStorage(root, "Thing");
    WriteDword(sub, "Inner", 7);
    port.ReleaseStorageObject(sub);
    WriteDword(root, "thing", 9);  // a stream replaces the storage
    WriteDword(root, "Other", 1);
    sub = port.CreateSubStorage(root, "OTHER");  // and a storage the stream
    port.ReleaseStorageObject(sub);
    ASSERT_TRUE(port.ReleaseStorageObject(root));

    root = port.OpenFile(path.c_str());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(port.ListChildren(root).size(), 3u);
    EXPECT_EQ(ReadValue(root, "key"), std::string("short", 6));
    EXPECT_EQ(ReadDword(root, "Thing"), 9u);
    EXPECT_EQ(port.OpenSubStorage(root, "Thing"), nullptr);
    EXPECT_EQ(ReadValue(root, "Other"), "<absent>");
    sub = port.OpenSubStorage(root, "Other");
    EXPECT_NE(sub, nullptr);
    port.ReleaseStorageObject(sub);
    port.ReleaseStorageObject(root);
}

TEST_F(CompoundStorageTest, NamesMatchWithoutRegardToCase) {
    std::string path = dir.File("case.dat");
    StorageObject* root = port.CreateFile(path.c_str());
    WriteDword(root, "ChannelName", 1);
    WriteDword(root, "Caf\xE9", 2);          // é in Windows-1252
    WriteDword(root, "\x9A" "koda", 3);      // š
    ASSERT_TRUE(port.ReleaseStorageObject(root));

    root = port.OpenFile(path.c_str());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(ReadDword(root, "CHANNELNAME"), 1u);
    EXPECT_EQ(ReadDword(root, "channelname"), 1u);
    EXPECT_EQ(ReadDword(root, "CAF\xC9"), 2u);  // É
    EXPECT_EQ(ReadDword(root, "\x8A" "KODA"), 3u);  // Š
    auto children = port.ListChildren(root);
    ASSERT_EQ(children.size(), 3u);
    EXPECT_EQ(children[0].name, u"Caf\u00E9");  // shortest first
    EXPECT_EQ(children[1].name, u"\u0161koda");
    EXPECT_EQ(children[2].name, u"ChannelName");
    port.ReleaseStorageObject(root);
}

TEST_F(CompoundStorageTest, NamesLongerThan31CharactersAreRefused) {
    const std::string name31(31, 'n');
    const std::string name32(32, 'n');
    std::string path = dir.File("names.dat");
    StorageObject* root = port.CreateFile(path.c_str());
    WriteDword(root, name31.c_str(), 31);
    EXPECT_EQ(port.CreateStream(root, name32.c_str()), nullptr);
    EXPECT_EQ(port.CreateSubStorage(root, name32.c_str()), nullptr);
    EXPECT_EQ(port.CreateStream(root, ""), nullptr);
    EXPECT_EQ(port.CreateStream(root, "a/b"), nullptr);
    EXPECT_EQ(port.CreateStream(root, nullptr), nullptr);
    StorageObject* sub = port.CreateSubStorage(root, name31.c_str());  // replaces the stream
    ASSERT_NE(sub, nullptr);
    WriteDword(sub, name31.c_str(), 5);
    port.ReleaseStorageObject(sub);
    ASSERT_TRUE(port.ReleaseStorageObject(root));

    root = port.OpenFile(path.c_str());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(port.OpenStream(root, name32.c_str()), nullptr);
    EXPECT_EQ(port.OpenSubStorage(root, name32.c_str()), nullptr);
    sub = port.OpenSubStorage(root, name31.c_str());
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(ReadDword(sub, name31.c_str()), 5u);
    port.ReleaseStorageObject(sub);
    port.ReleaseStorageObject(root);
}

TEST_F(CompoundStorageTest, OpenRefusesWhatIsNotACompoundFile) {
    EXPECT_EQ(port.OpenFile(dir.File("missing.dat").c_str()), nullptr);
    WriteBytes(dir.File("empty.dat"), {});
    EXPECT_EQ(port.OpenFile(dir.File("empty.dat").c_str()), nullptr);
    WriteBytes(dir.File("text.dat"), std::vector<uint8_t>(2048, 'x'));
    EXPECT_EQ(port.OpenFile(dir.File("text.dat").c_str()), nullptr);
    EXPECT_EQ(port.OpenFile(nullptr), nullptr);
    EXPECT_EQ(port.OpenFile(""), nullptr);
    // Refused files are left as they were.
    EXPECT_EQ(ReadBytes(dir.File("empty.dat")).size(), 0u);
}

TEST_F(CompoundStorageTest, CreateFailsWhereTheFileCannotBeMade) {
    EXPECT_EQ(port.CreateFile(dir.File("no/such/folder/channel.dat").c_str()), nullptr);
    EXPECT_EQ(port.CreateFile(nullptr), nullptr);
}

TEST_F(CompoundStorageTest, CreateReplacesAnExistingFileAtOnce) {
    std::string path = dir.File("replace-file.dat");
    WriteBytes(path, std::vector<uint8_t>(10000, 'x'));
    StorageObject* root = port.CreateFile(path.c_str());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(ReadBytes(path).size(), 0u);  // truncated until the root is released
    WriteDword(root, "A", 1);
    ASSERT_TRUE(port.ReleaseStorageObject(root));
    root = port.OpenFile(path.c_str());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(port.ListChildren(root).size(), 1u);
    port.ReleaseStorageObject(root);
}

TEST_F(CompoundStorageTest, ChangesUnderAnOpenedFileAreWrittenBack) {
    std::string path = dir.File("rw.dat");
    StorageObject* root = port.CreateFile(path.c_str());
    WriteText(root, "Long", Pattern(9000, 1));
    WriteDword(root, "Keep", 1);
    ASSERT_TRUE(port.ReleaseStorageObject(root));
    std::vector<uint8_t> before = ReadBytes(path);

    // Reading only leaves the file untouched.
    root = port.OpenFile(path.c_str());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(ReadDword(root, "Keep"), 1u);
    EXPECT_TRUE(port.ReleaseStorageObject(root));
    EXPECT_EQ(ReadBytes(path), before);

    root = port.OpenFile(path.c_str());
    WriteDword(root, "Added", 2);
    WriteDword(root, "Long", 3);  // shrinks the file
    EXPECT_TRUE(port.ReleaseStorageObject(root));
    EXPECT_LT(ReadBytes(path).size(), before.size());

    root = port.OpenFile(path.c_str());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(ReadDword(root, "Keep"), 1u);
    EXPECT_EQ(ReadDword(root, "Added"), 2u);
    EXPECT_EQ(ReadDword(root, "Long"), 3u);
    port.ReleaseStorageObject(root);
}

TEST_F(CompoundStorageTest, StreamsKeepAPositionLikeIStream) {
    std::string path = dir.File("pos.dat");
    StorageObject* root = port.CreateFile(path.c_str());
    StorageObject* stream = port.CreateStream(root, "S");
    port.WriteStreamData(stream, "abc", 3);
    port.WriteStreamData(stream, "def", 3);
    EXPECT_EQ(port.GetStreamSize(stream), 6u);
    port.ReleaseStorageObject(stream);
    ASSERT_TRUE(port.ReleaseStorageObject(root));

    root = port.OpenFile(path.c_str());
    stream = port.OpenStream(root, "s");
    ASSERT_NE(stream, nullptr);
    char buffer[8] = "xxxxxxx";
    port.ReadStreamData(stream, buffer, 2);
    EXPECT_EQ(std::string(buffer, 2), "ab");
    port.ReadStreamData(stream, buffer, 8);  // only four bytes remain
    EXPECT_EQ(std::string(buffer, 8), std::string("cdefxxx\0", 8));
    port.ReadStreamData(stream, buffer, 8);  // at the end: untouched
    EXPECT_EQ(std::string(buffer, 4), "cdef");
    port.ReleaseStorageObject(stream);
    port.ReleaseStorageObject(root);
}

TEST_F(CompoundStorageTest, KindsAreNotConfused) {
    std::string path = dir.File("kinds.dat");
    StorageObject* root = port.CreateFile(path.c_str());
    WriteDword(root, "Stream", 1);
    port.ReleaseStorageObject(port.CreateSubStorage(root, "Storage"));
    EXPECT_EQ(port.OpenSubStorage(root, "Stream"), nullptr);
    EXPECT_EQ(port.OpenStream(root, "Storage"), nullptr);
    StorageObject* stream = port.OpenStream(root, "Stream");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(port.CreateStream(stream, "x"), nullptr);       // a stream holds no elements
    EXPECT_EQ(port.CreateSubStorage(stream, "x"), nullptr);
    EXPECT_EQ(port.GetStreamSize(root), 0u);
    port.ReleaseStorageObject(stream);
    EXPECT_TRUE(port.ReleaseStorageObject(nullptr));
    EXPECT_EQ(port.CreateStream(nullptr, "x"), nullptr);
    port.ReleaseStorageObject(root);
}

TEST_F(CompoundStorageTest, ObjectsMayOutliveTheirRoot) {
    std::string path = dir.File("outlive.dat");
    StorageObject* root = port.CreateFile(path.c_str());
    StorageObject* sub = port.CreateSubStorage(root, "Sub");
    StorageObject* stream = port.CreateStream(sub, "Value");
    port.WriteStreamData(stream, "1234", 4);
    EXPECT_TRUE(port.ReleaseStorageObject(root));
    port.WriteStreamData(stream, "5678", 4);  // too late for the file, but harmless
    EXPECT_TRUE(port.ReleaseStorageObject(stream));
    EXPECT_TRUE(port.ReleaseStorageObject(sub));

    root = port.OpenFile(path.c_str());
    sub = port.OpenSubStorage(root, "Sub");
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(ReadValue(sub, "Value"), "1234");
    port.ReleaseStorageObject(sub);
    port.ReleaseStorageObject(root);
}

TEST_F(CompoundStorageTest, NestingStopsAtTheDepthLimit) {
    std::string path = dir.File("deep.dat");
    StorageObject* root = port.CreateFile(path.c_str());
    std::vector<StorageObject*> chain{root};
    while (StorageObject* next = port.CreateSubStorage(chain.back(), "d")) {
        chain.push_back(next);
        ASSERT_LT(chain.size(), 1000u);
    }
    EXPECT_EQ(chain.size(), size_t(cfb::kMaxDepth));
    WriteDword(chain.back(), "Bottom", 42);
    for (size_t i = chain.size(); i-- > 1;) port.ReleaseStorageObject(chain[i]);
    ASSERT_TRUE(port.ReleaseStorageObject(root));

    root = port.OpenFile(path.c_str());
    ASSERT_NE(root, nullptr);
    cfbtest::WalkStats stats;
    cfbtest::WalkTree(port, root, stats);
    EXPECT_EQ(stats.storages, size_t(cfb::kMaxDepth) - 1);
    EXPECT_EQ(stats.streams, 1u);
    port.ReleaseStorageObject(root);
}

// Past 109 FAT sectors (about 7 MB) the FAT sectors are listed in DIFAT
// sectors chained from the header.
TEST_F(CompoundStorageTest, LargeFilesUseDifatSectors) {
    std::string path = dir.File("large.dat");
    std::string big = Pattern(7500000, 5);  // 7.5 MB: just past 109 FAT sectors
    std::string small = Pattern(100, 6);
    StorageObject* root = port.CreateFile(path.c_str());
    WriteValue(root, "Big", big.data(), uint32_t(big.size()));
    WriteValue(root, "Small", small.data(), uint32_t(small.size()));
    ASSERT_TRUE(port.ReleaseStorageObject(root));

    std::vector<uint8_t> header = ReadBytes(path);
    ASSERT_GE(header.size(), 512u);
    EXPECT_GT(cfbtest::Get32(header, 0x2C), 109u);  // FAT sectors
    EXPECT_EQ(cfbtest::Get32(header, 0x48), 1u);    // DIFAT sectors

    root = port.OpenFile(path.c_str());
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(ReadValue(root, "Big") == big);
    EXPECT_EQ(ReadValue(root, "Small"), small);
    port.ReleaseStorageObject(root);
}

TEST_F(CompoundStorageTest, SeveralChainedDifatSectorsRoundTripInMemory) {
    // Two DIFAT sectors need more than 109 + 127 FAT sectors: about 15.5 MB.
    const size_t size = 15600000;
    auto stamp = [](size_t sector) { return uint8_t((sector * 37 + (sector >> 8)) & 0xFF); };
    auto root = cfb::NewRoot();
    auto& data = root->Replace(u"Part", false)->data;
    data.assign(size, 0);
    for (size_t s = 0; s < size / 512; ++s) data[s * 512 + 7] = stamp(s);
    std::vector<uint8_t> bytes = cfb::Serialize(*root);
    EXPECT_EQ(cfbtest::Get32(bytes, 0x48), 2u);  // two DIFAT sectors in a chain

    cfb::ParseReport report;
    auto back = cfb::Parse(bytes.data(), bytes.size(), &report);
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(report.damaged);
    auto part = back->Find(u"PART");
    ASSERT_NE(part, nullptr);
    ASSERT_EQ(part->data.size(), size);
    size_t wrong = 0;
    for (size_t s = 0; s < size / 512; ++s) wrong += part->data[s * 512 + 7] != stamp(s);
    EXPECT_EQ(wrong, 0u);
}

}  // namespace
}  // namespace qvs
