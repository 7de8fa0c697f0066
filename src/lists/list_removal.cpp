#include "lists/list_removal.h"

#include "lists/list_files.h"
#include "model/channel_config.h"
#include "model/memory.h"
#include "model/queue_ops.h"
#include "ports/worker_port.h"

namespace qvs {
namespace {

void UnbindEverywhere(FileList* list) {
    while (ListChannelLink* link = list->Channels.Head) UnselectFileList(*link->Config, link->Selection);
}

void ForgetInQueues(ModuleState& state, const FileList* list) {
    VisitAllEntries(state, [list](QueueEntry* entry) {
        if (entry->List == list) entry->List = nullptr;
    });
}

// Only its generations hold the list after it left the module's lists.
void Retire(ModuleState& state, FileList* list) {
    if (list->PendingGenerations.load() == 0) return ReleaseFileList(list);
    list->Retired = 1;
    state.RetiredLists.PushBack(list);
}

}  // namespace

void RemoveFileList(ModuleState& state, FileList* list) {
    ReleaseRetiredLists(state);
    UnbindEverywhere(list);
    ForgetInQueues(state, list);
    state.FileLists.Unlink(list);
    WorkerPort* worker = state.Ports.Worker;
    if (worker) worker->LockListGeneration();
    RemoveListFiles(state, list);
    Retire(state, list);
    if (worker) worker->UnlockListGeneration();
}

void ReleaseRetiredLists(ModuleState& state) {
    for (FileList* list = state.RetiredLists.Head; list;) {
        FileList* next = list->Next;
        if (list->PendingGenerations.load() == 0) {
            state.RetiredLists.Unlink(list);
            ReleaseFileList(list);
        }
        list = next;
    }
}

void ReleaseFileList(FileList* list) {
    ReleaseNames(list->ExtensionFilter);
    ReleaseNames(list->CreationFolder);
    DeleteRecord(list);
}

}  // namespace qvs
