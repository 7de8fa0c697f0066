// One request as the module handles it with a long queue: admission of the
// new entry, then one scheduler pass, with 100, 10,000 and 100,000 entries of
// 1,000 nicks waiting in the Regular queue. The figures should not grow with
// the queue.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "fake/fake_platform.h"
#include "intake/served_channels.h"
#include "model/channel_config.h"
#include "model/queue_ops.h"
#include "requests/admission.h"
#include "requests/new_entry.h"
#include "sending/scheduler.h"
#include "sending/send_slots.h"
#include "sending/waiting_entries.h"
#include "support/scratch_folder.h"

namespace qvs {
namespace {

constexpr int kNicks = 1000;
constexpr uint32_t kConnectionId = 1;
constexpr uint64_t kLargeFile = 700u << 20;

std::string Nick(int number) { return "nick" + std::to_string(number % kNicks); }

std::string Path(long number) {
    char path[64];
    std::snprintf(path, sizeof path, "D:\\Movies\\Some Movie %07ld.avi", number);
    return path;
}

// A served channel whose Regular queue holds the given number of entries,
// nicks in turn, verbose answers on, two Regular slots.
class LongQueue {
public:
    explicit LongQueue(long waiting) : platform_(scratch_.Path() + "/") {
        ModuleState& state = platform_.State;
        platform_.Host.Answer("$scid(1).$me", "Server");
        platform_.Host.Resolver = [](const std::string& identifier, std::string& value) {
            if (identifier.rfind("$GetComChan(", 0) != 0) return false;
            value = "1";
            return true;
        };
        ChannelConfig* config = NewChannelConfig(state, "#movies");
        config->RestoreSavedQueue = 0;
        config->MinSlot = config->MaxSlot = 2;
        channel_ = OpenServedChannel(state, kConnectionId, "#movies");
        for (long i = 0; i < waiting + 2; ++i) Enqueue(i);
        RunScheduler(state, channel_);
        RunScheduler(state, channel_);
    }
    ModuleState& State() { return platform_.State; }
    ServedChannel* Channel() { return channel_; }

    // What a file request does once the file is found: a new entry,
    // admission, and the scheduler at once.
    void Request(long number) {
        ModuleState& state = platform_.State;
        std::string nick = Nick(static_cast<int>(number));
        std::string path = Path(number);
        QueueEntry* entry = CreateQueueEntry(state, nick.c_str(), path.c_str(), kConnectionId, kLargeFile,
                                             channel_->Config);
        TextEvent request{kConnectionId, channelName_, &nick[0], message_, 0, 0};
        if (AdmitEntry(state, channel_, entry, request, path.c_str() + 10) > 0)
            RunScheduler(state, channel_);
        else
            ReleaseEntry(entry);
    }

    // A waiting entry put straight at the tail, without admission.
    void Enqueue(long number) {
        std::string nick = Nick(static_cast<int>(number));
        QueueEntry* entry = CreateQueueEntry(platform_.State, nick.c_str(), Path(number).c_str(), kConnectionId,
                                             kLargeFile, channel_->Config);
        entry->Channel = channel_;
        entry->InRegularQueue = 1;
        channel_->Regular.Waiting.PushBack(entry);
    }

    // The fake host remembers every exchange; forget them now and then.
    void ForgetExchanges() {
        if (platform_.Host.Evaluated.size() < 100000) return;
        platform_.Host.Evaluated.clear();
        platform_.Host.Executed.clear();
    }

private:
    ScratchFolder scratch_;
    FakePlatform platform_;
    ServedChannel* channel_ = nullptr;
    char channelName_[8] = "#movies";
    char message_[16] = "!get a movie";
};

// Both Regular slots busy: the pass starts nothing; admission asks the
// queue's indexes.
void AdmitWithSlotsBusy(benchmark::State& run) {
    LongQueue queue(run.range(0));
    Queue& regular = queue.Channel()->Regular;
    long number = run.range(0) + 2;
    for (auto _ : run) {
        queue.Request(number++);
        RemoveWaitingEntry(queue.State(), QueueKind::Regular, regular, regular.Waiting.Tail);
        queue.ForgetExchanges();
    }
    run.SetItemsProcessed(run.iterations());
    run.counters["waiting"] = regular.Waiting.Count;
}
BENCHMARK(AdmitWithSlotsBusy)->Unit(benchmark::kMicrosecond)->Arg(100)->Arg(10000)->Arg(100000);

// A slot is free before every request: the pass continues or opens a batch
// and starts a send, with its notice and send command.
void AdmitWithAFreeSlot(benchmark::State& run) {
    LongQueue queue(run.range(0));
    Queue& regular = queue.Channel()->Regular;
    long number = run.range(0) + 2;
    for (auto _ : run) {
        EndSend(queue.State(), QueueKind::Regular, regular, regular.Sending.Head);
        queue.Request(number++);
        queue.ForgetExchanges();
    }
    run.SetItemsProcessed(run.iterations());
    run.counters["waiting"] = regular.Waiting.Count;
}
BENCHMARK(AdmitWithAFreeSlot)->Unit(benchmark::kMicrosecond)->Arg(100)->Arg(10000)->Arg(100000);

// The scheduler's share of the above: a pass that starts a send, without
// the admission.
void SchedulerPassStartingASend(benchmark::State& run) {
    LongQueue queue(run.range(0));
    Queue& regular = queue.Channel()->Regular;
    long number = run.range(0) + 2;
    for (auto _ : run) {
        EndSend(queue.State(), QueueKind::Regular, regular, regular.Sending.Head);
        queue.Enqueue(number++);
        RunScheduler(queue.State(), queue.Channel());
        queue.ForgetExchanges();
    }
    run.SetItemsProcessed(run.iterations());
    run.counters["waiting"] = regular.Waiting.Count;
}
BENCHMARK(SchedulerPassStartingASend)->Unit(benchmark::kMicrosecond)->Arg(100)->Arg(10000)->Arg(100000);

}  // namespace
}  // namespace qvs
