// The answers to the stock triggers built from the own nick ("-que",
// "-help", "-top", "-stat", "-list"), each a private message to the nick.
#pragma once
#include "model/module_state.h"

namespace qvs {

// The nick's places in the Regular, SmallFile and OpVoice queues.
void AnswerQueuePositions(ModuleState& state, ServedChannel* channel, const char* nick);
void AnswerHelp(ModuleState& state, ServedChannel* channel, const char* nick);
void AnswerTopList(ModuleState& state, ServedChannel* channel, const char* nick);
void AnswerStatistics(ModuleState& state, ServedChannel* channel, const char* nick);
// The list triggers of the lists the channel serves.
void AnswerListOfLists(ModuleState& state, ServedChannel* channel, const char* nick);

}  // namespace qvs
