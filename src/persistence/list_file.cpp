#include "persistence/list_file.h"

#include "model/list_figures_hold.h"
#include "persistence/config_file.h"
#include "persistence/numbered_elements.h"

namespace qvs {
namespace {

constexpr char kListCountKey[] = "ListNo";
constexpr char kFailureText[] =
    "Fail to open %s for writing\r\nThe configuration of all filelists cannot be saved\r\n"
    "You'll lose information about filelists during this session";
constexpr uint32_t kDefaultScheduleInterval = 60;  // minutes

constexpr NameListLayout kExtensions{"ExtensionFilter", "ExtensionCount", kFromZero, StringForm::Bare, true};
constexpr NameListLayout kFolders{"CreationFolder", "FolderCount", kFromOne, StringForm::Terminated, true};

template <typename Keys, typename Record>
void FileListKeys(const Keys& keys, Record& list) {
    keys.String("ListName", list.ListName, StringForm::Terminated);
    keys.String("TrueListName", list.TrueListName, StringForm::Optional);
    keys.String("ListHeader", list.ListHeader, StringForm::Optional);
    keys.String("ListTrigger", list.ListTrigger, StringForm::Optional);
    keys.String("FileTrigger", list.FileTrigger, StringForm::Optional);
    keys.String("Description", list.Description, StringForm::Optional);
    keys.Dword("EnableSchedule", list.EnableSchedule);
    keys.Dword("ScheduleInterval", list.ScheduleInterval, kDefaultScheduleInterval);
    keys.Dword("NumberOfFiles", list.NumberOfFiles);
    keys.Qword("SizeOfFiles", list.SizeOfFiles);
    keys.Time("CreationDateTime", list.CreationDateTime);
    keys.Dword("IncludeFileSize", list.IncludeFileSize);
    keys.Dword("IncludeFolderName", list.IncludeFolderName);
    keys.Dword("Zipped", list.Zipped);
    keys.Dword("AutoGen", list.AutoGen);
    keys.Dword("NotifyAfterUpdated", list.NotifyAfterUpdated);
    keys.Dword("UseFilter", list.UseFilter);
}

}  // namespace

bool SaveFileLists(ModuleState& state) {
    return SaveConfigFile(state, kListFile, kFailureText, [&](const StorageRef& root) {
        WriteNumberedStorages(root, kFromOne, state.FileLists, [](const StorageRef& child, const FileList& list) {
            {
                ListFiguresHold figures;
                FileListKeys(KeyWriter(child), list);
            }
            WriteNameList(child, kExtensions, list.ExtensionFilter);
            WriteNameList(child, kFolders, list.CreationFolder);
        });
        WriteDword(root, kListCountKey, state.FileLists.Count);
    });
}

void LoadFileLists(ModuleState& state) {
    StorageRef root = OpenConfigFile(state, kListFile);
    ReadNumberedRecords(root, kFromOne, ReadCount(root, kListCountKey), state.FileLists,
                        [](const StorageRef& child, FileList& list) {
                            FileListKeys(KeyReader(child), list);
                            ReadNameList(child, kExtensions, list.ExtensionFilter);
                            ReadNameList(child, kFolders, list.CreationFolder);
                        });
}

}  // namespace qvs
