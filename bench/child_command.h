// A command a user would run instead, timed beside the module in the same
// run: its output, and the CPU time its processes used, which on a shared
// machine says more than their wall time.
#pragma once
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <string>

namespace qvs {

// CPU seconds the finished child processes have used so far.
inline double ChildCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the shell command once per iteration; false when it could not run or
// its first output line differs from expected (when one is given). Sets the
// counter "child_cpu_ms": CPU time per run of all its processes.
inline void RunChildCommand(benchmark::State& run, const std::string& command, const std::string& expected = "") {
    double cpuBefore = ChildCpuSeconds();
    for (auto _ : run) {
        std::FILE* output = popen(command.c_str(), "r");
        char line[256] = {};
        bool read = output && std::fgets(line, sizeof line, output);
        while (output && std::fgetc(output) != EOF) {
        }
        if (output) pclose(output);
        if (!read || (!expected.empty() && expected + "\n" != line)) run.SkipWithError(("unexpected: " + command).c_str());
    }
    run.counters["child_cpu_ms"] =
        benchmark::Counter((ChildCpuSeconds() - cpuBefore) * 1000, benchmark::Counter::kAvgIterations);
}

}  // namespace qvs
