#include "persistence/configuration.h"

#include "persistence/advertisement_file.h"
#include "persistence/channel_file.h"
#include "persistence/flood_file.h"
#include "persistence/list_file.h"
#include "persistence/random_file.h"
#include "persistence/user_file.h"

namespace qvs {

// channel.dat comes last: its selections name user groups, advertisement
// groups and file lists.
void LoadAllConfiguration(ModuleState& state) {
    LoadUserGroups(state);
    LoadNetworkSettings(state);
    LoadRandomFiles(state);
    LoadAdvertisements(state);
    LoadFileLists(state);
    LoadChannelConfigs(state);
}

// Each file is replaced on its own; one that fails keeps its previous copy
// and the others are still saved.
void SaveAllConfiguration(ModuleState& state) {
    SaveNetworkSettings(state);
    SaveRandomFiles(state);
    SaveAdvertisements(state);
    SaveFileLists(state);
    SaveChannelConfigs(state);
    SaveUserGroups(state);
}

void SaveConfigurationOnSchedule(ModuleState& state) {
    const GlobalSettings& settings = state.Settings;
    if (settings.UseSaveConfig != 1 || settings.SaveConfigInterval == 0) return;
    if (++state.ConfigSaveMinutes < settings.SaveConfigInterval) return;
    state.ConfigSaveMinutes = 0;
    SaveAllConfiguration(state);
}

}  // namespace qvs
