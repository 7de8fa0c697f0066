#include "lists/regeneration.h"

#include <cstring>
#include <string>
#include <vector>

#include "hostlink/companion_script.h"
#include "hostlink/host_link.h"
#include "hostlink/text_routines.h"
#include "lists/generation.h"
#include "lists/list_files.h"
#include "messaging/plain_words.h"
#include "model/list_figures_hold.h"
#include "ports/clock_port.h"
#include "ports/panel_port.h"

namespace qvs {
namespace {

bool MadeToday(ModuleState& state, const FileList* list) {
    DateTime today = state.Ports.Clock->LocalNow();
    ListFiguresHold figures;
    const DateTime& made = list->CreationDateTime;
    return made.Year == today.Year && made.Month == today.Month && made.Day == today.Day;
}

// A platform that cannot generate yet keeps its list files as they are:
// withdrawing them with no generation to follow would serve nothing.
bool CanGenerate(const ModuleState& state) {
    const Platform& ports = state.Ports;
    return ports.Worker && ports.ListBody && ports.Processes && ports.WorkerHost && ports.Files && ports.Clock &&
           ports.Panel;
}

}  // namespace

void RegenerateList(ModuleState& state, FileList* list, uint32_t showResult, uint32_t sync, uint32_t notifyHost) {
    if (!CanGenerate(state)) return;
    list->Updating = 1;
    bool withdrawn = list->TrueListName.IsEmpty() || WithdrawListFile(state, list);
    if (withdrawn && !list->CreationFolder.Empty())
        StartGeneration(NewGenerationRequest(state, list, showResult, notifyHost), sync);
    list->Updating = 0;
}

// Inline in both cases: the request that asked is queued with the new file,
// never with a list file that does not exist yet.
void RegenerateListOnRequest(ModuleState& state, FileList* list) {
    if (list->AutoGen != 1 || !CanGenerate(state)) return;
    if (list->TrueListName.IsEmpty())
        StartGeneration(NewGenerationRequest(state, list, 0, 0), 1);
    else if (!MadeToday(state, list))
        RegenerateList(state, list, 0, 1, 0);
    else
        return;
    state.Ports.Panel->RefreshListViews();
}

void RunListSchedule(ModuleState& state) {
    for (FileList* list = state.FileLists.Head; list; list = list->Next) {
        if (list->EnableSchedule != 1 || ++list->ScheduleMinutes < list->ScheduleInterval) continue;
        RegenerateList(state, list, 0, 0, 0);
        state.Ports.Panel->RefreshListViews();
        list->ScheduleMinutes = 0;
    }
}

// Whoever asked waits for an answer, whatever the name held: an unknown
// name goes back as plain words, on one line.
void ListGenRequested(ModuleState& state, const char* data) {
    std::vector<char> copy(data, data + strnlen(data, kHostLinkBufferSize - 1));
    copy.push_back('\0');
    char* name = TrimSpaces(copy.data());
    for (FileList* list = state.FileLists.Head; list; list = list->Next)
        if (list->ListName.Equals(name)) return RegenerateList(state, list, 0, 0, 1);
    FlattenLineBreaks(name);
    Execute(state, kListDoneFormat, 0ul, AsPlainWords(name).c_str());
}

}  // namespace qvs
