// The configuration files as a whole: loaded once at module load, saved by
// SaveAllConfiguration.
#pragma once
#include "model/module_state.h"

namespace qvs {

// user.dat, Flood.dat, randomfile.dat, advertisement.dat, list.dat, channel.dat.
void LoadAllConfiguration(ModuleState& state);
// Flood.dat, randomfile.dat, advertisement.dat, list.dat, channel.dat, user.dat.
void SaveAllConfiguration(ModuleState& state);

// The housekeeping tick's share: with "Save configuration every" on, every
// SaveConfigInterval minutes, so a crash of the host loses at most that much
// of the statistics and settings.
void SaveConfigurationOnSchedule(ModuleState& state);

}  // namespace qvs
