#include "ads/ad_manager.h"

#include <cstring>

#include "ads/ad_timers.h"
#include "lists/list_header.h"
#include "model/channel_config.h"
#include "model/memory.h"
#include "users/group_operations.h"

namespace qvs {

const char kDuplicateAdMessage[] = "Duplicate advertisement name";

namespace {

// What the name fields of the manager hold.
constexpr std::size_t kAdNameLength = 127;
constexpr uint32_t kNewAdInterval = 300;  // seconds
// The list name in the default text, replaced by the wizard's list.
constexpr char kSampleListName[] = "KM-SciFi";
constexpr char kDefaultAdText[] =
    "\x03" "5\x02[QVS]\x02\x03 \x03" "10Type \x03\x02$KM-SciFi.Trigger$\x02\x03" "10 to get the list of\x03\x02 "
    "$KM-SciFi.FileCount$\x02\x03" "10 files (\x03" "6\x02$KM-SciFi.FileSize$\x02\x03). \x03" "10Updated on\x03 "
    "\x03" "6\x02$KM-SciFi.CreationDate$.\x02\x03\x03" "10 Description: $KM-SciFi.Description$\x03";

AdGroup* FindAdGroup(const ModuleState& state, const std::string& name) {
    for (AdGroup* group = state.AdGroups.Head; group; group = group->Next)
        if (group->AdsGroupName.Equals(name.c_str())) return group;
    return nullptr;
}

Advertisement* FindAd(const AdGroup* group, const std::string& name) {
    for (Advertisement* ad = group->Ads.Head; ad; ad = ad->Next)
        if (ad->AdsName.Equals(name.c_str())) return ad;
    return nullptr;
}

// A name taken by another record is refused; renaming a record to its own
// name in another case is not.
template <typename Record>
EditAnswer<Record> Rename(Text& field, Record* record, Record* holder, const std::string& name, const char* refusal) {
    if (name.empty()) return {};
    if (holder && holder != record) return {nullptr, refusal};
    field.Set(name.c_str());
    return {record, nullptr};
}

template <typename Record>
EditAnswer<Record> Append(List<Record>& records, Text Record::*field, const std::string& name) {
    Record* record = NewRecord<Record>();
    if (!record) return {};
    (record->*field).Set(name.c_str());
    if ((record->*field).IsNone()) {
        DeleteRecord(record);
        return {};
    }
    records.PushBack(record);
    return {record, nullptr};
}

template <typename Record>
Record* Neighbour(const Record* record) {
    return record->Next ? record->Next : record->Prev;
}

}  // namespace

std::string CutAdName(const char* name) { return name ? std::string(name, strnlen(name, kAdNameLength)) : ""; }

EditAnswer<AdGroup> AddAdGroup(ModuleState& state, const char* name) {
    std::string text = CutAdName(name);
    if (text.empty()) return {};
    if (FindAdGroup(state, text)) return {nullptr, kDuplicateGroupMessage};
    return Append(state.AdGroups, &AdGroup::AdsGroupName, text);
}

EditAnswer<AdGroup> RenameAdGroup(ModuleState& state, AdGroup* group, const char* name) {
    std::string text = CutAdName(name);
    return Rename(group->AdsGroupName, group, FindAdGroup(state, text), text, kDuplicateGroupMessage);
}

AdGroup* DeleteAdGroup(ModuleState& state, AdGroup* group) {
    StopGroupAds(state, group);
    while (AdChannelLink* link = group->Channels.Head) UnselectAdGroup(*link->Config, link->Selection);
    AdGroup* next = Neighbour(group);
    group->Ads.ReleaseAll(DeleteRecord<Advertisement>);
    state.AdGroups.Unlink(group);
    DeleteRecord(group);
    return next;
}

EditAnswer<Advertisement> AddAdvertisement(AdGroup* group, const char* name) {
    std::string text = CutAdName(name);
    if (text.empty()) return {};
    if (FindAd(group, text)) return {nullptr, kDuplicateAdMessage};
    EditAnswer<Advertisement> answer = Append(group->Ads, &Advertisement::AdsName, text);
    if (answer.Done) answer.Done->Interval = kNewAdInterval;
    return answer;
}

EditAnswer<Advertisement> RenameAdvertisement(AdGroup* group, Advertisement* ad, const char* name) {
    std::string text = CutAdName(name);
    return Rename(ad->AdsName, ad, FindAd(group, text), text, kDuplicateAdMessage);
}

Advertisement* DeleteAdvertisement(ModuleState& state, AdGroup* group, Advertisement* ad) {
    StopAdvertisement(state, ad);
    Advertisement* next = Neighbour(ad);
    group->Ads.Unlink(ad);
    DeleteRecord(ad);
    return next;
}

void SetAdvertisementText(Advertisement* ad, const char* text) {
    if (text && *text)
        ad->AdsText.Set(text);
    else
        ad->AdsText.Clear();
}

std::string DefaultAdvertisementText(const char* listName) {
    std::string text = kDefaultAdText;
    SubstituteVariable(text, kSampleListName, listName ? listName : "");
    return text;
}

}  // namespace qvs
