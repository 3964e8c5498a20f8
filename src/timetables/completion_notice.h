#pragma once
// What the teacher window says after the completion search placed the hours a run
// left: how many it placed and how many placed hours it moved, which of the school's
// rules it bent, then the run's own closing words.

#include <string>

#include "scheduler/completion/completion.h"
#include "scheduler/placement_run.h"

namespace kalvodrin {

// UTF-8. A refused completion says why; the rules it bent are named one by one.
std::string CompletionNotice(const School& school, const CompletionOutcome& outcome);

// The closing notice of a whole-school run that went on with the completion: what the
// run placed (from `placedBefore`) and whether it gave way when it stalled
// (`handedOver`), what the completion placed and moved, the rules it bent or that it
// bent none, then the closing words.
std::string RunAndCompletionNotice(const School& school, int placedBefore, const RunOutcome& run,
                                   const CompletionOutcome& completion, bool handedOver);

}  // namespace kalvodrin
