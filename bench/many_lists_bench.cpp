// A request for a file no list holds, in a channel serving ten lists of
// 200,000 files through the own-nick trigger and a virtual list (each list
// tries all the others), beside one grep pass over the same ten files.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "child_command.h"
#include "intake/served_channels.h"
#include "million_line_list.h"
#include "model/channel_config.h"
#include "requests/dispatch.h"

namespace qvs {
namespace {

constexpr int kLists = 10;
constexpr int kFilesPerList = 200000;

class ManyLists {
public:
    ManyLists() : platform_(scratch_.Path() + "/") {
        ModuleState& state = platform_.State;
        platform_.Host.Answer("$me", "Server");
        platform_.Host.Resolver = [](const std::string& identifier, std::string& value) {
            value = "1";
            return identifier.rfind("$GetComChan(", 0) == 0;
        };
        ChannelConfig* config = NewChannelConfig(state, "#music");
        config->RestoreSavedQueue = 0;
        config->VirtualList = 1;
        config->AGFileTriggerMode = 1;
        for (int number = 0; number < kLists; ++number) AddList(state, config, number);
        channel_ = OpenServedChannel(state, 0, "#music");
    }

    ModuleState& State() { return platform_.State; }
    ServedChannel* Channel() { return channel_; }
    FakeHost& Host() { return platform_.Host; }
    const std::vector<std::string>& Paths() const { return paths_; }

    static ManyLists& Shared() {
        static ManyLists lists;
        return lists;
    }

private:
    void AddList(ModuleState& state, ChannelConfig* config, int number) {
        std::string name = "Music" + std::to_string(number), trigger = "!music" + std::to_string(number);
        FileList* list = NewRecord<FileList>();
        list->ListName.Set(name.c_str());
        list->ListTrigger.Set(("@" + name).c_str());
        list->TrueListName.Set(name.c_str());
        list->FileTrigger.Set(trigger.c_str());
        list->IncludeFileSize = 1;
        list->IncludeFolderName = 1;
        state.FileLists.PushBack(list);
        ListSelection* selection = NewRecord<ListSelection>();
        selection->List = list;
        config->FileListLinks.PushBack(selection);
        paths_.push_back(scratch_.File(name + ".txt"));
        WriteNumberedList(paths_.back(), trigger, kFilesPerList);
    }

    ScratchFolder scratch_;
    FakePlatform platform_;
    ServedChannel* channel_ = nullptr;
    std::vector<std::string> paths_;
};

void WorstLineMissingFileInTenLists(benchmark::State& run) {
    ManyLists& lists = ManyLists::Shared();
    std::string channelText = "#music", nick = "alice", message = "!Server absent.mp3";
    for (auto _ : run) {
        TextEvent event{0, &channelText[0], &nick[0], &message[0], 0, 0};
        if (DispatchTrigger(lists.State(), lists.Channel(), event) != 1) run.SkipWithError("not taken");
        if (lists.Host().Executed.size() != kLists) run.SkipWithError("not one answer per list");
        lists.Host().Executed.clear();
        lists.Host().Evaluated.clear();
    }
}

void GrepTenListsCLocale(benchmark::State& run) {
    std::string command = "LC_ALL=C grep -h -c -i -F '!music1 absent.mp3     -'";
    for (const std::string& path : ManyLists::Shared().Paths()) command += " '" + path + "'";
    RunChildCommand(run, command, "0");
}

BENCHMARK(WorstLineMissingFileInTenLists)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GrepTenListsCLocale)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace qvs
