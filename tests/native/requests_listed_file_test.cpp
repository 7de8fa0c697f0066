// Looking a requested name up in a list file: the line rules, the folder
// header, the folder search, names that must never be found, and list files
// that are missing, empty or cut short.
#include <cstring>

#include "requests/listed_file.h"
#include "requests_fixture.h"

namespace qvs {
namespace {

// Maps a file into a heap block of exactly its size, so that AddressSanitizer
// reports any read past the end of the list file.
class ExactSizeFiles : public PosixFiles {
public:
    bool MapFile(const std::string& path, MappedFile& view) override {
        MappedFile mapped;
        if (!PosixFiles::MapFile(path, mapped)) return false;
        view = MappedFile{};
        if (mapped.Size) {
            char* copy = new char[mapped.Size];
            std::memcpy(copy, mapped.Data, mapped.Size);
            view.Data = copy;
            view.Size = mapped.Size;
        }
        PosixFiles::UnmapFile(mapped);
        ++Open;
        return true;
    }
    void UnmapFile(MappedFile& view) override {
        delete[] view.Data;
        view = MappedFile{};
        --Open;
    }
    int Open = 0;
};

class ListedFileTest : public RequestsTest {
protected:
    ListedFileTest() {
        state.Ports.Files = &files;
        list = AddList("Movies", "!get");
    }
    ~ListedFileTest() override { EXPECT_EQ(files.Open, 0); }

    // The full path found for the name, or "" when not found.
    std::string Find(const std::string& name) {
        std::string path;
        return FindListedFile(state, list, name.c_str(), path) ? path : std::string();
    }
    // A folder header, on a line of its own below the list's own header.
    std::string Header(const std::string& folder) { return "List\r\n[ Contents of " + folder + " ]\r\n"; }

