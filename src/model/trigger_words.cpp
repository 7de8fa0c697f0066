#include "model/trigger_words.h"

#include "model/names.h"

namespace qvs {

bool IsTriggerWord(const Text& trigger, const std::string& word) {
    return !trigger.IsEmpty() && trigger.Equals(word.c_str());
}

bool BeginsWithNoCase(const std::string& word, const std::string& prefix) {
    return word.size() >= prefix.size() && NamesEqualN(word.c_str(), prefix.c_str(), prefix.size());
}

bool OwnNickTrigger(const char* lead, const Text& ownNick, std::string& trigger) {
    if (ownNick.IsEmpty()) return false;
    trigger = std::string(lead) + ownNick.c_str();
    return true;
}

}  // namespace qvs
