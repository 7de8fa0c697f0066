#include "model/paths.h"

#include <cstring>

namespace qvs {

const char* PathFileName(const char* path) {
    const char* last = std::strrchr(path, '\\');
    return last ? last + 1 : path;
}

}  // namespace qvs
