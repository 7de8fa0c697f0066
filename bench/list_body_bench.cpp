// Writing the list body of 100,000 files in 1,000 folders, beside find
// printing name and size of every file of the same tree: what a user would
// otherwise reach for. The tree is made once; the page cache is warm after
// the first pass.
#include <benchmark/benchmark.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "fake/posix_files.h"
#include "lists/list_body_writer.h"
#include "support/scratch_folder.h"

namespace qvs {
namespace {

constexpr int kFolders = 1000;
constexpr int kFilesPerFolder = 100;

class FileTree {
public:
    FileTree() : root_(scratch_.File("tree")) {
        mkdir(root_.c_str(), 0755);
        for (int folder = 0; folder < kFolders; ++folder) {
            std::string path = root_ + "/Folder " + std::to_string(folder);
            mkdir(path.c_str(), 0755);
            for (int file = 0; file < kFilesPerFolder; ++file)
                std::ofstream(path + "/Some Artist - Track " + std::to_string(file) + ".mp3") << folder;
        }
    }
    const std::string& Root() const { return root_; }
    std::string Out() const { return root_ + ".out"; }

private:
    ScratchFolder scratch_;  // removes the tree and the output with it
    std::string root_;
};

FileTree& Tree() {
    static FileTree tree;
    return tree;
}

void WriteListBody(benchmark::State& run, const char* showSize, const char* showDir) {
    PosixFiles files;
    ListBodyWriter writer(files);
    char data[kCreateListBufferSize];
    Tree();  // made before the clock runs
    for (auto _ : run) {
        writer.SetTrigger("!music");
        writer.SetShowSize(showSize);
        writer.SetShowDir(showDir);
        writer.ResetExtension();
        writer.SetFolder(Tree().Root().c_str());
        std::snprintf(data, sizeof data, "%s", Tree().Out().c_str());
        writer.CreateList(data);
        if (std::atoi(data) != kFolders * kFilesPerFolder) run.SkipWithError("wrong count");
    }
}

void ListBodyWithSizesAndFolders(benchmark::State& run) { WriteListBody(run, "1", "1"); }
void ListBodyNamesOnly(benchmark::State& run) { WriteListBody(run, "0", "0"); }

void FindPrintf(benchmark::State& run) {
    std::string command = "find '" + Tree().Root() + "' -type f -printf '%f %s\\n' > '" + Tree().Out() + "'";
    for (auto _ : run)
        if (std::system(command.c_str()) != 0) run.SkipWithError("find failed");
}

BENCHMARK(ListBodyWithSizesAndFolders)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ListBodyNamesOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FindPrintf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace qvs
