// Editing a channel's lists of words (search triggers, served networks):
// each word once, whatever its case.
#pragma once
#include <cstddef>

#include "model/records.h"

namespace qvs {

// A word longer than this is cut to it.
constexpr std::size_t kListedNameRoom = 511;

NameNode* FindListedName(const List<NameNode>& names, const char* text);
// Appends the word (cut to kListedNameRoom); null when it is empty or
// already listed, or when no record can be made.
NameNode* AddListedName(List<NameNode>& names, const char* text);
void RemoveListedName(List<NameNode>& names, NameNode* node);

}  // namespace qvs
