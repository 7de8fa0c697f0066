// Follows the companion script the way the host runs it, for the handful of
// constructs the script uses: aliases called as commands and identifiers,
// local variables (var, inc, dec), if / elseif / else and while with the
// host's comparisons (==, !=, <, >, <=, >=, isin, isnum, isop, isvoice,
// "!" in front, "||" and "&&" left to right), $N and $N- parameters, $+,
// and the text identifiers the script calls ($iif, $calc, $int, $gettok,
// $istok, $asc, $regex for a digits-only pattern, $nopath, $nofile, $right,
// $qt). Whatever belongs to the host itself (connections, channels, send
// windows, $dll, and the commands scid, scon, dcc, echo) is asked of the
// ScriptWorld. Everything a line holds is evaluated once, as the host does.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "mrc_script.h"

namespace hostsim {

class ScriptWorld {
public:
    virtual ~ScriptWorld() = default;
    // A host identifier on connection `active`; false when the host has
    // none of that name (it then evaluates to nothing).
    virtual bool Identifier(const std::string& name, const std::vector<std::string>& args,
                            const std::string& property, uint32_t active, std::string& value) = 0;
    // "nick isop #channel" and "isvoice" on connection `active`.
    virtual bool HasMode(const std::string& mode, const std::string& nick, const std::string& channel,
                         uint32_t active) = 0;
    // A host command; scid and scon change `active`.
    virtual void Command(const std::string& name, const std::vector<std::string>& words, uint32_t& active) = 0;
};

// The identifiers an event gives its handler ("nick", "newnick", "filename").
using EventIdentifiers = std::map<std::string, std::string>;

class MrcEvaluator {
public:
    MrcEvaluator(const MrcScript& script, ScriptWorld& world) : script_(script), world_(world) {}
    // A text evaluated once, as the host evaluates what it is asked to.
    std::string Evaluate(const std::string& text, uint32_t active);
    // A command line as the host runs it ("/SendFile 1 bob C:\a.txt").
    void Execute(const std::string& line, uint32_t active);
    // Runs the script's handler of the event; false when it has none.
    bool RunEvent(const std::string& event, const EventIdentifiers& identifiers, uint32_t active);
    // Statements run since the start; a loop that never ends stops at a bound.
    bool Overran() const { return overran_; }

private:
    struct Frame;

    bool Run(const std::string& body, Frame& frame, std::string& result);
    bool RunStatement(const std::string& body, std::size_t& at, Frame& frame, std::string& result, bool& chainDone);
    bool RunCommand(const std::string& line, Frame& frame, std::string& result);
    std::string RunAlias(const std::string& body, const std::string& parameters, Frame& caller);
    void SetVariable(const std::string& rest, Frame& frame);
    void Step(const std::string& rest, Frame& frame, int sign);

    std::string Line(const std::string& text, Frame& frame);
    std::string Word(const std::string& word, Frame& frame);
    std::string Identifier(const std::string& name, const std::string& argumentText, const std::string& property,
                           Frame& frame);
    bool TextIdentifier(const std::string& name, const std::vector<std::string>& args, std::string& value);
    std::string Parameter(const std::string& name, const Frame& frame) const;

    bool Condition(const std::string& text, Frame& frame);
    bool Comparison(const std::string& text, Frame& frame);

    const MrcScript& script_;
    ScriptWorld& world_;
    long budget_ = 0;
    bool overran_ = false;
};

// Words of a line, blanks inside brackets kept ("$f(a, b).c" is one word).
std::vector<std::string> SplitWords(const std::string& text);
// Arguments inside an identifier's brackets, split at commas outside brackets.
std::vector<std::string> SplitArguments(const std::string& text);
// The host's arithmetic: + - * / % and brackets; what is no number counts 0.
double Calculate(const std::string& expression);
// How the host writes a number: whole numbers without a fraction.
std::string NumberText(double number);

}  // namespace hostsim
