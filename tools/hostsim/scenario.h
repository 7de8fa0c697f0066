// Scenario files: one step a line, words separated by blanks. A line whose
// first word starts with '#' is a comment (channel names never come first),
// kept for the transcript. Words may be quoted ("two words", "" for an empty
// one) and may hold the escapes \xNN (a byte), \\ and \", and {N*text}
// (text repeated N times); any other backslash stands for itself, as in
// QVS\Channel.dat.
#pragma once
#include <string>
#include <vector>

namespace hostsim {

struct Step {
    int Line = 0;
    bool Comment = false;            // shown in the transcript, not run
    std::string Text;                // the line as written
    std::vector<std::string> Words;  // unescaped; Words[0] is the verb
    std::vector<std::size_t> Starts; // where each word starts in Text

    // The rest of the line from word index on, unescaped, blanks kept; a
    // rest that is one quoted word loses its quotes.
    std::string Rest(std::size_t index) const;
};

bool ReadScenario(const std::string& path, std::vector<Step>& steps, std::string& error);
std::string Unescape(const std::string& raw);

}  // namespace hostsim
