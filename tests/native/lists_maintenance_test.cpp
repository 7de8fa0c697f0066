// Keeping list files clean: Verify List on bodies our writer made, its
// renames and report, the withdrawal of a list file before a regeneration,
// and the removal of a deleted list's files.
#include <fstream>

#include "lists/list_body_writer.h"
#include "lists/list_file_path.h"
#include "lists/list_files.h"
#include "lists/verify_list.h"
#include "model/queue_ops.h"
#include "requests_fixture.h"

namespace qvs {
namespace {

class MaintenanceTest : public RequestsTest {
protected:
    MaintenanceTest() {
        state.Ports.Panel = &platform.Panel;
        list = AddList("Movies", "!get");
        list->TrueListName.Set("Movies.12-07-2026");
    }

    std::string Path(const std::string& name) const { return state.ConfigFolder + name; }
    bool Exists(const std::string& windowsPath) { return platform.Files.FileExists(windowsPath); }

    // The list file as our writer makes it from the served folder.
    void WriteBody() {
        ListBodyWriter writer(platform.Files);
        writer.SetTrigger("!get");
        writer.SetShowSize(list->IncludeFileSize == 1 ? "1" : "0");
        writer.SetShowDir(list->IncludeFolderName == 1 ? "1" : "0");
        writer.SetFolder(ServedFolder().c_str());
        char data[kCreateListBufferSize];
        std::snprintf(data, sizeof data, "%s", Path("Movies.12-07-2026.txt").c_str());
        writer.CreateList(data);
    }

    std::vector<std::string> Verified() {
        std::vector<InvalidEntry> entries;
        VerifyList(state, list, entries);
        std::vector<std::string> seen;
        for (const InvalidEntry& entry : entries)
            seen.push_back(PosixFiles::Native(entry.HasFolder ? entry.Folder + entry.Name : "?" + entry.Name));
        return seen;
    }

