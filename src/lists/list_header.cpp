#include "lists/list_header.h"

#include <cstring>

#include "hostlink/text_routines.h"
#include "model/module_state.h"

namespace qvs {

// Resuming after the inserted value is resuming after the variable in the
// text as it was: one pass that copies, so a long header full of variables
// costs no more than its length.
void SubstituteVariable(std::string& text, const char* variable, const std::string& value) {
    const long length = static_cast<long>(std::strlen(variable));
    std::string expanded;
    long from = 1;
    for (long at; (at = FindNoCaseN(from, text.c_str(), text.size(), variable)) > 0; from = at + length)
        expanded.append(text, static_cast<std::size_t>(from - 1), static_cast<std::size_t>(at - from)).append(value);
    if (from == 1) return;
    expanded.append(text, static_cast<std::size_t>(from - 1), std::string::npos);
    text.swap(expanded);
}

std::string ExpandHeader(const std::string& header, const HeaderValues& values) {
    std::string text = header;
    SubstituteVariable(text, "$FileCount$", values.FileCount);
    SubstituteVariable(text, "$FileSize$", values.FileSize);
    SubstituteVariable(text, "$AppName$", kAppName);
    SubstituteVariable(text, "$CreationDate$", values.CreationDate);
    SubstituteVariable(text, "$FileTrigger$", values.FileTrigger);
    return text;
}

}  // namespace qvs
