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

}  // namespace qvs
