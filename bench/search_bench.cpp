// KeywordSearch for two keywords over the one-million-line list file,
// beside the pipeline a user would type for the same answer:
// grep -i -F word1 FILE | grep -i -F word2 | head -n CAP. Also what a
// channel line that is no trigger at all costs the module.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <string>

#include "intake/served_channels.h"
#include "million_line_list.h"
#include "model/channel_config.h"
#include "requests/dispatch.h"
#include "requests/search.h"

namespace qvs {
namespace {

constexpr uint32_t kCap = 5;

// A served channel "#music" bound to the million-line list, with a second
// list, an advertisement trigger and the search trigger: every test a line
// goes through before it is found to be no trigger.
class SearchChannel {
public:
    SearchChannel() : list_(MillionLineList::Shared()) {
        ModuleState& state = list_.State();
        FakeHost& host = list_.Platform().Host;
        host.Answer("$me", "Server");
        host.Resolver = [](const std::string& identifier, std::string& value) {
            value = "1";  // every nick shares a channel with us
            return identifier.rfind("$GetComChan(", 0) == 0;
        };
        ChannelConfig* config = NewChannelConfig(state, "#music");
        config->RestoreSavedQueue = 0;
        config->MaxFindResult = kCap;
        AppendName(config->SearchTriggers, "@find");
        Bind(config, list_.List());
        FileList* other = NewRecord<FileList>();
        other->ListName.Set("Other");
        other->FileTrigger.Set("!other");
        other->ListTrigger.Set("@other");
        state.FileLists.PushBack(other);
        Bind(config, other);
        AdGroupSelection* ads = NewRecord<AdGroupSelection>();
        ads->Trigger.Set("!ads");
        ads->DisplayWhen = 2;
        ads->Enable = 1;
        config->AdGroupLinks.PushBack(ads);
        channel_ = OpenServedChannel(state, 0, "#music");
    }

    ModuleState& State() { return list_.State(); }
    ServedChannel* Channel() { return channel_; }
    FakeHost& Host() { return list_.Platform().Host; }
    std::string Path() const { return list_.Path(); }

    static SearchChannel& Shared() {
        static SearchChannel channel;
        return channel;
    }

private:
    static void Bind(ChannelConfig* config, FileList* list) {
        ListSelection* selection = NewRecord<ListSelection>();
        selection->List = list;
        config->FileListLinks.PushBack(selection);
    }

    MillionLineList& list_;
    ServedChannel* channel_ = nullptr;
};

// Both words on about twenty lines: every tool reads the whole file.
constexpr char kFirstWord[] = "title";
constexpr char kSecondWord[] = "99999";

void KeywordSearchTwoWords(benchmark::State& run) {
    SearchChannel& channel = SearchChannel::Shared();
    std::string query = std::string(kFirstWord) + " " + kSecondWord;
    for (auto _ : run) {
        KeywordSearch(channel.State(), channel.Channel(), query.c_str(), "alice");
        if (channel.Host().Executed.size() != kCap + 1) run.SkipWithError("unexpected answer");
        channel.Host().Executed.clear();
        channel.Host().Evaluated.clear();
    }
}

// CPU seconds the finished child processes have used so far: on a shared
// machine their wall time says more about the neighbours than about grep.
double ChildCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void Pipeline(benchmark::State& run, const char* environment) {
    SearchChannel& channel = SearchChannel::Shared();
    std::string command = std::string(environment) + "grep -i -F " + kFirstWord + " '" + channel.Path() +
                          "' | " + environment + "grep -i -F " + kSecondWord + " | head -n " + std::to_string(kCap);
    double cpuBefore = ChildCpuSeconds();
    for (auto _ : run) {
        std::FILE* output = popen(command.c_str(), "r");
        char line[256];
        int lines = 0;
        while (output && std::fgets(line, sizeof line, output)) ++lines;
        if (output) pclose(output);
        if (lines != static_cast<int>(kCap)) run.SkipWithError("grep pipeline failed");
    }
    run.counters["pipeline_cpu_ms"] =
        benchmark::Counter((ChildCpuSeconds() - cpuBefore) * 1000, benchmark::Counter::kAvgIterations);
}

void GrepPipelineDefaultLocale(benchmark::State& run) { Pipeline(run, ""); }
void GrepPipelineCLocale(benchmark::State& run) { Pipeline(run, "LC_ALL=C "); }

// Ordinary chatter: no list, stock, advertisement or search trigger.
void ChannelLineThatIsNoTrigger(benchmark::State& run) {
    SearchChannel& channel = SearchChannel::Shared();
    std::string channelText = "#music", nick = "alice", message = "hey, does anyone have the new episode?";
    TextEvent event{0, &channelText[0], &nick[0], &message[0], 0, 0};
    for (auto _ : run) benchmark::DoNotOptimize(DispatchTrigger(channel.State(), channel.Channel(), event));
}

BENCHMARK(KeywordSearchTwoWords)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GrepPipelineCLocale)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GrepPipelineDefaultLocale)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ChannelLineThatIsNoTrigger)->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace qvs
