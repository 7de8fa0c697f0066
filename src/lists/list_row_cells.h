// What a FileList's row shows in the list manager and on a channel's
// FileLists page: name, comment, both triggers, then what the last
// generation found (empty while there is nothing to tell).
#pragma once
#include <array>
#include <string>

#include "model/records.h"

namespace qvs {

constexpr int kListRowCellCount = 7;
using ListRowCells = std::array<std::string, kListRowCellCount>;

ListRowCells FileListRowCells(const FileList& list);

}  // namespace qvs
