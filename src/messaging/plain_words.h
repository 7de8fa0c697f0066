// Texts that reach the host inside a command stay plain text: nothing in
// them is evaluated, split off or sent as a line of its own.
#pragma once
#include <cstddef>
#include <string>

namespace qvs {

// The host's formatted-print routine writes at most 1023 characters; a longer
// message is cut there. Names are bounded, so the cut only ever shortens the
// text.
constexpr std::size_t kMessageCommandSize = 1024;

// The host splits a command line at a lone '|', and "/scid" evaluates its
// command once more, reading a word that starts with '$' as an identifier
// and one that starts with '%' as a variable. Two bold codes, which show as
// nothing, in front of such a word keep it plain text.
std::string AsPlainWords(const char* text);

// One message is one IRC line: line breaks become blanks.
void FlattenLineBreaks(char* command);

}  // namespace qvs
