// FindListedFile on a list of one million files, beside grep on the same
// file for the same pattern: what a user would otherwise reach for.
#include <benchmark/benchmark.h>

#include <string>

#include "child_command.h"
#include "million_line_list.h"
#include "requests/folded_pattern.h"
#include "requests/listed_file.h"
#include "support/scratch_folder.h"

namespace qvs {
namespace {

constexpr int kWantedFile = kMillionFiles - 10;

// What the module looks for: trigger, blank, name, size column.
std::string Pattern(const std::string& name) { return "!music " + name + "     -"; }

void FindListedFileNearTheEnd(benchmark::State& run) {
    MillionLineList& list = MillionLineList::Shared();
    std::string name = MillionListFileName(kWantedFile);
    std::string path;
    for (auto _ : run) {
        if (!FindListedFile(list.State(), list.List(), name.c_str(), path)) run.SkipWithError("not found");
        benchmark::DoNotOptimize(path);
    }
}

void FindListedFileAbsent(benchmark::State& run) {
    MillionLineList& list = MillionLineList::Shared();
    std::string path;
    for (auto _ : run) benchmark::DoNotOptimize(FindListedFile(list.State(), list.List(), "absent.mp3", path));
}

// The scan alone, over a view mapped once: what the lookup costs apart from
// the platform's mapping of the file.
void ScanMappedListNearTheEnd(benchmark::State& run) {
    MillionLineList& list = MillionLineList::Shared();
    std::string name = MillionListFileName(kWantedFile);
    std::string pattern = Pattern(name);
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
    MillionLineList& list = MillionLineList::Shared();
    RunChildCommand(run, std::string(environment) + "grep -c -i -F '" + Pattern(name) + "' '" + list.Path() + "'");
}

void GrepNearTheEnd(benchmark::State& run) { Grep(run, MillionListFileName(kWantedFile), ""); }
void GrepNearTheEndCLocale(benchmark::State& run) { Grep(run, MillionListFileName(kWantedFile), "LC_ALL=C "); }
void GrepAbsent(benchmark::State& run) { Grep(run, "absent.mp3", ""); }
void GrepAbsentCLocale(benchmark::State& run) { Grep(run, "absent.mp3", "LC_ALL=C "); }

BENCHMARK(FindListedFileNearTheEnd)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ScanMappedListNearTheEnd)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GrepNearTheEnd)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GrepNearTheEndCLocale)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FindListedFileAbsent)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GrepAbsent)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GrepAbsentCLocale)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace qvs
