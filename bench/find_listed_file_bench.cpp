// FindListedFile on a list of one million files, beside grep on the same
// file for the same pattern: what a user would otherwise reach for.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "fake/fake_platform.h"
#include "model/channel_config.h"
#include "model/memory.h"
#include "requests/folded_pattern.h"
#include "requests/listed_file.h"
#include "support/scratch_folder.h"

namespace qvs {
namespace {

constexpr int kFiles = 1000000;
constexpr int kFilesPerFolder = 1000;
constexpr int kWantedFile = kFiles - 10;

std::string FileName(int number) {
    char name[64];
    std::snprintf(name, sizeof name, "Some Artist - Track Title %07d.mp3", number);
    return name;
}

// The list file lives in a folder of its own under /tmp for the whole run.
class MillionLineList {
public:
    MillionLineList() : platform_(scratch_.Path() + "/") {
        list_ = NewRecord<FileList>();
        list_->TrueListName.Set("Music-20260307");
        list_->FileTrigger.Set("!music");
        list_->IncludeFileSize = 1;
        list_->IncludeFolderName = 1;
        platform_.State.FileLists.PushBack(list_);
        Write();
    }
    ModuleState& State() { return platform_.State; }
    const FileList* List() const { return list_; }
    std::string Path() const { return scratch_.File("Music-20260307.txt"); }
    // What the module looks for: trigger, blank, name, size column.
    std::string Pattern(const std::string& name) const { return "!music " + name + "     -"; }

private:
    void Write() {
        std::ofstream file(Path(), std::ios::binary);
        file << "Music list\r\n\r\n";
        for (int number = 0; number < kFiles; ++number) {
            if (number % kFilesPerFolder == 0)
                file << "\r\n[ Contents of D:\\Music\\Folder " << number / kFilesPerFolder << "\\ ]\r\n";
            file << "!music " << FileName(number) << "     -  4.2 MB\r\n";
        }
    }

    ScratchFolder scratch_;
    FakePlatform platform_;
    FileList* list_ = nullptr;
};

MillionLineList& Fixture() {
    static MillionLineList list;
    return list;
}

void FindListedFileNearTheEnd(benchmark::State& run) {
    MillionLineList& list = Fixture();
    std::string name = FileName(kWantedFile);
    std::string path;
    for (auto _ : run) {
        if (!FindListedFile(list.State(), list.List(), name.c_str(), path)) run.SkipWithError("not found");
        benchmark::DoNotOptimize(path);
    }
}

void FindListedFileAbsent(benchmark::State& run) {
    MillionLineList& list = Fixture();
    std::string path;
    for (auto _ : run) benchmark::DoNotOptimize(FindListedFile(list.State(), list.List(), "absent.mp3", path));
}

// The scan alone, over a view mapped once: what the lookup costs apart from
// the platform's mapping of the file.
void ScanMappedListNearTheEnd(benchmark::State& run) {
    MillionLineList& list = Fixture();
    std::string name = FileName(kWantedFile);
    std::string pattern = list.Pattern(name);
    std::size_t nameFrom = pattern.find(' ') + 1;
    FoldedPattern folded(pattern, nameFrom, nameFrom + name.rfind('.'));
    MappedFile view;
    FilePort& files = *list.State().Ports.Files;
    if (!files.MapFile(list.Path(), view)) return run.SkipWithError("cannot map");
    for (auto _ : run) benchmark::DoNotOptimize(folded.FindIn(view.Data, view.Size, 0));
    files.UnmapFile(view);
}

// grep counts the matching lines: -c -i -F with the module's pattern.
void Grep(benchmark::State& run, const std::string& name, const char* environment) {
    MillionLineList& list = Fixture();
    std::string command =
        std::string(environment) + "grep -c -i -F '" + list.Pattern(name) + "' '" + list.Path() + "'";
    for (auto _ : run) {
        std::FILE* output = popen(command.c_str(), "r");
        char count[32] = {};
        if (!output || !std::fgets(count, sizeof count, output)) run.SkipWithError("grep failed");
        if (output) pclose(output);
        benchmark::DoNotOptimize(count);
    }
}

void GrepNearTheEnd(benchmark::State& run) { Grep(run, FileName(kWantedFile), ""); }
void GrepNearTheEndCLocale(benchmark::State& run) { Grep(run, FileName(kWantedFile), "LC_ALL=C "); }
void GrepAbsent(benchmark::State& run) { Grep(run, "absent.mp3", ""); }

BENCHMARK(FindListedFileNearTheEnd)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ScanMappedListNearTheEnd)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GrepNearTheEnd)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GrepNearTheEndCLocale)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FindListedFileAbsent)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GrepAbsent)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace qvs
