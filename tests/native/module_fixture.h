// A fresh module state on fake adapters and a scratch configuration folder
// for every test.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "fake/fake_platform.h"
#include "model/channel_config.h"
#include "model/memory.h"
#include "support/scratch_folder.h"

namespace qvs {

class ModuleTest : public ::testing::Test {
protected:
    ScratchFolder scratch;
    FakePlatform platform{scratch.Path() + "/"};
    ModuleState& state = platform.State;
    FakeHost& host = platform.Host;

    std::string ConfigPath(const std::string& name) const { return state.ConfigFolder + name; }
};

}  // namespace qvs
