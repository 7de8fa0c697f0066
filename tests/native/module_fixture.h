// A fresh module state on fake adapters and a scratch configuration folder
// for every test.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "fake/fake_platform.h"
#include "model/channel_config.h"
#include "model/memory.h"

namespace qvs {

class ScratchFolder {
public:
    ScratchFolder() {
        char pattern[] = "/tmp/qvs-test-XXXXXX";
        const char* made = mkdtemp(pattern);
        path_ = made ? made : "/tmp";
    }
    ~ScratchFolder() {
        std::string command = "rm -rf '" + path_ + "'";
        if (std::system(command.c_str()) != 0) {
        }
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

class ModuleTest : public ::testing::Test {
protected:
    ScratchFolder scratch;
    FakePlatform platform{scratch.Path() + "/"};
    ModuleState& state = platform.State;
    FakeHost& host = platform.Host;

    std::string ConfigPath(const std::string& name) const { return state.ConfigFolder + name; }
};

}  // namespace qvs
