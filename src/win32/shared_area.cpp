#include "win32/shared_area.h"

namespace qvs {

void SharedArea::Open() {
    mapping_.Reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kSharedAreaSize, kSharedAreaName));
    if (!mapping_.Valid()) return;
    view_.Reset(MapViewOfFile(mapping_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, kSharedAreaSize));
}

void SharedArea::Release() {
    view_.Release();
    mapping_.Release();
}

}  // namespace qvs
