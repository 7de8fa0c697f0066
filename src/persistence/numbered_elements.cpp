#include "persistence/numbered_elements.h"

#include <cstdio>

#include "model/channel_config.h"

namespace qvs {
namespace {

void WriteNameStreams(const StorageRef& storage, Numbering base, const List<NameNode>& names, StringForm form) {
    uint32_t number = base;
    for (const NameNode* node = names.Head; node; node = node->Next)
        WriteString(storage, ElementName(number++).c_str(), node->Value, form);
}

void ReadNameStreams(const StorageRef& storage, Numbering base, uint32_t count, List<NameNode>& names,
                     StringForm form) {
    if (!storage) return;
    ForEachNumber(base, count, [&](uint32_t number) {
        Text name;
        if (!ReadString(storage, ElementName(number).c_str(), name, form)) return false;
        AppendName(names, name.c_str());
        return true;
    });
}

}  // namespace

ElementName::ElementName(uint32_t number, const char* suffix) {
    std::snprintf(text_, sizeof text_, "%lu%s", static_cast<unsigned long>(number), suffix);
}

void WriteNameList(const StorageRef& parent, const NameListLayout& layout, const List<NameNode>& names) {
    if (layout.WrittenWhenEmpty || !names.Empty()) {
        StorageRef storage = parent.CreateStorage(layout.Storage);
        WriteNameStreams(storage, layout.Base, names, layout.Form);
    }
    WriteDword(parent, layout.CountKey, names.Count);
}

void ReadNameList(const StorageRef& parent, const NameListLayout& layout, List<NameNode>& names) {
    uint32_t count = ReadCount(parent, layout.CountKey);
    if (count == 0) return;
    ReadNameStreams(parent.OpenStorage(layout.Storage), layout.Base, count, names, layout.Form);
}

}  // namespace qvs
