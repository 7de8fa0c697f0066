// GenerateList: one list file from its folders. The request carries all a
// generation touches besides its FileList, so that it can run on a thread
// of its own while the UI thread goes on with the module state.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/module_state.h"

namespace qvs {

// A channel that is told when the list was updated, on one connection.
struct ListNoticeTarget {
    uint32_t ConnectionId = 0;
    std::string Channel;
};

struct GenerationRequest {
    FileList* List = nullptr;
    uint32_t ShowResult = 0;  // 1: the result box at the end
    uint32_t NotifyHost = 0;  // nonzero: "/QVSListDone" at the end
    // Taken on the UI thread when the generation is asked for.
    std::string DataFolder;  // ends with a backslash
    std::string ListName;
    std::string ListTrigger;
    std::vector<ListNoticeTarget> Notices;
    // The list's settings as they were when asked for: the list manager may
    // change or delete the list while the generation runs.
    std::string FileTrigger;
    uint32_t IncludeFileSize = 0;
    uint32_t IncludeFolderName = 0;
    uint32_t Zipped = 0;
    bool HasHeader = false;
    std::string Header;
    std::vector<std::string> Folders;
    std::vector<std::string> Extensions;  // only when the filter is used
    // The dated name, published as TrueListName on the UI thread when the
    // generation is asked for, so no other thread ever replaces that text.
    DateTime Date{};
    std::string TrueName;
    // What the body came to, kept here so that only the figures lock's
    // moment touches the list.
    uint32_t NumberOfFiles = 0;
    uint64_t SizeOfFiles = 0;
    WorkerPort* Worker = nullptr;
    ListBodyLibrary* Library = nullptr;
    FilePort* Files = nullptr;
    ClockPort* Clock = nullptr;
    ProcessPort* Processes = nullptr;
    PanelPort* Panel = nullptr;
    WorkerHostPort* Host = nullptr;
};

// The request for a list, filled from the module state (UI thread only).
// A list with folders takes its new TrueListName here.
GenerationRequest* NewGenerationRequest(ModuleState& state, FileList* list, uint32_t showResult, uint32_t notifyHost);

// The whole generation; releases the request. A list deleted meanwhile
// (Retired) is left alone and the host, when it asked, is answered 0.
void GenerateList(GenerationRequest* request);

// Inline (sync 1: the caller goes on when the list, zipping included, is
// done) or on a thread of its own (inline after all when no thread can be
// made).
void StartGeneration(GenerationRequest* request, uint32_t sync);

// "Done! Listed ..." for the elapsed milliseconds.
std::string ResultText(uint32_t files, const std::string& sizeText, uint32_t milliseconds);

// The dated name: the list's name (characters no file name may hold made
// harmless) and the local date.
std::string DatedListName(const char* listName, const DateTime& date);

}  // namespace qvs
