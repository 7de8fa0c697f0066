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

AdGroup* AddAdGroup(ModuleState& state, const char* name, const char* text, uint32_t startAfter) {
    auto* group = NewRecord<AdGroup>();
    auto* ad = NewRecord<Advertisement>();
    group->AdsGroupName.Set(name);
    ad->AdsName.Set(name);
    ad->AdsText.Set(text);
    ad->StartAfter = startAfter;
    group->Ads.PushBack(ad);
    state.AdGroups.PushBack(group);
    return group;
}

void SelectAdGroup(ChannelConfig* config, AdGroup* group, const AdDisplay& display) {
    AdGroupSelection* selection = qvs::SelectAdGroup(*config, *group);
    selection->DisplayWhen = display.DisplayWhen;
    selection->DisplayMethod = display.DisplayMethod;
    selection->RunAfter = display.RunAfter;
    selection->Trigger.Set(display.Trigger);
    selection->Enable = 1;
}

}  // namespace qvs::fixtures
