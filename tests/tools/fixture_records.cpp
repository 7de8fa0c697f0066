#include "fixture_records.h"

#include "model/channel_config.h"
#include "model/memory.h"

namespace qvs::fixtures {

FileList* AddFileList(ModuleState& state, const ListSettings& settings) {
    FileList* list = NewRecord<FileList>();
    list->ListName.Set(settings.Name);
    list->TrueListName.Set(settings.TrueName);
    list->FileTrigger.Set(settings.FileTrigger);
    list->ListTrigger.Set(settings.ListTrigger);
    list->IncludeFileSize = settings.IncludeFileSize;
    list->IncludeFolderName = settings.IncludeFolderName;
    AppendName(list->CreationFolder, settings.Folder);
    state.FileLists.PushBack(list);
    return list;
}

}  // namespace qvs::fixtures
