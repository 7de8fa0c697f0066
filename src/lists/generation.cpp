#include "lists/generation.h"

#include <cstdio>
#include <memory>

#include "hostlink/command_log.h"
#include "hostlink/companion_script.h"
#include "hostlink/text_routines.h"
#include "hostlink/user_text.h"
#include "lists/list_header.h"
#include "messaging/channel_message.h"
#include "model/list_figures_hold.h"
#include "ports/clock_port.h"
#include "ports/file_port.h"
#include "ports/list_body_library.h"
#include "ports/panel_port.h"
#include "ports/process_port.h"
#include "ports/worker_host_port.h"
#include "ports/worker_port.h"
#include "stats/number_texts.h"

namespace qvs {
namespace {

constexpr uint32_t kMsPerSecond = 1000;
constexpr uint32_t kSecondsPerMinute = 60;
// From here the minute form is used: 58,001 ms already count as 59 seconds.
constexpr uint32_t kMinuteFormFrom = 59;
constexpr char kArchiverCommand[] = "\"%s..\\pkzipc.exe\" -add \"%s%s.zip\" \"%s%s.txt\"";
constexpr char kCannotZipBox[] = "Cannot find %s\r\nThe filelist cannot be zipped";
constexpr char kUpdatedNotice[] =
    "\x03" "2,15Listfile: \x03\x02\x03" "12,15%s\x03\x02\x03" "2,15 was updated: type \x03\x02\x03" "12,15%s\x03\x02\x03"
    "2,15 to download it.\x03";

// Held for the settings calls, the body, the header and the zipping: the
// body library keeps its settings between calls.
class GenerationLock {
public:
    explicit GenerationLock(WorkerPort* worker) : worker_(worker) { worker_->LockListGeneration(); }
    ~GenerationLock() { Release(); }
    GenerationLock(const GenerationLock&) = delete;
    GenerationLock& operator=(const GenerationLock&) = delete;
    void Release() {
        if (worker_) worker_->UnlockListGeneration();
        worker_ = nullptr;
    }

private:
    WorkerPort* worker_;
};

void AnswerHost(const GenerationRequest& request, unsigned long done) {
    if (request.NotifyHost != 0)
        request.Host->PostCommand(FormatUserText(kListDoneFormat, done, request.ListName.c_str()).c_str());
}

void ApplySettings(const GenerationRequest& request) {
    ListBodyLibrary& library = *request.Library;
    library.SetTrigger(request.FileTrigger.c_str());
    library.SetShowSize(request.IncludeFileSize == 1 ? "1" : "0");
    library.SetShowDir(request.IncludeFolderName == 1 ? "1" : "0");
    library.ResetExtension();
    for (const std::string& extension : request.Extensions) library.SetExtension(extension.c_str());
    for (const std::string& folder : request.Folders) library.SetFolder(folder.c_str());
}

// Writes the body to the .tmp; the count text the library returned.
std::string WriteBody(const GenerationRequest& request, const std::string& base) {
    char data[kCreateListBufferSize] = {};
    std::snprintf(data, sizeof data, "%s.tmp", base.c_str());
    request.Library->CreateList(data);
    data[kCreateListBufferSize - 1] = '\0';
    return data;
}

void StampCreation(FileList* list, const DateTime& date) {
    ListFiguresHold figures;
    list->CreationDateTime = date;
}

// The figures go into the list under its figures lock; the panel is told
// from the request's own copies.
void RecordBody(GenerationRequest& request, const std::string& countText) {
    FileList* list = request.List;
    request.Panel->ShowListColumn(list, ListColumn::DateCreated, FormatDateTime(request.Date).c_str());
    request.Library->GetCombinedSize(&request.SizeOfFiles);
    request.NumberOfFiles = ParseDecimal(countText.c_str());
    {
        ListFiguresHold figures;
        list->SizeOfFiles = request.SizeOfFiles;
        list->NumberOfFiles = request.NumberOfFiles;
    }
    request.Panel->ShowListColumn(list, ListColumn::SizeOfFiles, FormatSize(request.SizeOfFiles).c_str());
    request.Panel->ShowListColumn(list, ListColumn::FilesInList, countText.c_str());
}

// The list file is put together under a name of its own and only then takes
// the list's name: a reader never sees a list file that is half written.
void WriteListFile(const GenerationRequest& request, const std::string& base, const std::string& countText) {
    // A list without any header is served as its body alone, like an empty
    // header; leaving the body in the .tmp would serve nothing at all.
    HeaderValues values{countText, FormatSize(request.SizeOfFiles), FormatDateTime(request.Date), request.FileTrigger};
    std::string header = request.HasHeader ? ExpandHeader(request.Header, values) : std::string();
    FilePort& files = *request.Files;
    std::string building = base + ".new", body = base + ".tmp";
    if (!files.CreateEmptyFile(building)) return;
    bool whole = files.AppendToFile(building, header.data(), header.size());
    MappedFile view;
    bool hasBody = whole && files.MapFile(body, view);
    if (hasBody) {
        whole = view.Size == 0 || files.AppendToFile(building, view.Data, static_cast<std::size_t>(view.Size));
        files.UnmapFile(view);
    }
    // The body goes only once the new list file has its name: until then a
    // failure keeps both the previous list file and the body.
    if (whole && files.ReplaceFile(building, base + ".txt")) {
        if (hasBody) files.DeleteFile(body);
    } else {
        files.DeleteFile(building);
    }
}

// The box text when the archiver could not be started, or "".
std::string Zip(const GenerationRequest& request, const std::string& name) {
    const char* d = request.DataFolder.c_str();
    std::string command = FormatUserText(kArchiverCommand, d, d, name.c_str(), d, name.c_str());
    return request.Processes->RunAndWait(command) ? std::string() : FormatUserText(kCannotZipBox, command.c_str());
}

void NotifyChannels(const GenerationRequest& request) {
    std::string notice = FormatUserText(kUpdatedNotice, request.ListName.c_str(), request.ListTrigger.c_str());
    for (const ListNoticeTarget& target : request.Notices) {
        std::string command = FormatChannelMessage(target.ConnectionId, target.Channel.c_str(), notice.c_str());
        if (!command.empty()) request.Host->ExecuteCommand(command.c_str());
    }
}

struct Outcome {
    std::string Result;
    std::string ZipFailure;
};

// Steps under the lock.
Outcome Generate(GenerationRequest& request) {
    FileList* list = request.List;
    ApplySettings(request);
    StampCreation(list, request.Date);
    const std::string& name = request.TrueName;
    uint32_t start = request.Clock->TickCount();
    std::string base = request.DataFolder + name;
    std::string countText = WriteBody(request, base);
    RecordBody(request, countText);
    WriteListFile(request, base, countText);
    Outcome outcome;
    if (request.Zipped == 1) outcome.ZipFailure = Zip(request, name);
    outcome.Result = ResultText(request.NumberOfFiles, FormatSize(request.SizeOfFiles), request.Clock->TickCount() - start);
    return outcome;
}

std::vector<std::string> Values(const List<NameNode>& names) {
    std::vector<std::string> values;
    for (const NameNode* node = names.Head; node; node = node->Next) values.push_back(node->Value.c_str());
    return values;
}

void TakeSettings(ModuleState& state, GenerationRequest& request) {
    FileList* list = request.List;
    request.FileTrigger = list->FileTrigger.c_str();
    request.IncludeFileSize = list->IncludeFileSize;
    request.IncludeFolderName = list->IncludeFolderName;
    request.Zipped = list->Zipped;
    request.HasHeader = !list->ListHeader.IsNone();
    request.Header = list->ListHeader.c_str();
    request.Folders = Values(list->CreationFolder);
    if (list->UseFilter == 1) request.Extensions = Values(list->ExtensionFilter);
    request.Date = state.Ports.Clock->LocalNow();
    request.TrueName = DatedListName(request.ListName.c_str(), request.Date);
    if (!request.Folders.empty()) list->TrueListName.Set(request.TrueName.c_str());
    ++list->PendingGenerations;
}

// Ends the generation's hold on its list: from here on a deleted list may
// be released.
class PendingGeneration {
public:
    explicit PendingGeneration(FileList* list) : list_(list) {}
    ~PendingGeneration() { --list_->PendingGenerations; }
    PendingGeneration(const PendingGeneration&) = delete;
    PendingGeneration& operator=(const PendingGeneration&) = delete;

private:
    FileList* list_;
};

void RunGeneration(void* context) { GenerateList(static_cast<GenerationRequest*>(context)); }

bool IsFileNameByte(unsigned char c) {
    return c >= ' ' && c != '\\' && c != '/' && c != ':' && c != '*' && c != '?' && c != '"' && c != '<' &&
           c != '>' && c != '|';
}

}  // namespace

GenerationRequest* NewGenerationRequest(ModuleState& state, FileList* list, uint32_t showResult, uint32_t notifyHost) {
    GenerationRequest* request = new GenerationRequest;
    request->List = list;
    request->ShowResult = showResult;
    request->NotifyHost = notifyHost;
    request->DataFolder = state.ConfigFolder;
    request->ListName = list->ListName.c_str();
    request->ListTrigger = list->ListTrigger.c_str();
    TakeSettings(state, *request);
    if (list->NotifyAfterUpdated == 1)
        for (const ListChannelLink* link = list->Channels.Head; link; link = link->Next)
            for (const InstanceLink* instance = link->Config->Instances.Head; instance; instance = instance->Next)
                request->Notices.push_back({instance->Channel->Connection->ConnectionId,
                                            link->Config->ChannelName.c_str()});
    const Platform& ports = state.Ports;
    request->Worker = ports.Worker;
    request->Library = ports.ListBody;
    request->Files = ports.Files;
    request->Clock = ports.Clock;
    request->Processes = ports.Processes;
    request->Panel = ports.Panel;
    request->Host = ports.WorkerHost;
    return request;
}

void GenerateList(GenerationRequest* request) {
    std::unique_ptr<GenerationRequest> owned(request);
    PendingGeneration pending(request->List);
    GenerationLock lock(request->Worker);
    if (request->List->Retired == 1 || request->Folders.empty()) {
        lock.Release();
        return AnswerHost(*request, 0);
    }
    Outcome outcome = Generate(*request);
    lock.Release();
    // Boxes only once the lock is free: a box owned by a panel window needs
    // the UI thread, which may itself be waiting for the lock.
    if (!outcome.ZipFailure.empty()) request->Panel->ShowMessage(outcome.ZipFailure.c_str(), kIconError);
    if (request->ShowResult == 1) request->Panel->ShowMessage(outcome.Result.c_str(), kIconInformation);
    NotifyChannels(*request);
    AnswerHost(*request, 1);
}

void StartGeneration(GenerationRequest* request, uint32_t sync) {
    if (sync == 1 || !request->Worker->StartWorker(RunGeneration, request)) GenerateList(request);
}

std::string ResultText(uint32_t files, const std::string& sizeText, uint32_t milliseconds) {
    unsigned long seconds = milliseconds / kMsPerSecond + (milliseconds % kMsPerSecond != 0 ? 1 : 0);
    unsigned long count = files;
    if (seconds < kMinuteFormFrom)
        return FormatUserText("Done! Listed %lu files using %s in %lu secs", count, sizeText.c_str(), seconds);
    return FormatUserText("Done! Listed %lu files using %s in %lu min %lu sec", count, sizeText.c_str(),
                          seconds / kSecondsPerMinute, seconds % kSecondsPerMinute);
}

std::string DatedListName(const char* listName, const DateTime& date) {
    std::string name = listName;
    for (char& c : name)
        if (!IsFileNameByte(static_cast<unsigned char>(c))) c = '_';
    return name + FormatUserText(".%02lu-%02lu-%04lu", static_cast<unsigned long>(date.Month),
                                 static_cast<unsigned long>(date.Day), static_cast<unsigned long>(date.Year));
}

}  // namespace qvs
