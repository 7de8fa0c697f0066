// Steps about the simulated host itself: its answers, its clock, and what the
// module asked of it.
#include "runner.h"
#include "step_words.h"

namespace hostsim {
namespace {

// The first item at or after cursor that matches; items.size() when none.
template <typename Items, typename TextOf>
std::size_t FindFrom(const Items& items, std::size_t cursor, const std::string& expected, TextOf textOf) {
    for (std::size_t i = cursor; i < items.size(); ++i)
        if (Matches(textOf(items[i]), expected)) return i;
    return items.size();
}

std::string Plain(const std::string& command) { return command; }
std::string IdentifierOf(const Evaluation& evaluation) { return evaluation.Identifier; }

}  // namespace

Outcome Runner::Answer(const Step& step) {
    std::string value = step.Rest(2);
    model_.Override(step.Words[1], value);
    return {true, "the host answers " + step.Words[1] + " with " + std::to_string(value.size()) + " character(s)"};
}

Outcome Runner::Refuse(const Step& step) {
    model_.Refuse(step.Words[1]);
    return {true, std::string()};
}

Outcome Runner::SetCtime(const Step& step) {
    uint32_t seconds = 0;
    if (!ParseUnsigned(step.Words[1], seconds)) return {false, "usage: set-ctime <seconds>"};
    model_.SetCtime(seconds);
    return {true, std::string()};
}

Outcome Runner::SetDeadline(const Step& step) {
    uint32_t milliseconds = 0;
    if (!ParseUnsigned(step.Words[1], milliseconds) || milliseconds == 0) return {false, "usage: set-deadline <ms>"};
    deadlineMs_ = milliseconds;
    return {true, std::string()};
}

// Commands are expected in the order the module executed them: a match
// consumes it and every earlier one.
Outcome Runner::ExpectCommand(const Step& step) {
    std::string expected = step.Rest(1);
    std::size_t found = FindFrom(host_.Executed, commandCursor_, expected, Plain);
    if (found == host_.Executed.size())
        return {false, "not executed since the last expected command (" +
                           std::to_string(host_.Executed.size() - commandCursor_) + " command(s) since)"};
    commandCursor_ = found + 1;
    return {true, std::string()};
}

// For what the module does on its own timers: waits up to the deadline.
Outcome Runner::AwaitCommand(const Step& step) {
    std::string expected = step.Rest(1);
    PumpUntil([&] { return FindFrom(host_.Executed, commandCursor_, expected, Plain) != host_.Executed.size(); },
              deadlineMs_);
    return ExpectCommand(step);
}

Outcome Runner::ExpectNoCommand(const Step& step) {
    std::size_t found = FindFrom(host_.Executed, commandCursor_, step.Rest(1), Plain);
    if (found == host_.Executed.size()) return {true, std::string()};
    return {false, "executed: " + host_.Executed[found]};
}

Outcome Runner::ExpectNoMoreCommands(const Step&) {
    if (commandCursor_ == host_.Executed.size()) return {true, std::string()};
    return {false, std::to_string(host_.Executed.size() - commandCursor_) + " command(s) not expected, first: " +
                       host_.Executed[commandCursor_]};
}

Outcome Runner::ExpectEvaluated(const Step& step) {
    std::size_t found = FindFrom(host_.Evaluated, evaluationCursor_, step.Rest(1), IdentifierOf);
    if (found == host_.Evaluated.size()) return {false, "not evaluated since the last expected evaluation"};
    evaluationCursor_ = found + 1;
    return {true, std::string()};
}

}  // namespace hostsim
