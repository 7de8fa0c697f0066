// How the first word of a line is compared with configured trigger words.
#pragma once
#include <string>

#include "model/text.h"

namespace qvs {

// Equal without regard to case. A trigger that is absent or empty matches
// nothing: a list, group or search without a trigger word must not answer
// every line that starts with a blank.
bool IsTriggerWord(const Text& trigger, const std::string& word);

// Whether the word begins with the prefix, without regard to case.
bool BeginsWithNoCase(const std::string& word, const std::string& prefix);

// A trigger built from a lead text and the own nick ("!" for the nick's file
// trigger, "@" for the stock triggers). While the host has not told us the
// own nick, there is none: the lead alone would turn "!" or "@-que" into a
// trigger of every list.
bool OwnNickTrigger(const char* lead, const Text& ownNick, std::string& trigger);

}  // namespace qvs
