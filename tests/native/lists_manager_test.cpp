// The list manager's core: the list dialogs' checks in their order, a new
// list's defaults, folders and extensions, binding to a channel, and
// deleting a list (files, bindings, queued requests), also while its
// generation runs or waits to run.
#include <sstream>

#include "lists/generation.h"
#include "lists/list_binding.h"
#include "lists/list_file_path.h"
#include "lists/list_folders.h"
#include "lists/list_properties.h"
#include "lists/list_removal.h"
#include "lists/regeneration.h"
#include "model/queue_ops.h"
#include "requests_fixture.h"

namespace qvs {
namespace {

class ListManagerTest : public RequestsTest {
protected:
    ListManagerTest() { movies = AddList("Movies", "!get", "@movies"); }

    bool Exists(const std::string& name) { return platform.Files.FileExists(state.ConfigFolder + name); }

    FileList* movies = nullptr;
};

TEST_F(ListManagerTest, EachDialogAnswersItsFirstFailingCheck) {
    const std::string longName(2000, 'n');
    struct Case {
        ListProperties fields;
        const char* newList;
        const char* wizard;
        const char* modified;  // of the list Movies
    } cases[] = {
        {{"", "", "@a b", "@a"}, kNoListNameMessage, kNoListNameMessage, kNoListNameMessage},
        {{"New", "", "", ""}, nullptr, kNoListTriggerMessage, nullptr},
        {{"New", "", "@x ", "!y"}, kTriggerBlankMessage, kTriggerBlankMessage, kTriggerBlankMessage},
        {{"New", "", "!Same", "!same"}, kSameTriggersMessage, kSameTriggersMessage, kSameTriggersMessage},
        {{"New", "", "@new", "! y"}, kTriggerBlankMessage, kTriggerBlankMessage, kTriggerBlankMessage},
        {{"New", "", "@new", ""}, nullptr, kNoFileTriggerMessage, nullptr},
        {{"mOVIES", "", "@new", "!new"}, kDuplicateListMessage, kDuplicateListMessage, nullptr},
        {{"Movies ", "", "@new", "!new"}, nullptr, nullptr, nullptr},
        // Only the characters the field holds count: past them, a blank or a
        // second name no longer matters.
        {{longName, "", std::string(127, 't') + " ", "!new"}, nullptr, nullptr, nullptr},
        {{std::string(128, 'x'), "", "@new", "!new"}, nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields.ListName.substr(0, 20) + "|" + c.fields.ListTrigger + "|" + c.fields.FileTrigger);
        EXPECT_EQ(CheckNewList(state, c.fields), c.newList);
        EXPECT_EQ(CheckWizardList(state, c.fields), c.wizard);
        EXPECT_EQ(CheckModifiedList(state, movies, c.fields), c.modified);
    }
}

TEST_F(ListManagerTest, NamesAreCutToTheFieldAndThenUnique) {
    FileList* first = CreateFileList(state, {std::string(2000, 'a'), std::string(600, 'd'), std::string(200, 't'), ""});
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->ListName.Length(), 511u);
    EXPECT_EQ(first->Description.Length(), 511u);
    EXPECT_EQ(first->ListTrigger.Length(), 127u);
    EXPECT_TRUE(first->FileTrigger.IsNone()) << "an empty trigger is no trigger";
    EXPECT_EQ(CheckNewList(state, {std::string(600, 'A'), "", "", ""}), kDuplicateListMessage);
    EXPECT_EQ(state.FileLists.Tail, first) << "a new list goes to the end";
}

TEST_F(ListManagerTest, ANewListHasTheDefaultsOfTheManager) {
    FileList* list = CreateFileList(state, {"New", "about", "@new", "!new"});
    ASSERT_NE(list, nullptr);
    EXPECT_STREQ(list->ListHeader.c_str(), kDefaultListHeader);
    EXPECT_EQ(std::vector<uint32_t>({list->IncludeFileSize, list->IncludeFolderName, list->Zipped,
                                     list->NotifyAfterUpdated, list->AutoGen, list->EnableSchedule,
                                     list->ScheduleInterval, list->UseFilter}),
              std::vector<uint32_t>({1, 1, 1, 1, 0, 0, 60, 0}));
    EXPECT_TRUE(list->TrueListName.IsNone());
}

TEST_F(ListManagerTest, ModifyingKeepsTheListFileNameUntilTheNextGeneration) {
    movies->TrueListName.Set("Movies.03-07-2026");
    ASSERT_TRUE(ModifyFileList(movies, {"Films", "", "@films", ""}));
    EXPECT_STREQ(movies->ListName.c_str(), "Films");
    EXPECT_STREQ(movies->ListTrigger.c_str(), "@films");
    EXPECT_TRUE(movies->FileTrigger.IsNone());
    EXPECT_STREQ(movies->TrueListName.c_str(), "Movies.03-07-2026");
}

TEST_F(ListManagerTest, FoldersAndExtensionsAreKeptOnceInTheirOrder) {
    FileList* list = CreateFileList(state, {"New", "", "", ""});
    NameNode* data = AddListFolder(list, "C:\\Data");
    EXPECT_EQ(AddListFolder(list, "C:\\data\\"), nullptr);
    EXPECT_EQ(AddListFolder(list, ""), nullptr);
    NameNode* music = AddListFolder(list, "D:\\Music\\");
    NameNode* gone = AddListFolder(list, "E:\\does not exist");
    ASSERT_TRUE(data && music && gone);
    EXPECT_STREQ(data->Value.c_str(), "C:\\Data\\");
    EXPECT_TRUE(ListHasFolder(list, "c:\\DATA"));
    EXPECT_FALSE(list->CreationFolder.MoveTowardHead(data));
    EXPECT_TRUE(list->CreationFolder.MoveTowardTail(data));
    EXPECT_EQ(list->CreationFolder.Head, music);
    EXPECT_EQ(RemoveListFolder(list, gone), data) << "the last one is selected after the last goes";
    EXPECT_EQ(RemoveListFolder(list, music), data) << "the one now at its place";
    EXPECT_EQ(RemoveListFolder(list, data), nullptr);

    struct Case {
        const char* typed;
        const char* stored;  // null: ignored
    } extensions[] = {
        {".TXT", "txt"}, {"TXT", nullptr}, {" \r\n..Avi \n", "avi"}, {"...", "."}, {". mp3", "mp3"},
        {"tar gz", "tar gz"}, {"", nullptr}, {"  ", nullptr},
    };
    for (const Case& c : extensions) {
        SCOPED_TRACE(c.typed);
        NameNode* added = AddListExtension(list, c.typed);
        EXPECT_EQ(std::string(added ? added->Value.c_str() : "(ignored)"), c.stored ? c.stored : "(ignored)");
    }
    EXPECT_EQ(list->ExtensionFilter.Count, 5u);
    RemoveListExtension(list, list->ExtensionFilter.Head);
    EXPECT_STREQ(list->ExtensionFilter.Head->Value.c_str(), "avi");
}

TEST_F(ListManagerTest, ScheduleMinutesFallBackToAnHour) {
    const std::pair<const char*, uint32_t> cases[] = {{"15", 15}, {"0", 60}, {"", 60}, {"1x", 60}, {"-5", 60}};
    for (const auto& c : cases) EXPECT_EQ(ScheduleIntervalFromField(c.first), c.second) << c.first;
    movies->ScheduleMinutes = 42;
    SetListSchedule(movies, 1);
    EXPECT_EQ(movies->EnableSchedule, 1u);
    EXPECT_EQ(movies->ScheduleMinutes, 0u);
}

TEST_F(ListManagerTest, AChannelServesEachListTriggerOnce) {
    FileList* same = CreateFileList(state, {"Other", "", "@MOVIES", "!other"});
    FileList* free = CreateFileList(state, {"Free", "", "@free", "!free"});
    FileList* silent = CreateFileList(state, {"Silent", "", "", "!silent"});
    EXPECT_EQ(CheckListBinding(config, same),
              "Cannot add this list to this channel :\r\nTrigger: @MOVIES is already used in this channel");
    EXPECT_EQ(BindFileList(config, same), nullptr);
    EXPECT_EQ(BindFileList(config, movies), nullptr) << "already bound";
    ListSelection* bound = BindFileList(config, free);
    ASSERT_NE(bound, nullptr);
    EXPECT_EQ(bound->AccessMode, kBothWindows);
    EXPECT_EQ(free->Channels.Head->Config, config);
    EXPECT_NE(BindFileList(config, silent), nullptr) << "no list trigger, nothing to clash";
    UnselectFileList(*config, bound);
    EXPECT_TRUE(free->Channels.Empty());
    EXPECT_EQ(config->FileListLinks.Count, 2u);
}

TEST_F(ListManagerTest, RemovingAListTakesItsFilesBindingsAndQueuedReferences) {
    ChannelConfig* second = NewChannelConfig(state, "#more");
    SelectFileList(*second, *movies);
    movies->TrueListName.Set("Movies.03-07-2026");
    for (const char* name : {"Movies.03-07-2026.txt", "Movies.03-07-2026.zip", "Movies-invalid.txt", "keep.txt"})
        WriteFile(state.ConfigFolder + name, "x");
    QueueEntry* queued = NewRecord<QueueEntry>();
    queued->IsList = 1;
    queued->List = movies;
    state.ListQueue.Sending.PushBack(queued);
    RemoveFileList(state, movies);
    EXPECT_TRUE(state.FileLists.Empty());
    EXPECT_TRUE(state.RetiredLists.Empty());
    EXPECT_TRUE(config->FileListLinks.Empty());
    EXPECT_TRUE(second->FileListLinks.Empty());
    EXPECT_EQ(queued->List, nullptr);
    for (const char* name : {"Movies.03-07-2026.txt", "Movies.03-07-2026.zip", "Movies-invalid.txt"})
        EXPECT_FALSE(Exists(name)) << name;
    EXPECT_TRUE(Exists("keep.txt"));
    EXPECT_EQ(platform.Worker.LockDepth(), 0u);
    EXPECT_GT(platform.Worker.Locks(), 0u) << "files go under the list-generation lock";
}

TEST_F(ListManagerTest, AListNeverGeneratedDeletesNothingNamedByItsExtensionAlone) {
    WriteFile(state.ConfigFolder + ".txt", "x");
    WriteFile(state.ConfigFolder + ".zip", "x");
    RemoveFileList(state, movies);
    EXPECT_TRUE(Exists(".txt"));
    EXPECT_TRUE(Exists(".zip"));
}

// A generation asked for and still waiting for its thread when the list is
// deleted: the record stays until the generation ends, which then writes
// nothing and answers the host 0.
TEST_F(ListManagerTest, AListDeletedBeforeItsGenerationRunsIsReleasedAfterIt) {
    ServeFile("a.avi", 10);
    RegenerateList(state, movies, 0, 0, 1);
    ASSERT_EQ(platform.Worker.PendingCount(), 1u);
    std::string listFile = ListFilePath(state, movies);
    RemoveFileList(state, movies);
    ASSERT_EQ(state.RetiredLists.Head, movies);
    EXPECT_EQ(movies->Retired, 1u);
    ReleaseRetiredLists(state);
    EXPECT_EQ(state.RetiredLists.Head, movies) << "its generation may still reach it";
    platform.Worker.RunPending();
    EXPECT_FALSE(platform.Files.FileExists(listFile));
    EXPECT_FALSE(platform.Files.FileExists(state.ConfigFolder + "Movies.03-07-2026.txt"));
    EXPECT_EQ(platform.WorkerHost.Posted, std::vector<std::string>{"/QVSListDone 0 Movies"});
    ReleaseRetiredLists(state);
    EXPECT_TRUE(state.RetiredLists.Empty());
}

// A generation that runs while the list is deleted holds the lock: deletion
// waits for it (here: the generation has finished inside the lock), and the
// files it wrote go with the list.
TEST_F(ListManagerTest, AListDeletedAfterItsGenerationRanTakesTheNewFiles) {
    ServeFile("a.avi", 10);
    movies->Zipped = 0;
    RegenerateList(state, movies, 0, 0, 0);
    platform.Worker.RunPending();
    std::string listFile = ListFilePath(state, movies);
    ASSERT_TRUE(platform.Files.FileExists(listFile));
    RemoveFileList(state, movies);
    EXPECT_FALSE(platform.Files.FileExists(listFile));
    EXPECT_TRUE(state.RetiredLists.Empty()) << "no generation pending: released at once";
}

// The dated name is given on the UI thread when the generation is asked
// for; the generation thread writes that very file and never replaces the
// text the UI thread reads, not even when the day changes before it runs or
// the list is edited meanwhile.
TEST_F(ListManagerTest, TheListFileNameIsPublishedOnlyOnTheUiThread) {
    ServeFile("a.avi", 10);
    movies->Zipped = 0;
    RegenerateList(state, movies, 0, 0, 0);
    const char* published = movies->TrueListName.c_str();
    EXPECT_STREQ(published, "Movies.03-07-2026");
    platform.Time.SetUtc(platform.Time.UtcNow() + 24ull * 60 * 60 * 1000 * 10000);
    ModifyFileList(movies, {"Renamed", "", "@x", "!changed"});
    RemoveListFolder(movies, movies->CreationFolder.Head);
    platform.Worker.RunPending();
    EXPECT_EQ(movies->TrueListName.c_str(), published) << "the text was not replaced";
    std::ifstream file(PosixFiles::Native(state.ConfigFolder + "Movies.03-07-2026.txt"), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("!get a.avi"), std::string::npos) << "the settings as they were when asked for";
    EXPECT_EQ(movies->PendingGenerations.load(), 0u);
}

}  // namespace
}  // namespace qvs
