#include "script_follower.h"

#include "send_commands.h"

namespace hostsim {

bool ScriptFollower::Evaluate(const std::string& text, std::string& value) {
    HostModel::Preset preset = model_.FindPreset(text, value);
    if (preset != HostModel::Preset::None) return preset == HostModel::Preset::Set;
    value = evaluator_.Evaluate(text, model_.Active());
    return true;
}

void ScriptFollower::Execute(const std::string& command) {
    uint32_t id = 0;
    std::string rest = WithoutScid(command, id);
    evaluator_.Execute(rest, id ? id : model_.Active());
}

}  // namespace hostsim