    FileList* list = nullptr;
};

TEST_F(MaintenanceTest, VerifyFindsTwoBlanksInNamesUnderEveryLayoutButNotInTheSizeColumn) {
    ServeFile("a  b.avi", 10);
    ServeFile("fine name.avi", 10);
    platform.Files.CreateFolder(ServedFolder() + "sub");
    ServeFile("sub\\c   d.avi", 10);
    const std::vector<std::string> expected = {PosixFiles::Native(ServedFolder() + "a  b.avi"),
                                               PosixFiles::Native(ServedFolder() + "sub\\c   d.avi")};
    for (uint32_t sizes : {0u, 1u})
        for (uint32_t folders : {0u, 1u}) {
            list->IncludeFileSize = sizes;
            list->IncludeFolderName = folders;
            WriteBody();
            EXPECT_EQ(Verified(), expected) << sizes << folders;
        }
    EXPECT_TRUE(platform.Panel.Messages.empty());
}

TEST_F(MaintenanceTest, VerifyAnswersWithABoxWhenThereIsNothingToReport) {
    ServeFile("fine name.avi", 10);
    WriteBody();
    EXPECT_TRUE(Verified().empty());
    list->TrueListName.Set("Movies.never");
    EXPECT_TRUE(Verified().empty());
    EXPECT_EQ(platform.Panel.Messages,
              (std::vector<std::string>{"Movies has no invalid entries", "Error: cannot open file: Movies.never"}));
}

TEST_F(MaintenanceTest, AutoRenameShrinksBlanksFallsBackToUnderscoresAndNeverReplacesAFile) {
    ServeFile("a  b.avi", 1);
    ServeFile("c   d.avi", 2);
    ServeFile("c d.avi", 3);  // the first choice for c   d is taken
    ServeFile("e  f.avi", 4);
    ServeFile("e f.avi", 5);
    ServeFile("e_ f.avi", 6);  // both choices taken
    list->IncludeFolderName = 1;
    WriteBody();
    std::vector<InvalidEntry> entries;
    ASSERT_TRUE(VerifyList(state, list, entries));
    entries.push_back(InvalidEntry{false, "", "g  h.avi"});  // no folder: left alone
    AutoRename(state, entries);
    for (const char* gone : {"a  b.avi", "c   d.avi"}) EXPECT_FALSE(Exists(ServedFolder() + gone)) << gone;
    for (const char* kept : {"a b.avi", "c__ d.avi", "c d.avi", "e  f.avi", "e f.avi", "e_ f.avi"})
        EXPECT_TRUE(Exists(ServedFolder() + kept)) << kept;
    EXPECT_EQ(platform.Files.FileSize(ServedFolder() + "c__ d.avi"), 2);
    EXPECT_EQ(platform.Files.FileSize(ServedFolder() + "e_ f.avi"), 6);
}

TEST_F(MaintenanceTest, TheReportListsFolderAndNamePerLine) {
    std::vector<InvalidEntry> entries = {{true, "C:\\x\\", "a  b.avi"}, {false, "", "c  d.avi"}};
    std::string path = SaveInvalidReport(state, list, entries);
    EXPECT_EQ(path, Path("Movies-invalid.txt"));
    std::ifstream file(PosixFiles::Native(path), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "C:\\x\\a  b.avi\r\nc  d.avi\r\n");
}

// The file a list request is served: a zipped list falls back to its text
// only while the archive is missing and the text is there.
TEST_F(MaintenanceTest, AZippedListWithoutItsArchiveIsServedAsItsText) {
    const struct {
        uint32_t Zipped;
        bool Zip, Text;
        const char* Served;
    } cases[] = {
        {1, true, true, "Movies.12-07-2026.zip"},  {1, false, true, "Movies.12-07-2026.txt"},
        {1, false, false, "Movies.12-07-2026.zip"}, {1, true, false, "Movies.12-07-2026.zip"},
        {0, true, true, "Movies.12-07-2026.txt"},  {0, true, false, "Movies.12-07-2026.txt"},
    };
    for (const auto& c : cases) {
        list->Zipped = c.Zipped;
        platform.Files.DeleteFile(Path("Movies.12-07-2026.zip"));
        platform.Files.DeleteFile(Path("Movies.12-07-2026.txt"));
        if (c.Zip) WriteFile(Path("Movies.12-07-2026.zip"), "PK");
        if (c.Text) WriteFile(Path("Movies.12-07-2026.txt"), "list");
        EXPECT_EQ(ListFilePath(state, list), Path(c.Served)) << c.Zipped << c.Zip << c.Text;
    }
}

// Three host sends, highest number first: 3 carries the zipped list in
// another letter case, 2 another file, 1 the list's text (served while its
// archive was missing) on the active connection.
TEST_F(MaintenanceTest, WithdrawalClosesTheListsSendsTellsReceiversAndDeletesTheOldFiles) {
    list->Zipped = 1;
    host.Answer("$send(0)", "3");
    const char* sends[][3] = {{"amy", "MOVIES.12-07-2026.zip", "2"}, {"bob", "other.zip", "0"},
                              {"cy", "Movies.12-07-2026.txt", "0"}};
    for (int i = 0; i < 3; ++i) {
        std::string n = std::to_string(3 - i);
        host.Answer("$send(" + n + ")", sends[i][0]);
        host.Answer("$send(" + n + ").File", sends[i][1]);
        host.Answer("$send(" + n + ").cid", sends[i][2]);
    }
    for (int i = 0; i < 2; ++i) {
        QueueEntry* running = NewRecord<QueueEntry>();
        running->IsList = 1;
        running->List = list;
        state.ListQueue.Sending.PushBack(running);
    }
    for (const char* file : {"Movies.12-07-2026.zip", "Movies.12-07-2026.txt", "Movies-invalid.txt"})
        WriteFile(Path(file), "old");
    EXPECT_TRUE(WithdrawListFile(state, list));
    EXPECT_EQ(host.Executed[0], "/scid 2 /close -s3");
    EXPECT_EQ(std::count(host.Executed.begin(), host.Executed.end(), "/close -s1"), 1);
    EXPECT_EQ(std::count(host.Executed.begin(), host.Executed.end(), "/close -s2"), 0);
    EXPECT_EQ(state.ListQueue.Sending.Count, 0u);
    EXPECT_EQ(platform.Panel.RowsRemoved.size(), 2u);
    std::string notice = Escaped("\\x0312,15Sorry,\\x03\\x032,15 Movies\\x03\\x0312,15 listfile is being updated. "
                                 "Please wait a moment and try again.\\x03");
    EXPECT_EQ(Notices("cy"), std::vector<std::string>{notice});
    EXPECT_EQ(std::count(host.Executed.begin(), host.Executed.end(), "/scid 2 /notice amy " + notice), 1);
    for (const char* file : {"Movies.12-07-2026.zip", "Movies.12-07-2026.txt", "Movies-invalid.txt"})
        EXPECT_FALSE(Exists(Path(file))) << file;
}

// The report cannot go: the list files already deleted stay deleted, the
// generation must not start.
class UndeletableFiles : public PosixFiles {
public:
    bool DeleteFile(const std::string& path) override {
        return path.find(Keep) == std::string::npos && PosixFiles::DeleteFile(path);
    }
    std::string Keep = "-invalid";
};

TEST_F(MaintenanceTest, AFileThatWillNotGoStopsTheWithdrawalWithABoxWhileMissingFilesCountAsGone) {
    UndeletableFiles files;
    state.Ports.Files = &files;
    host.Answer("$send(0)", "junk");
    WriteFile(Path("Movies.12-07-2026.txt"), "old");
    WriteFile(Path("Movies-invalid.txt"), "old");
    EXPECT_FALSE(WithdrawListFile(state, list));
    EXPECT_FALSE(Exists(Path("Movies.12-07-2026.txt")));
    EXPECT_EQ(platform.Panel.Messages, std::vector<std::string>{"Cannot delete Movies-invalid.txt\r\nThe list is not created"});
    EXPECT_EQ(platform.Panel.Icons[0], kIconInformation);
    files.Keep = "never matches";
    RemoveListFiles(state, list);
    EXPECT_FALSE(Exists(Path("Movies-invalid.txt")));
}

}  // namespace
}  // namespace qvs
