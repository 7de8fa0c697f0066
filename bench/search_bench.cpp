// KeywordSearch for two keywords over the one-million-line list file,
// beside the pipeline a user would type for the same count:
// grep -i -F RARE FILE | grep -i -F OTHER | wc -l. Also what a
// channel line that is no trigger at all costs the module.
#include <benchmark/benchmark.h>

#include <string>

#include "child_command.h"
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

// The best order for grep: the rarer word first, so the second grep sees
// only the few lines that hold it.
void Pipeline(benchmark::State& run, const char* environment) {
    SearchChannel& channel = SearchChannel::Shared();
    RunChildCommand(run, std::string(environment) + "grep -i -F " + kSecondWord + " '" + channel.Path() + "' | " +
                             environment + "grep -i -F " + kFirstWord + " | wc -l");
}

void GrepPipelineDefaultLocale(benchmark::State& run) { Pipeline(run, ""); }
void GrepPipelineCLocale(benchmark::State& run) { Pipeline(run, "LC_ALL=C "); }

// The costliest queries of one line: a key on every line with one other
// keyword said a hundred or two hundred times, and every piece of one to
// three bytes of what every line holds. Every line matches.
std::string Repeated(const std::string& key, const std::string& other, int times) {
    std::string query = key;
    for (int i = 0; i < times; ++i) query += " " + other;
    return query;
}

std::string CommonPieces() {
    const std::string common = "!music Some Artist - Track Title 0";
    constexpr std::size_t kMostPiece = 3, kLongestQuery = 399;
    std::string query;
    for (std::size_t length = kMostPiece; length > 0; --length)
        for (std::size_t at = 0; at + length <= common.size(); ++at) {
            std::string piece = common.substr(at, length);
            if (piece.find(' ') == std::string::npos && query.size() + piece.size() < kLongestQuery)
                query += (query.empty() ? "" : " ") + piece;
        }
    return query;
}

// More keywords than one word of found bits holds: the key on every line,
// the three-byte pieces of what every line holds, then pieces no line holds,
// so every line is walked to its end.
std::string PiecesAndMisses() {
    const std::string common = "!music Some Artist - Track Title 0";
    constexpr std::size_t kPiece = 3, kLongestQuery = 399;
    std::string query = "Artist";
    for (std::size_t at = 0; at + kPiece <= common.size(); ++at) {
        std::string piece = common.substr(at, kPiece);
        if (piece.find(' ') == std::string::npos) query += " " + piece;
    }
    const std::string rare = "qjxzvkw";
    const std::size_t n = rare.size();
    for (std::size_t i = 0; query.size() + kPiece + 1 < kLongestQuery; ++i)
        query += std::string(" ") + rare[i % n] + rare[i / n % n] + rare[i / (n * n) % n];
    return query;
}

// Answers: the list's summary and the capped lines, or none at all.
void WorstLine(benchmark::State& run, const std::string& query, std::size_t answers = kCap + 1) {
    SearchChannel& channel = SearchChannel::Shared();
    for (auto _ : run) {
        KeywordSearch(channel.State(), channel.Channel(), query.c_str(), "alice");
        if (channel.Host().Executed.size() != answers) run.SkipWithError("unexpected answer");
        channel.Host().Executed.clear();
        channel.Host().Evaluated.clear();
    }
}

void WorstLineRepeatedKeyword(benchmark::State& run) { WorstLine(run, Repeated("artist", "mp3", 97)); }
void WorstLineRepeatedShortKeyword(benchmark::State& run) { WorstLine(run, Repeated("mp3", "3", 198)); }
void WorstLineDistinctCommonPieces(benchmark::State& run) { WorstLine(run, CommonPieces()); }
void WorstLineManyKeywordsOneMissing(benchmark::State& run) { WorstLine(run, PiecesAndMisses(), 0); }

// One grep pass over the same file, counting the lines that hold a word of
// every line.
void GrepOnePassCLocale(benchmark::State& run) {
    RunChildCommand(run, "LC_ALL=C grep -c -i -F artist '" + SearchChannel::Shared().Path() + "'");
}

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
BENCHMARK(WorstLineRepeatedKeyword)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WorstLineRepeatedShortKeyword)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WorstLineDistinctCommonPieces)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WorstLineManyKeywordsOneMissing)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GrepOnePassCLocale)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ChannelLineThatIsNoTrigger)->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace qvs
