// The word users see for each queue kind in notices and answers.
#pragma once
#include "model/records.h"

namespace qvs {

inline const char* QueueWord(QueueKind kind) {
    switch (kind) {
        case QueueKind::List: return "list";
        case QueueKind::SmallFile: return "small-file";
        case QueueKind::OpVoice: return "op/voice";
        case QueueKind::Regular: return "regular";
    }
    return "";
}

}  // namespace qvs
