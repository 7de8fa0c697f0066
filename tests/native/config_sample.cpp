#include "config_sample.h"

#include <cstring>

#include "model/channel_config.h"
#include "model/memory.h"

namespace qvs::configsample {
namespace {

// Every 32-bit field a ChannelConfig stores, besides the resend rules.
constexpr uint32_t ChannelConfig::*kChannelDwords[] = {
    &ChannelConfig::Serve,          &ChannelConfig::NiceToOp,          &ChannelConfig::NiceToVoice,
    &ChannelConfig::EnableRegularQueue, &ChannelConfig::SearchDisplayMethod, &ChannelConfig::NotifyIfNoResult,
    &ChannelConfig::FileSearchEnabled, &ChannelConfig::MinSlot,        &ChannelConfig::MaxSlot,
    &ChannelConfig::MaxFindResult,  &ChannelConfig::BatchSize,         &ChannelConfig::NoOfFilesSent,
    &ChannelConfig::MaxSendSpeed,   &ChannelConfig::EnableSQueue,      &ChannelConfig::SQueueSize,
    &ChannelConfig::SQueueSlots,    &ChannelConfig::OpSlots,           &ChannelConfig::LimitQueueSize,
    &ChannelConfig::QueueSize,      &ChannelConfig::VirtualList,       &ChannelConfig::HoldQueue,
    &ChannelConfig::HoldTime,       &ChannelConfig::SaveQueueOnExit,   &ChannelConfig::RestoreSavedQueue,
    &ChannelConfig::RestoreAgeLimit, &ChannelConfig::UseMinCps,        &ChannelConfig::MinSendCps,
    &ChannelConfig::UseSpeedLimit,  &ChannelConfig::SendSpeedLimit,    &ChannelConfig::TopListValue,
    &ChannelConfig::Verbose,        &ChannelConfig::TopListCount,      &ChannelConfig::EnableQueue,
    &ChannelConfig::EnableTopList,  &ChannelConfig::EnableHelp,        &ChannelConfig::EnableStat,
    &ChannelConfig::EnableList,     &ChannelConfig::AGFileTriggerMode, &ChannelConfig::UseSearchLengthLimit,
    &ChannelConfig::SearchLimit,
};
constexpr ResendRule ChannelConfig::*kResendRules[] = {&ChannelConfig::RegularQueueResend,
                                                        &ChannelConfig::OpVoiceQueueResend,
                                                        &ChannelConfig::SQueueResend};
constexpr uint32_t GlobalSettings::*kSettings[] = {
    &GlobalSettings::Threshold,          &GlobalSettings::EnableTopList,
    &GlobalSettings::ListQueueEnable,    &GlobalSettings::ListQueueLimit,
    &GlobalSettings::UseSaveQueueDuration, &GlobalSettings::SaveQueueDuration,
    &GlobalSettings::UseSaveConfig,      &GlobalSettings::SaveConfigInterval,
    &GlobalSettings::UseQueueRestorationDelay, &GlobalSettings::QueueRestorationDelay,
    &GlobalSettings::UseFirewallWorkaround, &GlobalSettings::UseWizard,
    &GlobalSettings::FirewallWorkaroundPortName, &GlobalSettings::UseCNotice,
};
constexpr uint32_t GroupSelectionDefaults::*kGroupDefaults[] = {
    &GroupSelectionDefaults::QueueSizeOverride, &GroupSelectionDefaults::BatchSizeOverride,
    &GroupSelectionDefaults::Priority, &GroupSelectionDefaults::Ignored, &GroupSelectionDefaults::TreatAs};
constexpr uint32_t FileList::*kListDwords[] = {
    &FileList::NumberOfFiles, &FileList::NotifyAfterUpdated, &FileList::IncludeFileSize,
    &FileList::IncludeFolderName, &FileList::Zipped, &FileList::AutoGen, &FileList::EnableSchedule,
    &FileList::ScheduleInterval, &FileList::UseFilter};
constexpr Text FileList::*kListTexts[] = {&FileList::ListName,    &FileList::TrueListName, &FileList::ListHeader,
                                          &FileList::ListTrigger, &FileList::FileTrigger,  &FileList::Description};

// Distinct values in sequence, none of them 0, 1 or a default.
class Values {
public:
    uint32_t Next() { return next_++; }
    uint64_t NextWide() { return (uint64_t(Next()) << 32) | Next(); }

private:
    uint32_t next_ = 1000;
};

template <typename T>
T* Append(List<T>& list) {
    T* record = NewRecord<T>();
    list.PushBack(record);
    return record;
}

void AddNames(List<NameNode>& names, std::initializer_list<const char*> texts) {
    for (const char* text : texts) AppendName(names, text);
}

void BuildUsers(ModuleState& state, Values& values) {
    for (auto field : kGroupDefaults) state.NewGroupDefaults.*field = values.Next();
    AddNames(state.AvailableNicks, {"Alice", "bob", "Carol_with_a_nick_of_32_letters!"});
    UserGroup* friends = Append(state.UserGroups);
    friends->GroupName.Set("Friends");
    AddNames(friends->Members, {"alice", "Dave"});
    UserGroup* leeches = Append(state.UserGroups);
    leeches->GroupName.Set("A group name of exactly 31 char");
}

void BuildNetworksAndRandomFiles(ModuleState& state, Values& values) {
    for (const char* name : {"EFnet", "Undernet", "DALnet"}) {
        NetworkSettings* network = Append(state.Networks);
        network->NetworkName.Set(name);
        network->UseExcessFlood = values.Next();
        network->ExcessFloodInterval = values.Next();
        network->UseTargetChange = values.Next();
        network->TargetChangeInterval = values.Next();
    }
    const char* names[] = {"Quotes", "Jokes", "Tips"};
    const char* paths[] = {"C:\\texts\\quotes.txt", "C:\\texts\\jokes.txt", "D:\\tips with space.txt"};
    for (int i = 0; i < 3; ++i) {
        RandomTextFile* file = Append(state.RandomFiles);
        file->Name.Set(names[i]);
        file->FullPathname.Set(paths[i]);
    }
}

void BuildAdvertisements(ModuleState& state, Values& values) {
    for (const char* groupName : {"Main ads", "Night"}) {
        AdGroup* group = Append(state.AdGroups);
        group->AdsGroupName.Set(groupName);
        for (int i = 0; i < 3; ++i) {
            Advertisement* ad = Append(group->Ads);
            ad->AdsName.Set(i == 0 ? "First" : i == 1 ? "Second" : "Third");
            ad->StartAfter = values.Next();
            ad->Interval = values.Next();
            ad->RunOption = values.Next();
            if (i == 0) ad->AdsText.Set("\x03" "5Type $Main.Trigger$ now");
            if (i == 1) ad->AdsText.Set("");  // present but empty; the third stays absent
        }
    }
}

void BuildFileLists(ModuleState& state, Values& values) {
    FileList* full = Append(state.FileLists);
    full->ListName.Set("KM-SciFi");
    full->TrueListName.Set("KM-SciFi-0612");
    full->ListHeader.Set("");  // present but empty
    full->ListTrigger.Set("@scifi");
    full->FileTrigger.Set("!scifi");
    full->Description.Set("Science fiction\r\nand more");
    for (auto field : kListDwords) full->*field = values.Next();
    full->SizeOfFiles = values.NextWide();
    full->CreationDateTime = DateTime{2024, 6, 3, 12, 23, 59, 58, 999};
    AddNames(full->ExtensionFilter, {"avi", "mkv", "txt"});
    AddNames(full->CreationFolder, {"C:\\shared\\", "D:\\more shared\\"});

    FileList* bare = Append(state.FileLists);  // every optional text absent, no name lists
    bare->ListName.Set("Bare");
    bare->ScheduleInterval = values.Next();
}

void BuildSelections(ModuleState& state, ChannelConfig* config, Values& values) {
    for (UserGroup* group = state.UserGroups.Head; group; group = group->Next) {
        GroupSelection* selection = Append(config->UserGroupLinks);
        selection->Group = group;
        selection->Config = config;
        selection->Ignored = values.Next();
        selection->Priority = values.Next();
        selection->QueueSize = values.Next();
        selection->BatchSize = values.Next();
        selection->TreatAs = values.Next();
    }
    uint32_t mode = kChannelWindowOnly;
    for (FileList* list = state.FileLists.Head; list; list = list->Next) {
        SelectFileList(*config, *list)->AccessMode = mode++;
    }
    for (AdGroup* group = state.AdGroups.Head; group; group = group->Next) {
        AdGroupSelection* selection = SelectAdGroup(*config, *group);
        selection->DisplayWhen = values.Next();
        selection->DisplayMethod = values.Next();
        selection->RunAfter = values.Next();
        selection->Enable = values.Next();
        if (group == state.AdGroups.Head) selection->Trigger.Set("!ads");
    }
}

void BuildChannels(ModuleState& state, Values& values) {
    ChannelConfig* full = Append(state.ChannelConfigs);
    full->ChannelName.Set("#SciFi");
    for (auto field : kChannelDwords) full->*field = values.Next();
    for (auto rule : kResendRules) {
        (full->*rule).Use = values.Next();
        (full->*rule).FileSize = values.Next();
        (full->*rule).Method = values.Next();
        (full->*rule).Limit = values.Next();
    }
    full->SizeOfFilesSent = values.NextWide();
    full->AvgSendSpeed = values.NextWide();
    AddNames(full->Networks, {"EFnet", "Undernet"});
    AddNames(full->SearchTriggers, {"@find", "@search"});
    BuildSelections(state, full, values);

    ChannelConfig* empty = Append(state.ChannelConfigs);  // selects nothing at all
    empty->ChannelName.Set("#quiet");
}

// --- comparison ---

std::string Describe(const Text& text) { return text.IsNone() ? "<absent>" : "\"" + std::string(text.c_str()) + "\""; }

void CheckText(Comparison& c, const Text& expected, const Text& actual, const std::string& what) {
    bool same = expected.IsNone() == actual.IsNone() && std::strcmp(expected.c_str(), actual.c_str()) == 0;
    c.Check(same, what + ": expected " + Describe(expected) + ", got " + Describe(actual));
}

void CheckNumber(Comparison& c, uint64_t expected, uint64_t actual, const std::string& what) {
    c.Check(expected == actual, what + ": expected " + std::to_string(expected) + ", got " + std::to_string(actual));
}

void CheckNames(Comparison& c, const List<NameNode>& expected, const List<NameNode>& actual, const std::string& what) {
    CheckNumber(c, expected.Count, actual.Count, what + " count");
    const NameNode* a = actual.Head;
    int index = 0;
    for (const NameNode* e = expected.Head; e && a; e = e->Next, a = a->Next)
        CheckText(c, e->Value, a->Value, what + " #" + std::to_string(index++));
}

// Pairs up two lists and checks each pair with check(expected, actual, label).
template <typename T, typename Check>
void CheckEach(Comparison& c, const List<T>& expected, const List<T>& actual, const std::string& what, Check check) {
    CheckNumber(c, expected.Count, actual.Count, what + " count");
    const T* a = actual.Head;
    int index = 0;
    for (const T* e = expected.Head; e && a; e = e->Next, a = a->Next)
        check(*e, *a, what + " #" + std::to_string(index++));
}

void CheckUsers(Comparison& c, const ModuleState& e, const ModuleState& a) {
    int index = 0;
    for (auto field : kGroupDefaults)
        CheckNumber(c, e.NewGroupDefaults.*field, a.NewGroupDefaults.*field, "group default " + std::to_string(index++));
    CheckNames(c, e.AvailableNicks, a.AvailableNicks, "free nick");
    CheckEach(c, e.UserGroups, a.UserGroups, "user group", [&](const UserGroup& eg, const UserGroup& ag, auto what) {
        CheckText(c, eg.GroupName, ag.GroupName, what + " name");
        CheckNames(c, eg.Members, ag.Members, what + " member");
    });
}

void CheckNetworksAndRandomFiles(Comparison& c, const ModuleState& e, const ModuleState& a) {
    CheckEach(c, e.Networks, a.Networks, "network", [&](const NetworkSettings& en, const NetworkSettings& an, auto what) {
        CheckText(c, en.NetworkName, an.NetworkName, what + " name");
        CheckNumber(c, en.UseExcessFlood, an.UseExcessFlood, what + " UseExcessFlood");
        CheckNumber(c, en.ExcessFloodInterval, an.ExcessFloodInterval, what + " ExcessFloodInterval");
        CheckNumber(c, en.UseTargetChange, an.UseTargetChange, what + " UseTargetChange");
        CheckNumber(c, en.TargetChangeInterval, an.TargetChangeInterval, what + " TargetChangeInterval");
    });
    CheckEach(c, e.RandomFiles, a.RandomFiles, "random file",
              [&](const RandomTextFile& ef, const RandomTextFile& af, auto what) {
                  CheckText(c, ef.Name, af.Name, what + " name");
                  CheckText(c, ef.FullPathname, af.FullPathname, what + " path");
              });
}

void CheckAdvertisements(Comparison& c, const ModuleState& e, const ModuleState& a) {
    CheckEach(c, e.AdGroups, a.AdGroups, "ad group", [&](const AdGroup& eg, const AdGroup& ag, auto what) {
        CheckText(c, eg.AdsGroupName, ag.AdsGroupName, what + " name");
        CheckEach(c, eg.Ads, ag.Ads, what + " ad", [&](const Advertisement& ea, const Advertisement& aa, auto ad) {
            CheckText(c, ea.AdsName, aa.AdsName, ad + " AdsName");
            CheckNumber(c, ea.StartAfter, aa.StartAfter, ad + " StartAfter");
            CheckNumber(c, ea.Interval, aa.Interval, ad + " Interval");
            CheckNumber(c, ea.RunOption, aa.RunOption, ad + " RunOption");
            CheckText(c, ea.AdsText, aa.AdsText, ad + " AdsText");
        });
    });
}

void CheckFileLists(Comparison& c, const ModuleState& e, const ModuleState& a) {
    CheckEach(c, e.FileLists, a.FileLists, "file list", [&](const FileList& el, const FileList& al, auto what) {
        int index = 0;
        for (auto field : kListTexts) CheckText(c, el.*field, al.*field, what + " text " + std::to_string(index++));
        index = 0;
        for (auto field : kListDwords) CheckNumber(c, el.*field, al.*field, what + " dword " + std::to_string(index++));
        CheckNumber(c, el.SizeOfFiles, al.SizeOfFiles, what + " SizeOfFiles");
        c.Check(std::memcmp(&el.CreationDateTime, &al.CreationDateTime, sizeof(DateTime)) == 0,
                what + " CreationDateTime");
        CheckNames(c, el.ExtensionFilter, al.ExtensionFilter, what + " extension");
        CheckNames(c, el.CreationFolder, al.CreationFolder, what + " folder");
        CheckEach(c, el.Channels, al.Channels, what + " channel",
                  [&](const ListChannelLink& elink, const ListChannelLink& alink, auto link) {
                      CheckText(c, elink.Config->ChannelName, alink.Config->ChannelName, link + " channel");
                      c.Check(alink.Selection && alink.Selection->Link == &alink && alink.Selection->List == &al,
                              link + " points back at its selection");
                  });
    });
}

void CheckSelections(Comparison& c, const ChannelConfig& e, const ChannelConfig& a, const std::string& what) {
    CheckEach(c, e.UserGroupLinks, a.UserGroupLinks, what + " group selection",
              [&](const GroupSelection& es, const GroupSelection& as, auto sel) {
                  CheckText(c, es.Group->GroupName, as.Group->GroupName, sel + " group");
                  c.Check(as.Config == &a, sel + " belongs to its channel");
                  CheckNumber(c, es.Ignored, as.Ignored, sel + " Ignored");
                  CheckNumber(c, es.Priority, as.Priority, sel + " Priority");
                  CheckNumber(c, es.QueueSize, as.QueueSize, sel + " QueueSize");
                  CheckNumber(c, es.BatchSize, as.BatchSize, sel + " BatchSize");
                  CheckNumber(c, es.TreatAs, as.TreatAs, sel + " TreatAs");
              });
    CheckNames(c, e.Networks, a.Networks, what + " network");
    CheckEach(c, e.FileListLinks, a.FileListLinks, what + " list selection",
              [&](const ListSelection& es, const ListSelection& as, auto sel) {
                  CheckText(c, es.List->ListName, as.List->ListName, sel + " list");
                  CheckNumber(c, es.AccessMode, as.AccessMode, sel + " AccessMode");
                  c.Check(as.Link && as.Link->Selection == &as && as.Link->Config == &a, sel + " link");
              });
    CheckEach(c, e.AdGroupLinks, a.AdGroupLinks, what + " ad selection",
              [&](const AdGroupSelection& es, const AdGroupSelection& as, auto sel) {
                  CheckText(c, es.Group->AdsGroupName, as.Group->AdsGroupName, sel + " group");
                  CheckNumber(c, es.DisplayWhen, as.DisplayWhen, sel + " DisplayWhen");
                  CheckNumber(c, es.DisplayMethod, as.DisplayMethod, sel + " DisplayMethod");
                  CheckNumber(c, es.RunAfter, as.RunAfter, sel + " RunAfter");
                  CheckText(c, es.Trigger, as.Trigger, sel + " Trigger");
                  CheckNumber(c, es.Enable, as.Enable, sel + " Enable");
                  c.Check(as.Link && as.Link->Selection == &as && as.Link->Config == &a, sel + " link");
              });
    CheckNames(c, e.SearchTriggers, a.SearchTriggers, what + " search trigger");
}

void CheckChannels(Comparison& c, const ModuleState& e, const ModuleState& a) {
    int index = 0;
    for (auto field : kSettings) CheckNumber(c, e.Settings.*field, a.Settings.*field, "setting " + std::to_string(index++));
    CheckEach(c, e.ChannelConfigs, a.ChannelConfigs, "channel", [&](const ChannelConfig& ec, const ChannelConfig& ac, auto what) {
        CheckText(c, ec.ChannelName, ac.ChannelName, what + " name");
        int field = 0;
        for (auto dword : kChannelDwords) CheckNumber(c, ec.*dword, ac.*dword, what + " dword " + std::to_string(field++));
        field = 0;
        for (auto rule : kResendRules) {
            std::string label = what + " resend rule " + std::to_string(field++);
            CheckNumber(c, (ec.*rule).Use, (ac.*rule).Use, label + " Use");
            CheckNumber(c, (ec.*rule).FileSize, (ac.*rule).FileSize, label + " FileSize");
            CheckNumber(c, (ec.*rule).Method, (ac.*rule).Method, label + " Method");
            CheckNumber(c, (ec.*rule).Limit, (ac.*rule).Limit, label + " Limit");
        }
        CheckNumber(c, ec.SizeOfFilesSent, ac.SizeOfFilesSent, what + " SizeOfFilesSent");
        CheckNumber(c, ec.AvgSendSpeed, ac.AvgSendSpeed, what + " AvgSendSpeed");
        CheckSelections(c, ec, ac, what);
    });
}

}  // namespace

void Comparison::Check(bool same, const std::string& what) {
    if (same)
        ++Passed;
    else
        Failures.push_back(what);
}

void BuildFullConfiguration(ModuleState& state) {
    Values values;
    for (auto field : kSettings) state.Settings.*field = values.Next();
    BuildUsers(state, values);
    BuildNetworksAndRandomFiles(state, values);
    BuildAdvertisements(state, values);
    BuildFileLists(state, values);
    BuildChannels(state, values);
}

void CompareConfiguration(const ModuleState& expected, const ModuleState& actual, Comparison& comparison) {
    CheckUsers(comparison, expected, actual);
    CheckNetworksAndRandomFiles(comparison, expected, actual);
    CheckAdvertisements(comparison, expected, actual);
    CheckFileLists(comparison, expected, actual);
    CheckChannels(comparison, expected, actual);
}

}  // namespace qvs::configsample
