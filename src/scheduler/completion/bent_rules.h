#pragma once
// The school's rules a timetable bends, one by one, read from the planes alone: a
// teacher's gaps over the limits, a teacher's day over the daily maximum, a lesson on
// one day more often than the same-lesson rule allows, a lesson of two blocks on days
// in a row or at the same hours where the teacher asks otherwise. The completion
// reports the ones it bent; the limits are the teachers' prepared settings.

#include <string>
#include <vector>

#include "core/school.h"

namespace kalvodrin {

enum class BentRuleKind {
  kGaps,           // teacher: gap hours over the weekly (daily) allowance or longest gap
  kDailyMaximum,   // teacher: hours over the most a day may hold, summed over the days
  kSameLessonDay,  // class lesson: blocks (or hours) over what one day may hold
  kDaysApart,      // class lesson: pairs of days in a row
  kSameHours,      // class lesson: hours at which both blocks stand
};

struct BentRule {
  BentRuleKind kind = BentRuleKind::kGaps;
  int teacher = 0;  // for a teacher's rule
  int classNo = 0;  // for a class lesson's rule (a common lesson under its lead class)
  int lesson = 0;
  int amount = 0;  // by how much
  bool operator==(const BentRule&) const = default;
};

// Every rule the timetable bends, teachers first in list order, then class lessons.
std::vector<BentRule> ListBentRules(const School& school);

// The rules of `after` bent further than in `before` (same kind and owner), with the
// amount they grew by.
std::vector<BentRule> NewlyBent(const std::vector<BentRule>& before,
                                const std::vector<BentRule>& after);

// One line, UTF-8, naming the teacher or class and lesson, the rule and the amount.
std::string BentRuleText(const School& school, const BentRule& rule);

}  // namespace kalvodrin
