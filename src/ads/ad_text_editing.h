// What the advertisement text editor offers and inserts: the variables of
// each variable group with their descriptions, colour codes, and the codes
// put around a selected piece of text.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "model/module_state.h"

namespace qvs {

// The host's colour names; a name's position is its colour number, and the
// last one stands for no colour at all.
constexpr int kColourCount = 17;
constexpr int kNoColour = kColourCount - 1;
constexpr int kBlack = 1;
extern const char* const kColourNames[kColourCount];

// The control codes of the host's text attributes.
constexpr char kColourCode = '\x03';
constexpr char kBoldCode = '\x02';
constexpr char kUnderlineCode = '\x1f';
constexpr char kReverseCode = '\x16';

struct EditorVariable {
    std::string Name;         // the word after the point
    std::string Description;  // what the editor lists
};

// "Channel", "RandomText", "UserNick", "Script", then every FileList's name.
std::vector<std::string> VariableGroups(const ModuleState& state);
// The variables of a group as the editor lists them; none for an unknown one.
std::vector<EditorVariable> GroupVariables(const ModuleState& state, const std::string& group);
// "$Group.Name$".
std::string VariableWord(const std::string& group, const std::string& name);

// The code that starts a colour: empty when both are "no color" (or out of
// range), the text colour alone when the background is "no color".
std::string ColourStart(int text, int background);

// Puts before and after around text[start, end); nothing happens without a
// selection (start == end) or with one past the text.
bool MarkSelection(std::string& text, std::size_t start, std::size_t end, const std::string& before,
                   const std::string& after);

// The command that shows an expanded text in the preview window: one line,
// its words kept plain.
std::string PreviewLineCommand(const std::string& expanded);
extern const char kPreviewWindowCommand[];

}  // namespace qvs
