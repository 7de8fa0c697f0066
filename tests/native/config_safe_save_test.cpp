// A save that fails anywhere leaves the previous file as it was and says so
// where the user must know; a save that works leaves nothing else behind.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "config_fixture.h"
#include "config_sample.h"
#include "persistence/advertisement_file.h"
#include "persistence/channel_file.h"
#include "persistence/flood_file.h"
#include "persistence/list_file.h"
#include "persistence/random_file.h"
#include "persistence/user_file.h"
#include "support/read_file.h"

namespace qvs {
namespace {

using SaveFunction = bool (*)(ModuleState&);

struct SavedFile {
    const char* Name;
    SaveFunction Save;
    const char* Loss;  // what the error box says is lost; null when failures are silent
};

const SavedFile kFiles[] = {
    {"channel.dat", SaveChannelConfigs, "channels"},
    {"list.dat", SaveFileLists, "filelists"},
    {"advertisement.dat", SaveAdvertisements, nullptr},
    {"randomfile.dat", SaveRandomFiles, nullptr},
    {"Flood.dat", SaveNetworkSettings, nullptr},
    {"user.dat", SaveUserGroups, nullptr},
};

class ConfigSafeSaveTest : public ConfigTest {
protected:
    SpyStorage spy;

    void SetUp() override {
        configsample::BuildFullConfiguration(state);
        SaveAllConfiguration(state);
        // The configuration changes, and the next save goes wrong.
        state.Settings.Threshold = 1;
        state.FileLists.Head->ListName.Set("Renamed");
        state.Networks.Head->NetworkName.Set("Renamed");
        state.Ports.Storage = &spy;
    }

    std::string Contents(const std::string& file) { return ReadWholeFile(ConfigPath(file)); }

    std::string ExpectedMessage(const SavedFile& file) {
        std::string what = file.Loss;
        return "Fail to open " + ConfigPath(file.Name) + " for writing\r\nThe configuration of all " + what +
               " cannot be saved\r\nYou'll lose information about " + what + " during this session";
    }

    // Saves each file with the failure armed, checking that the file is kept.
    template <typename Arm>
    void ExpectEveryFileKeptThrough(Arm arm) {
        for (const SavedFile& file : kFiles) {
            SCOPED_TRACE(file.Name);
            platform.Panel.Messages.clear();
            std::string before = Contents(file.Name);
            ASSERT_FALSE(before.empty());
            arm();
            EXPECT_FALSE(file.Save(state));
            EXPECT_EQ(Contents(file.Name), before);
            EXPECT_FALSE(platform.Files.FileExists(ConfigPath(std::string(file.Name) + ".new")));
            if (file.Loss) {
                ASSERT_EQ(platform.Panel.Messages.size(), 1u);
                EXPECT_EQ(platform.Panel.Messages[0], ExpectedMessage(file));
                EXPECT_EQ(platform.Panel.Icons[0], uint32_t{kIconError});
            } else {
                EXPECT_TRUE(platform.Panel.Messages.empty());
            }
        }
    }
};

TEST_F(ConfigSafeSaveTest, AFileThatCannotBeFinishedLeavesThePreviousOne) {
    ExpectEveryFileKeptThrough([&] { spy.RootReleaseFails = true; });
}

TEST_F(ConfigSafeSaveTest, AnElementThatCannotBeCreatedLeavesThePreviousFile) {
    ExpectEveryFileKeptThrough([&] { spy.CreatesBeforeFailure = 3; });
}

TEST_F(ConfigSafeSaveTest, AFileThatCannotBeCreatedLeavesThePreviousOne) {
    for (const SavedFile& file : kFiles) mkdir((ConfigPath(file.Name) + ".new").c_str(), 0755);
    ExpectEveryFileKeptThrough([] {});
}

TEST_F(ConfigSafeSaveTest, OneFailingFileDoesNotStopTheOthers) {
    mkdir(ConfigPath("list.dat.new").c_str(), 0755);
    SaveAllConfiguration(state);
    EXPECT_EQ(platform.Panel.Messages.size(), 1u);
    ModuleState& loaded = Reload();
    EXPECT_STREQ(loaded.FileLists.Head->ListName.c_str(), "KM-SciFi");
    EXPECT_STREQ(loaded.Networks.Head->NetworkName.c_str(), "Renamed");
    EXPECT_EQ(loaded.Settings.Threshold, 1u);
}

TEST_F(ConfigSafeSaveTest, ASuccessfulSaveReplacesTheFileAndLeavesNoTemporaryFile) {
    for (const SavedFile& file : kFiles) {
        SCOPED_TRACE(file.Name);
        EXPECT_TRUE(file.Save(state));
        EXPECT_FALSE(platform.Files.FileExists(ConfigPath(std::string(file.Name) + ".new")));
    }
    EXPECT_TRUE(platform.Panel.Messages.empty());
    EXPECT_EQ(Reload().Settings.Threshold, 1u);
}

// A temporary file left by a save that was killed is simply written over.
TEST_F(ConfigSafeSaveTest, ALeftoverTemporaryFileIsReplaced) {
    platform.Files.AppendToFile(ConfigPath("channel.dat.new"), "torn", 4);
    EXPECT_TRUE(SaveChannelConfigs(state));
    EXPECT_FALSE(platform.Files.FileExists(ConfigPath("channel.dat.new")));
    EXPECT_EQ(Reload().Settings.Threshold, 1u);
}

}  // namespace
}  // namespace qvs
