// A list's count of files, size and creation date are written by the
// generation thread while the UI thread shows, saves and compares them.
// Both sides hold this lock for the moment they touch those three fields,
// never while waiting for anything else, so neither sees half of a 64-bit
// size or of a date.
#pragma once
#include <mutex>

namespace qvs {

class ListFiguresHold {
public:
    ListFiguresHold();

private:
    std::lock_guard<std::mutex> hold_;
};

}  // namespace qvs
