// The list body we write, read back the way requests read it: the line
// layout for every combination of options, the order, the filter, and
// folder trees that fight back.
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "lists/list_body_writer.h"
#include "model/paths.h"
#include "requests/listed_file.h"
#include "requests_fixture.h"

namespace qvs {
namespace {

// Makes a folder of the real file port fail or vanish at a chosen moment.
class TroubledFiles : public PosixFiles {
public:
    bool ListFolder(const std::string& folder, std::vector<FolderItem>& items) override {
        if (!VanishWhenListing.empty() && folder.find(VanishWhenListing) != std::string::npos) {
            std::error_code ignored;
            std::filesystem::remove_all(Native(VanishPath), ignored);
        }
        if (!Unreadable.empty() && folder.find(Unreadable) != std::string::npos) return false;
        return PosixFiles::ListFolder(folder, items);
    }
    bool AppendToFile(const std::string& path, const char* bytes, std::size_t count) override {
        return !FailAppends && PosixFiles::AppendToFile(path, bytes, count);
    }
    std::string VanishWhenListing, VanishPath, Unreadable;
    bool FailAppends = false;
};

class BodyWriterTest : public RequestsTest {
protected:
    BodyWriterTest() { list = AddList("Movies", "!get"); }

    void Make(const std::string& relative, std::size_t size = 10) {
        std::string path = ServedFolder() + relative;
        for (std::size_t slash = path.find('\\', ServedFolder().size()); slash != std::string::npos;
             slash = path.find('\\', slash + 1))
            mkdir(PosixFiles::Native(path.substr(0, slash)).c_str(), 0755);
        WriteFile(path, std::string(size, 'x'));
    }