    ExactSizeFiles files;
    FileList* list = nullptr;
};

TEST_F(ListedFileTest, WithSizesTheNameIsFollowedByTheSizeColumnAndTheFolderComesFromTheHeader) {
    list->IncludeFileSize = 1;
    list->IncludeFolderName = 1;
    WriteListFile(list, "List\r\n" + Header("C:\\films\\") + "!get a.avi     -  1 KB\r\n" + Header("D:\\music\\") +
                            "!get b.mp3     -  2 KB\r\n!get c.mp3     -  3 KB\r\n");
    EXPECT_EQ(Find("a.avi"), "C:\\films\\a.avi");
    EXPECT_EQ(Find("C.MP3"), "D:\\music\\C.MP3");
    EXPECT_EQ(Find("a.av"), "");
    EXPECT_EQ(Find("b"), "");
}

TEST_F(ListedFileTest, WithoutSizesTheNameMustEndTheLineOrTheFile) {
    list->IncludeFolderName = 1;
    WriteListFile(list, Header("C:\\x\\") + "!get a.txt.bak\r\n!get b.txt\r\n!get a.txt");
    EXPECT_EQ(Find("a.txt"), "C:\\x\\a.txt");
    EXPECT_EQ(Find("b.txt"), "C:\\x\\b.txt");
    WriteListFile(list, Header("C:\\x\\") + "!get a.txt.bak\r\n");
    EXPECT_EQ(Find("a.txt"), "");
}

TEST_F(ListedFileTest, OnlyAWholeFileLineCountsAndLettersMatchInAnyCase) {
    list->IncludeFolderName = 1;
    WriteListFile(list, Header("C:\\x\\") + "junk before !get a.txt\r\n!GET My File.TXT\r\n");
    EXPECT_EQ(Find("my file.txt"), "C:\\x\\my file.txt");
    EXPECT_EQ(Find("a.txt"), "");
    // Only ASCII letters fold: other bytes must match exactly.
    WriteListFile(list, Header("C:\\x\\") + "!get \xC4rger.txt\r\n");
    EXPECT_EQ(Find("\xE4rger.txt"), "");
    EXPECT_EQ(Find("\xC4RGER.txt"), "C:\\x\\\xC4RGER.txt");
}

// A served file named like a list line must not open the way to a file the
// extension filter left out of the list.
TEST_F(ListedFileTest, AFileNamedLikeAListLineDoesNotStandInForAnotherFile) {
    const struct {
        uint32_t Sizes;
        const char* Body;
        const char* Name;
        const char* Expected;
    } cases[] = {
        {1, "!get x !get secret.dat     - z     -  1 KB\r\n", "secret.dat", ""},
        {1, "!get secret.dat     - z.avi     -  1 KB\r\n", "secret.dat", ""},
        {0, "!get x !get secret.dat\r\n", "secret.dat", ""},
        {1, "!get x !get secret.dat     - z     -  1 KB\r\n", "x !get secret.dat     - z",
         "C:\\x\\x !get secret.dat     - z"},
        {1, "!get x\r\n!get secret.dat     -  1 KB\r\n", "secret.dat", "C:\\x\\secret.dat"},
        {0, "!get x\n!get secret.dat", "secret.dat", "C:\\x\\secret.dat"},
    };
    list->IncludeFolderName = 1;
    for (const auto& c : cases) {
        list->IncludeFileSize = c.Sizes;
        WriteListFile(list, Header("C:\\x\\") + c.Body);
        EXPECT_EQ(Find(c.Name), c.Expected) << c.Body;
    }
}

TEST_F(ListedFileTest, WithoutAFolderHeaderTheListsFoldersAreSearched) {
    list->IncludeFileSize = 1;
    list->IncludeFolderName = 1;
    platform.Files.CreateFolder(ServedFolder() + "sub");
    ServeFile("sub\\deep.avi");
    WriteListFile(list, "!get deep.avi     -  1 KB\r\n!get gone.avi     -  1 KB\r\n");
    EXPECT_EQ(Find("deep.avi"), PosixFiles::Native(ServedFolder() + "sub\\deep.avi"));
    EXPECT_EQ(Find("gone.avi"), "");
}

TEST_F(ListedFileTest, WithoutFolderNamesTheFoldersAreSearchedEvenUnderAHeader) {
    ServeFile("a.avi");
    WriteListFile(list, Header("C:\\elsewhere\\") + "!get a.avi\r\n");
    EXPECT_EQ(Find("a.avi"), PosixFiles::Native(ServedFolder() + "a.avi"));
}

TEST_F(ListedFileTest, TheTriggerOfTheListIsPartOfThePattern) {
    list->IncludeFolderName = 1;
    WriteListFile(list, Header("C:\\x\\") + "!other a.avi\r\n");
    EXPECT_EQ(Find("a.avi"), "");
}

TEST_F(ListedFileTest, NamesWithFolderPartsAreNeverFoundEvenWhenListed) {
    list->IncludeFolderName = 1;
    const std::vector<std::string> hostile = {"..\\secret.txt", "../secret.txt", "sub\\a.txt", "C:secret.txt",
                                              "..", ".", "a.txt:stream", "tab\there.txt"};
    std::string body = Header("C:\\x\\");
    for (const std::string& name : hostile) body += "!get " + name + "\r\n";
    body += "!get fine..name.txt\r\n";
    WriteListFile(list, body);
    for (const std::string& name : hostile) EXPECT_EQ(Find(name), "") << name;
    EXPECT_EQ(Find("fine..name.txt"), "C:\\x\\fine..name.txt");
}

TEST_F(ListedFileTest, NamesLongerThanAnyFileNameAreNeverFound) {
    list->IncludeFolderName = 1;
    std::string longest(255, 'n');
    std::string tooLong(2000, 'n');
    WriteListFile(list, Header("C:\\x\\") + "!get " + longest + "\r\n!get " + tooLong + "\r\n");
    EXPECT_EQ(Find(longest), "C:\\x\\" + longest);
    EXPECT_EQ(Find(tooLong), "");
    EXPECT_EQ(Find(std::string(256, 'n')), "");
}

TEST_F(ListedFileTest, AMissingEmptyOrNeverGeneratedListFindsNothing) {
    EXPECT_EQ(Find("a.avi"), "");  // never generated
    list->TrueListName.Set("absent");
    EXPECT_EQ(Find("a.avi"), "");
    WriteListFile(list, "");
    EXPECT_EQ(Find("a.avi"), "");
}

TEST_F(ListedFileTest, AListWithoutAnyLineBreakIsReadToItsEndAndNoFurther) {
    list->IncludeFolderName = 1;
    ServeFile("a.avi");
    WriteListFile(list, "!get a.avi");
    EXPECT_EQ(Find("a.avi"), PosixFiles::Native(ServedFolder() + "a.avi"));
    WriteListFile(list, "!get a.av");
    EXPECT_EQ(Find("a.avi"), "");
    WriteListFile(list, std::string(5000, 'z'));
    EXPECT_EQ(Find("a.avi"), "");
}

TEST_F(ListedFileTest, HeadersCutShortOrAtTheVeryEndAreReadSafely) {
    list->IncludeFolderName = 1;
    ServeFile("a.avi");
    const std::string found = PosixFiles::Native(ServedFolder() + "a.avi");
    // A header too short to hold its closing " ]" names no folder.
    WriteListFile(list, "x\n[ Contents of ]\r\n!get a.avi\r\n");
    EXPECT_EQ(Find("a.avi"), found);
    WriteListFile(list, "x\n[ Contents of \n!get a.avi");
    EXPECT_EQ(Find("a.avi"), found);
    // Headers below the line, or cut off at the end of the file, do not count.
    WriteListFile(list, "!get a.avi\r\n[ Contents of C:\\x\\ ]");
    EXPECT_EQ(Find("a.avi"), found);
    WriteListFile(list, "!get a.avi\r\n[ Cont");
    EXPECT_EQ(Find("a.avi"), found);
    // A line at the very end that begins like a header is too short for one.
    list->FileTrigger.Set("[");
    WriteListFile(list, "x\n[ Co");
    EXPECT_EQ(Find("Co"), "");
    list->FileTrigger.Set("!get");
    // A header line that ends without its CR ends at its line feed.
    WriteListFile(list, "x\n[ Contents of C:\\x\\ ]\n!get a.avi");
    EXPECT_EQ(Find("a.avi"), "C:\\x\\a.avi");
}

TEST_F(ListedFileTest, TheNearestHeaderAboveTheLineWins) {
    list->IncludeFolderName = 1;
    std::string body = Header("C:\\one\\");
    for (int i = 0; i < 50; ++i) body += "!get file" + std::to_string(i) + ".txt\r\n";
    body += Header("C:\\two\\") + "!get last.txt\r\n";
    WriteListFile(list, body);
    EXPECT_EQ(Find("file49.txt"), "C:\\one\\file49.txt");
    EXPECT_EQ(Find("last.txt"), "C:\\two\\last.txt");
}

}  // namespace
}  // namespace qvs
