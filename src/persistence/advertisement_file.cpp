#include "persistence/advertisement_file.h"

#include "persistence/config_file.h"
#include "persistence/numbered_elements.h"

namespace qvs {
namespace {

constexpr char kGroupCountKey[] = "AdsNo";
constexpr char kGroupNameKey[] = "AdsGroupName";
constexpr char kAdsStorage[] = "ADS";
constexpr char kAdCountKey[] = "AdsCount";

template <typename Keys, typename Record>
void AdvertisementKeys(const Keys& keys, Record& ad) {
    keys.String("AdsName", ad.AdsName, StringForm::Terminated);
    keys.Dword("StartAfter", ad.StartAfter);
    keys.Dword("RunOption", ad.RunOption);
    keys.Dword("Interval", ad.Interval);
    keys.String("AdsText", ad.AdsText, StringForm::Optional);
}

void WriteGroup(const StorageRef& storage, const AdGroup& group) {
    WriteString(storage, kGroupNameKey, group.AdsGroupName, StringForm::Terminated);
    {
        StorageRef ads = storage.CreateStorage(kAdsStorage);
        WriteNumberedStorages(ads, kFromOne, group.Ads, [](const StorageRef& child, const Advertisement& ad) {
            AdvertisementKeys(KeyWriter(child), ad);
        });
    }
    WriteDword(storage, kAdCountKey, group.Ads.Count);
}

void ReadGroup(const StorageRef& storage, AdGroup& group) {
    KeyReader(storage).String(kGroupNameKey, group.AdsGroupName, StringForm::Terminated);
    ReadNumberedRecords(storage.OpenStorage(kAdsStorage), kFromOne, ReadCount(storage, kAdCountKey), group.Ads,
                        [](const StorageRef& child, Advertisement& ad) { AdvertisementKeys(KeyReader(child), ad); });
}

}  // namespace

bool SaveAdvertisements(ModuleState& state) {
    return SaveConfigFile(state, kAdvertisementFile, nullptr, [&](const StorageRef& root) {
        WriteNumberedStorages(root, kFromOne, state.AdGroups, WriteGroup);
        WriteDword(root, kGroupCountKey, state.AdGroups.Count);
    });
}

void LoadAdvertisements(ModuleState& state) {
    StorageRef root = OpenConfigFile(state, kAdvertisementFile);
    ReadNumberedRecords(root, kFromOne, ReadCount(root, kGroupCountKey), state.AdGroups, ReadGroup);
}

}  // namespace qvs
