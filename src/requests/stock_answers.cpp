#include "requests/stock_answers.h"

namespace qvs {

// The answers are not written yet: the triggers are recognised and consumed
// without a reply.
void AnswerQueuePositions(ModuleState&, ServedChannel*, const char*) {}
void AnswerHelp(ModuleState&, ServedChannel*, const char*) {}
void AnswerTopList(ModuleState&, ServedChannel*, const char*) {}
void AnswerStatistics(ModuleState&, ServedChannel*, const char*) {}
void AnswerListOfLists(ModuleState&, ServedChannel*, const char*) {}

}  // namespace qvs