    // Runs the eight calls as the generator makes them; the body text.
    std::string Generate(const std::vector<std::string>& excluded = {}) {
        writer.SetTrigger(list->FileTrigger.c_str());
        writer.SetShowSize(list->IncludeFileSize == 1 ? "1" : "0");
        writer.SetShowDir(list->IncludeFolderName == 1 ? "1" : "0");
        writer.ResetExtension();
        for (const std::string& extension : excluded) writer.SetExtension(extension.c_str());
        for (const NameNode* folder = list->CreationFolder.Head; folder; folder = folder->Next)
            writer.SetFolder(folder->Value.c_str());
        list->TrueListName.Set("Movies.12-07-2026");
        char data[kCreateListBufferSize] = {};
        std::snprintf(data, sizeof data, "%s", (state.ConfigFolder + "Movies.12-07-2026.txt").c_str());
        writer.CreateList(data);
        count = data;
        writer.GetCombinedSize(&size);
        return Body();
    }
    std::string Body() {
        std::ifstream file(PosixFiles::Native(state.ConfigFolder + "Movies.12-07-2026.txt"), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    std::string Lookup(const std::string& name) {
        std::string path;
        return FindListedFile(state, list, name.c_str(), path) ? path : std::string();
    }

    TroubledFiles files;
    ListBodyWriter writer{files};
    FileList* list = nullptr;
    std::string count;
    uint64_t size = 0;
};

TEST_F(BodyWriterTest, LayoutForEveryOptionAndEveryLineReadsBack) {
    Make("b.avi", 1536);
    Make("A two  blanks.avi", 10);
    Make("sub\\c.avi", 2048);
    Make("Sub2\\deeper\\d.AVI", 1);
    const std::string s = ServedFolder();
    struct Case {
        uint32_t sizes, folders;
        std::string body;
    } cases[] = {
        {0, 0, "!get A two  blanks.avi\r\n!get b.avi\r\n!get c.avi\r\n!get d.AVI\r\n"},
        {1, 0,
         "!get A two  blanks.avi     - 10 bytes\r\n!get b.avi     - 1.5 KB\r\n!get c.avi     - 2 KB\r\n"
         "!get d.AVI     - 1 bytes\r\n"},
        {0, 1,
         "\r\n[ Contents of " + s + " ]\r\n!get A two  blanks.avi\r\n!get b.avi\r\n\r\n[ Contents of " + s +
             "sub\\ ]\r\n!get c.avi\r\n\r\n[ Contents of " + s + "Sub2\\deeper\\ ]\r\n!get d.AVI\r\n"},
        {1, 1,
         "\r\n[ Contents of " + s + " ]\r\n!get A two  blanks.avi     - 10 bytes\r\n!get b.avi     - 1.5 KB\r\n\r\n[ Contents of " +
             s + "sub\\ ]\r\n!get c.avi     - 2 KB\r\n\r\n[ Contents of " + s + "Sub2\\deeper\\ ]\r\n!get d.AVI     - 1 bytes\r\n"},
    };
    for (const Case& c : cases) {
        list->IncludeFileSize = c.sizes;
        list->IncludeFolderName = c.folders;
        EXPECT_EQ(Generate(), c.body) << c.sizes << c.folders;
        EXPECT_EQ(count, "4");
        EXPECT_EQ(size, 1536u + 10 + 2048 + 1);
        for (const char* name : {"A two  blanks.avi", "b.avi", "C.avi", "d.avi"})
            EXPECT_NE(Lookup(name), "") << name << c.sizes << c.folders;
        EXPECT_EQ(PosixFiles::Native(Lookup("d.AVI")), PosixFiles::Native(s + "Sub2\\deeper\\d.AVI"));
        EXPECT_EQ(Lookup("two  blanks.avi"), "");
    }
}

TEST_F(BodyWriterTest, ExcludedExtensionsIgnoreCaseAndTheirWrittenForm) {
    Make("keep.avi");
    Make("drop.TXT");
    Make("drop.log");
    Make("drop.nfo");
    Make("noextension");
    Make("only.txt.avi");
    EXPECT_EQ(Generate({"txt", ".LOG", "*.nfo", ""}), "!get keep.avi\r\n!get noextension\r\n!get only.txt.avi\r\n");
    EXPECT_EQ(count, "3");
    // The filter holds until it is reset; the folders do not.
    EXPECT_EQ(Generate(), "!get drop.log\r\n!get drop.nfo\r\n!get drop.TXT\r\n!get keep.avi\r\n!get noextension\r\n"
                          "!get only.txt.avi\r\n");
    char data[kCreateListBufferSize];
    std::snprintf(data, sizeof data, "%s", (state.ConfigFolder + "Movies.12-07-2026.txt").c_str());
    writer.CreateList(data);
    EXPECT_STREQ(data, "0");
    EXPECT_EQ(Body(), "");
}

TEST_F(BodyWriterTest, FoldersThatVanishOrCannotBeReadAreLeftOutAndTheRestIsListed) {
    Make("a\\1.avi");
    Make("b\\2.avi");
    Make("c\\3.avi");
    files.VanishWhenListing = "\\a\\";  // while listing a, b disappears
    files.VanishPath = ServedFolder() + "b";
    files.Unreadable = "\\c\\";
    EXPECT_EQ(Generate(), "!get 1.avi\r\n");
    EXPECT_EQ(count, "1");
}

TEST_F(BodyWriterTest, AListThatCannotBeWrittenWholeIsRemovedAndCountsNothing) {
    Make("a.avi");
    files.FailAppends = true;
    EXPECT_EQ(Generate(), "");
    EXPECT_EQ(count, "0");
    EXPECT_EQ(size, 0u);
    EXPECT_FALSE(platform.Files.FileExists(state.ConfigFolder + "Movies.12-07-2026.txt"));
}

TEST_F(BodyWriterTest, LinksPipesAndForbiddenNamesNeverBecomeLines) {
    Make("loop\\a.avi");
    std::string native = PosixFiles::Native(ServedFolder());
    ASSERT_EQ(symlink("..", (native + "loop/up").c_str()), 0);  // a folder link back up the tree
    ASSERT_EQ(symlink("a.avi", (native + "loop/alias.avi").c_str()), 0);  // a file link is a file
    ASSERT_EQ(symlink("nowhere", (native + "dangling.avi").c_str()), 0);
    ASSERT_EQ(mkfifo((native + "pipe.avi").c_str(), 0644), 0);
    Make("unreadable.avi");
    chmod((native + "unreadable.avi").c_str(), 0);
    WriteFile(ServedFolder() + "evil\r\n!get forged.avi", "x");
    WriteFile(ServedFolder() + "back\\slash.avi", "x");  // natively one name with a backslash in it
    EXPECT_EQ(Generate(), "!get unreadable.avi\r\n!get a.avi\r\n!get alias.avi\r\n");
}

TEST_F(BodyWriterTest, TwentyThousandFilesInOrder) {
    constexpr int kFiles = 20000;
    std::string native = PosixFiles::Native(ServedFolder());
    for (int i = 0; i < kFiles; ++i) std::ofstream(native + "f" + std::to_string(kFiles - i) + ".avi") << "xy";
    std::string body = Generate();
    EXPECT_EQ(count, std::to_string(kFiles));
    EXPECT_EQ(size, 2u * kFiles);
    EXPECT_EQ(body.rfind("!get f1.avi\r\n!get f10.avi\r\n!get f100.avi\r\n", 0), 0u);
    EXPECT_NE(Lookup("f19999.avi"), "");
}

TEST_F(BodyWriterTest, NothingBeyondThePathLimitIsListed) {
    list->IncludeFolderName = 1;
    std::string folder = ServedFolder();
    std::string relative;
    while (folder.size() + relative.size() + 15 < kMaxPathLength) relative += "nest\\";
    Make(relative + "fits.avi");  // folder + name shorter than the limit
    std::string tooLong(kMaxPathLength - (folder.size() + relative.size()), 'x');
    Make(relative + tooLong);
    std::string body = Generate();
    EXPECT_EQ(count, "1");
    EXPECT_NE(body.find("!get fits.avi\r\n"), std::string::npos);
    EXPECT_EQ(Lookup("fits.avi"), folder + relative + "fits.avi");
}

}  // namespace
}  // namespace qvs
