// Numbered elements of the configuration files: children named by their
// decimal number ("%lu"), counted from 0 or from 1 as each list says, with
// the count in a key of its own.
#pragma once
#include <cstdint>

#include "model/list.h"
#include "model/memory.h"
#include "model/records.h"
#include "persistence/stored_values.h"

namespace qvs {

enum Numbering : uint32_t { kFromZero = 0, kFromOne = 1 };

// The name of element number, optionally followed by a suffix ("1_Option").
class ElementName {
public:
    explicit ElementName(uint32_t number, const char* suffix = "");
    const char* c_str() const { return text_; }

private:
    char text_[32];
};

// The writers never leave a gap, so absent elements mean damage, and a count
// from a broken file may promise billions that are not there. After this many
// absent elements in a row the rest of the count is taken as absent too,
// which bounds a load by what the file really holds.
constexpr uint32_t kMaxMissingRun = 64;

// Visits the element numbers of a counted list in rising order; visit(number)
// tells whether the element was there.
template <typename Visit>
void ForEachNumber(Numbering base, uint32_t count, Visit visit) {
    uint32_t missingRun = 0;
    for (uint32_t i = 0; i < count && missingRun < kMaxMissingRun; ++i)
        missingRun = visit(base + i) ? 0 : missingRun + 1;
}

// One sub-storage per item, numbered from base in list order, each filled by
// write(child, item).
template <typename T, typename Write>
void WriteNumberedStorages(const StorageRef& parent, Numbering base, const List<T>& items, Write write) {
    uint32_t number = base;
    for (const T* item = items.Head; item; item = item->Next) {
        StorageRef child = parent.CreateStorage(ElementName(number++).c_str());
        if (child) write(child, *item);
    }
}

// Hands each present sub-storage of a counted list to read(child); absent
// ones are skipped.
template <typename Read>
void ReadNumberedStorages(const StorageRef& parent, Numbering base, uint32_t count, Read read) {
    if (!parent) return;
    ForEachNumber(base, count, [&](uint32_t number) {
        StorageRef child = parent.OpenStorage(ElementName(number).c_str());
        if (child) read(child);
        return static_cast<bool>(child);
    });
}

// One record per present sub-storage, appended in file order; fill(child,
// record) reads its keys, giving every field of its table the loaded value
// or the key's default.
template <typename T, typename Fill>
void ReadNumberedRecords(const StorageRef& parent, Numbering base, uint32_t count, List<T>& records, Fill fill) {
    ReadNumberedStorages(parent, base, count, [&](const StorageRef& child) {
        T* record = NewRecord<T>();
        if (!record) return;
        records.PushBack(record);
        fill(child, *record);
    });
}

// Where a name list lives: a sub-storage of one stream per name, numbered
// from base, with the count key beside it in the parent.
struct NameListLayout {
    const char* Storage;
    const char* CountKey;
    Numbering Base;
    StringForm Form;
    bool WrittenWhenEmpty;  // otherwise an empty list leaves only its count
};

void WriteNameList(const StorageRef& parent, const NameListLayout& layout, const List<NameNode>& names);
// Appends the names that are present, in file order.
void ReadNameList(const StorageRef& parent, const NameListLayout& layout, List<NameNode>& names);

}  // namespace qvs
