// The compound-file format layer: name rules and the structure of what the
// writer produces, checked against the published format by reading the raw
// bytes independently of our reader.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "compound_test_util.h"
#include "persistence/compound/cfb_format.h"

namespace qvs {
namespace {

using cfbtest::Get32;

std::u16string U(const char* ansi) { return cfb::AnsiToUtf16(ansi); }

TEST(CompoundFormat, NamesOrderShorterFirstThenByUpperCase) {
    EXPECT_LT(cfb::CompareNames(u"Z", u"AA"), 0);
    EXPECT_LT(cfb::CompareNames(u"abc", u"ABD"), 0);
    EXPECT_EQ(cfb::CompareNames(u"ChannelName", u"CHANNELNAME"), 0);
    EXPECT_EQ(cfb::CompareNames(u"caf\u00E9", u"CAF\u00C9"), 0);
    EXPECT_GT(cfb::CompareNames(u"b", u"A"), 0);
    // Upper-casing comes first: 'a' compares as 'A' (0x41), below '_' (0x5F).
    EXPECT_GT(cfb::CompareNames(u"_", u"a"), 0);
}

TEST(CompoundFormat, UpperCaseCoversTheAnsiLetters) {
    EXPECT_EQ(cfb::UpcaseCodeUnit(u'a'), u'A');
    EXPECT_EQ(cfb::UpcaseCodeUnit(u'{'), u'{');
    EXPECT_EQ(cfb::UpcaseCodeUnit(0x00E9), 0x00C9);
    EXPECT_EQ(cfb::UpcaseCodeUnit(0x00F7), 0x00F7);  // division sign
    EXPECT_EQ(cfb::UpcaseCodeUnit(0x00FF), 0x0178);
    EXPECT_EQ(cfb::UpcaseCodeUnit(0x0161), 0x0160);
    EXPECT_EQ(cfb::UpcaseCodeUnit(0x0153), 0x0152);
    EXPECT_EQ(cfb::UpcaseCodeUnit(0x017E), 0x017D);
    EXPECT_EQ(cfb::UpcaseCodeUnit(0x013A), 0x0139);
    EXPECT_EQ(cfb::UpcaseCodeUnit(0x0439), 0x0419);
    EXPECT_EQ(cfb::UpcaseCodeUnit(0x03C9), 0x03A9);
}

TEST(CompoundFormat, AnsiNamesBecomeUtf16ByWindows1252) {
    EXPECT_EQ(U("Key1"), u"Key1");
    EXPECT_EQ(U("\x80\x9A\xE9\xFF"), u"\u20AC\u0161\u00E9\u00FF");
    EXPECT_EQ(U(""), u"");
    EXPECT_EQ(U(nullptr), u"");
}

TEST(CompoundFormat, ValidNames) {
    EXPECT_TRUE(cfb::IsValidName(u"1"));
    EXPECT_TRUE(cfb::IsValidName(std::u16string(31, u'x')));
    EXPECT_FALSE(cfb::IsValidName(std::u16string(32, u'x')));
    EXPECT_FALSE(cfb::IsValidName(u""));
    for (const char16_t* bad : {u"a/b", u"a\\b", u"a:b", u"a!b"}) EXPECT_FALSE(cfb::IsValidName(bad));
}

TEST(CompoundFormat, EmptyRootHeader) {
    auto root = cfb::NewRoot();
    std::vector<uint8_t> b = cfb::Serialize(*root);
    ASSERT_EQ(b.size(), 1536u);
    const uint8_t signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    EXPECT_TRUE(std::equal(signature, signature + 8, b.begin()));
    EXPECT_EQ(b[0x18] | (b[0x19] << 8), 0x3E);   // minor version
    EXPECT_EQ(b[0x1A] | (b[0x1B] << 8), 3);      // major version
    EXPECT_EQ(b[0x1C] | (b[0x1D] << 8), 0xFFFE); // byte order
    EXPECT_EQ(b[0x1E] | (b[0x1F] << 8), 9);      // 512-byte sectors
    EXPECT_EQ(b[0x20] | (b[0x21] << 8), 6);      // 64-byte mini sectors
    EXPECT_EQ(Get32(b, 0x28), 0u);               // directory sector count: 0 in version 3
    EXPECT_EQ(Get32(b, 0x2C), 1u);               // one FAT sector
    EXPECT_EQ(Get32(b, 0x30), 1u);               // directory after it
    EXPECT_EQ(Get32(b, 0x38), 4096u);
    EXPECT_EQ(Get32(b, 0x3C), 0xFFFFFFFEu);      // no mini FAT
    EXPECT_EQ(Get32(b, 0x44), 0xFFFFFFFEu);      // no DIFAT sectors
    EXPECT_EQ(Get32(b, 0x4C), 0u);               // FAT sector 0
    EXPECT_EQ(Get32(b, 0x50), 0xFFFFFFFFu);
    EXPECT_EQ(Get32(b, 512), 0xFFFFFFFDu);       // FAT marks itself
    EXPECT_EQ(Get32(b, 516), 0xFFFFFFFEu);       // directory: one sector
    EXPECT_EQ(Get32(b, 520), 0xFFFFFFFFu);
    const size_t e = 1024;
    EXPECT_EQ(b[e + 0x42], 5);                 // root entry
    EXPECT_EQ(b[e + 0x40], 22);                // "Root Entry" + NUL in bytes
    EXPECT_EQ(Get32(b, e + 0x4C), 0xFFFFFFFFu);
    EXPECT_EQ(Get32(b, e + 0x74), 0xFFFFFFFEu);
    EXPECT_EQ(b[e + 128 + 0x42], 0);           // unused slots are unallocated
    EXPECT_EQ(Get32(b, e + 128 + 0x44), 0xFFFFFFFFu);
}

// Reads the raw directory of a writer's file (a single FAT sector suffices
// for these small files) and checks every sibling tree: binary-search order
// by the format's comparison, all black, each entry reachable once.
TEST(CompoundFormat, SiblingTreesAreOrderedBinaryTrees) {
    auto root = cfb::NewRoot();
    for (int i = 0; i < 300; ++i) {
        root->Replace(U(("k" + std::to_string(i * 7919 % 1000)).c_str()), false)->data.assign(size_t(i % 7), 1);
    }
    auto sub = root->Replace(u"Sub", true);
    for (const char* name : {"b", "A", "ccc", "DD", "e", "Ff", "a1"}) sub->Replace(U(name), false);
    std::vector<uint8_t> b = cfb::Serialize(*root);
    ASSERT_EQ(Get32(b, 0x2C), 1u);

    auto fatAt = [&](uint32_t s) { return Get32(b, 512 + 4 * s); };
    std::vector<uint32_t> dirSectors;
    for (uint32_t s = Get32(b, 0x30); s != 0xFFFFFFFEu; s = fatAt(s)) {
        ASSERT_LT(dirSectors.size(), 1000u);
        dirSectors.push_back(s);
    }
    ASSERT_GE(dirSectors.size(), 76u);  // 302 entries, four a sector
    auto entry = [&](uint32_t i) { return size_t(dirSectors[i / 4] + 1) * 512 + (i % 4) * 128; };
    auto nameOf = [&](uint32_t i) {
        size_t e = entry(i);
        std::u16string n;
        for (size_t j = 0; j + 2 < b[e + 0x40]; j += 2) n.push_back(char16_t(b[e + j] | (b[e + j + 1] << 8)));
        return n;
    };

    std::set<uint32_t> seen;
    std::function<void(uint32_t, std::vector<std::u16string>&)> inorder = [&](uint32_t i,
                                                                              std::vector<std::u16string>& out) {
        if (i == 0xFFFFFFFFu) return;
        ASSERT_TRUE(seen.insert(i).second) << "entry reached twice";
        size_t e = entry(i);
        EXPECT_EQ(b[e + 0x43], 1) << "black";
        inorder(Get32(b, e + 0x44), out);
        out.push_back(nameOf(i));
        inorder(Get32(b, e + 0x48), out);
    };
    auto checkStorage = [&](uint32_t storage, std::vector<std::u16string>& names) {
        inorder(Get32(b, entry(storage) + 0x4C), names);
        for (size_t k = 1; k < names.size(); ++k) EXPECT_LT(cfb::CompareNames(names[k - 1], names[k]), 0);
    };
    std::vector<std::u16string> top;
    checkStorage(0, top);
    EXPECT_EQ(top.size(), 301u);
    // Find "Sub" and check its own tree.
    uint32_t subIndex = 0;
    for (uint32_t i : seen) {
        if (nameOf(i) == u"Sub") subIndex = i;
    }
    ASSERT_NE(subIndex, 0u);
    EXPECT_EQ(b[entry(subIndex) + 0x42], 1);
    std::vector<std::u16string> inner;
    checkStorage(subIndex, inner);
    EXPECT_EQ(inner, (std::vector<std::u16string>{u"A", u"b", u"e", u"a1", u"DD", u"Ff", u"ccc"}));
}

TEST(CompoundFormat, WriterIsDeterministicAndParseInvertsIt) {
    auto root = cfb::NewRoot();
    root->Replace(u"Zero", false);
    root->Replace(u"Mini", false)->data.assign(100, 7);
    root->Replace(u"Regular", false)->data.assign(5000, 9);
    auto s = root->Replace(u"S", true);
    s->Replace(u"T", true)->Replace(u"Deep", false)->data.assign(4096, 3);
    std::vector<uint8_t> first = cfb::Serialize(*root);
    EXPECT_EQ(cfb::Serialize(*root), first);

    cfb::ParseReport report;
    auto back = cfb::Parse(first.data(), first.size(), &report);
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(report.damaged);
    EXPECT_EQ(cfb::Serialize(*back), first);
    EXPECT_EQ(back->Find(u"zero")->data.size(), 0u);
    EXPECT_EQ(back->Find(u"s")->Find(u"t")->Find(u"DEEP")->data, std::vector<uint8_t>(4096, 3));
}

TEST(CompoundFormat, SmallStreamsGoToTheMiniStream) {
    auto root = cfb::NewRoot();
    root->Replace(u"a", false)->data.assign(4095, 1);
    std::vector<uint8_t> mini = cfb::Serialize(*root);
    EXPECT_EQ(Get32(mini, 0x40), 1u);               // one mini FAT sector
    root->Replace(u"a", false)->data.assign(4096, 1);
    std::vector<uint8_t> regular = cfb::Serialize(*root);
    EXPECT_EQ(Get32(regular, 0x3C), 0xFFFFFFFEu);   // no mini FAT at all
    EXPECT_EQ(Get32(regular, 0x40), 0u);
}

}  // namespace
}  // namespace qvs
