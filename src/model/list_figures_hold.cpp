#include "model/list_figures_hold.h"

namespace qvs {
namespace {

std::mutex& FiguresLock() {
    static std::mutex lock;
    return lock;
}

}  // namespace

ListFiguresHold::ListFiguresHold() : hold_(FiguresLock()) {}

}  // namespace qvs
