#pragma once
// An independent check of the hard rules over a whole timetable, written from the
// rules themselves and reading only the planes: it shares nothing with the engine's
// counters or the completion's bookkeeping.

#include <cstdint>
#include <string>
#include <vector>

#include "core/school.h"
#include "scheduler/completion/bent_rules.h"
#include "scheduler/completion/completion.h"

namespace kalvodrin {

// One line per broken rule. `before` is the school before the completion: blocks that
// stood there already are taken as given (a hand-placed block may stand on a closed
// cell); every other block must keep every rule, and blocks on closed cells before
// (locked ones) must still stand where they stood. A teacher's day may pass the daily
// maximum only by the hours `reported` names as that teacher's bent daily maximum (the
// completion bends it before a lesson's own rules, and says so).
std::vector<std::string> CheckHardRules(const School& after, const School& before,
                                        const std::vector<BentRule>& reported = {});

// Completes `school` with `seed` and expects the result consistent and keeping every hard
// rule but the bends the completion reports.
CompletionOutcome CompleteKeepingRules(School& school, uint64_t seed);

}  // namespace kalvodrin
