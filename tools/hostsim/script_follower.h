// hostsim following the companion script itself: what the module asks the
// host to evaluate or execute, and the host's events, go through the
// script's own aliases and handlers, over the host model.
#pragma once
#include <string>

#include "host_model.h"
#include "mrc_evaluator.h"
#include "mrc_script.h"
#include "script_world.h"

namespace hostsim {

class ScriptFollower {
public:
    explicit ScriptFollower(HostModel& model) : model_(model), world_(model), evaluator_(script_, world_) {}
    // False with a reason when the script cannot be read.
    bool Read(const std::string& text, std::string& error) { return loaded_ = script_.Read(text, error); }
    bool Loaded() const { return loaded_; }

    // An answer set by hand wins; everything else is the script's and the host's.
    bool Evaluate(const std::string& text, std::string& value);
    // A command the module had the host run, "/scid N " in front or not.
    void Execute(const std::string& command);
    // The script's handler of a host event on that connection; false when none.
    bool RunEvent(const std::string& event, const EventIdentifiers& identifiers, uint32_t connectionId) {
        return evaluator_.RunEvent(event, identifiers, connectionId);
    }
    HostScriptWorld& World() { return world_; }
    bool Overran() const { return evaluator_.Overran(); }

private:
    HostModel& model_;
    MrcScript script_;
    HostScriptWorld world_;
    MrcEvaluator evaluator_;
    bool loaded_ = false;
};

}  // namespace hostsim
