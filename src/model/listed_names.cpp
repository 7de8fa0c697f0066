#include "model/listed_names.h"

#include <string>

#include "model/memory.h"

namespace qvs {
namespace {

std::string CutToRoom(const char* text) { return std::string(text).substr(0, kListedNameRoom); }

}  // namespace

NameNode* FindListedName(const List<NameNode>& names, const char* text) {
    for (NameNode* node = names.Head; node; node = node->Next)
        if (node->Value.Equals(text)) return node;
    return nullptr;
}

NameNode* AddListedName(List<NameNode>& names, const char* text) {
    if (!text || !*text) return nullptr;
    std::string word = CutToRoom(text);
    if (FindListedName(names, word.c_str())) return nullptr;
    NameNode* node = NewRecord<NameNode>();
    if (!node) return nullptr;
    node->Value.Set(word.c_str());
    names.PushBack(node);
    return node;
}

void RemoveListedName(List<NameNode>& names, NameNode* node) {
    if (!node) return;
    names.Unlink(node);
    DeleteRecord(node);
}

}  // namespace qvs
