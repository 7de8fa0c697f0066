// The header put in front of a list body, with its five variables.
#pragma once
#include <string>

namespace qvs {

struct HeaderValues {
    std::string FileCount;     // as the body library returned it
    std::string FileSize;      // the size text
    std::string CreationDate;  // the date and time text
    std::string FileTrigger;
};

// Replaces $FileCount$, $FileSize$, $AppName$, $CreationDate$ and
// $FileTrigger$, in that order, ignoring the case of their letters. The
// search goes on after each inserted value, so a value that holds its own
// variable is not expanded again; later variables are sought everywhere.
std::string ExpandHeader(const std::string& header, const HeaderValues& values);

// One variable: every occurrence from the start, resuming after each value.
void SubstituteVariable(std::string& text, const char* variable, const std::string& value);

}  // namespace qvs
