#pragma once
// The eight rule tests that a free, open place must pass before a block goes there.
// Each answers yes (pass) or no for the block at its place. They read the teachers'
// run values prepared by PrepareTeacher and the settings record of the school.

#include "core/school.h"
#include "engine/block.h"

namespace kalvodrin {

struct RuleParams {
  // The levels where the rules are not yet taken from the settings: rules 5, 6, 7
  // apply whatever the settings say and no gap is allowed.
  bool strict = false;
  // Relaxation steps of the lesson-group kind made so far in the run.
  int relaxPasses = 0;
};

// 1. No teacher gets more hours on the day than its daily allowance.
bool DailyMaximumRule(const School& school, const Block& block, const RuleParams& params);
// 2. A teacher does not move between the main and the annex building around the block.
bool AnnexRule(const School& school, const Block& block, const RuleParams& params);
// 3. The block keeps every teacher's gaps within the allowed gap.
bool GapRule(const School& school, const Block& block, const RuleParams& params);
// 4. How many hours of the lesson one day of the class may hold, and how they join.
bool SameLessonRule(const School& school, const Block& block, const RuleParams& params);
// 5. No hours of the lesson on the day before or the day after.
bool DaysApartRule(const School& school, const Block& block, const RuleParams& params);
// 6. The lesson is not at the same hours on another day.
bool DifferentHoursRule(const School& school, const Block& block,
                        const RuleParams& params);
// 7. The first teacher does not teach the class another lesson that day.
bool OneTeacherTwoLessonsRule(const School& school, const Block& block,
                              const RuleParams& params);
// 8. Lessons of one lesson group spread over different days of the class.
bool LessonGroupRule(const School& school, const Block& block, const RuleParams& params);

// Rules 4, 1, 2, 3, 5, 6, 7, 8 in that order; stops at the first that fails.
bool AllRulesPass(const School& school, const Block& block, const RuleParams& params);

// The gap a teacher may leave next to a block on `day` (rule 3's G): 0 when strict or
// the teacher's weekly gap allowance is 0, else what remains of it, at most the
// longest gap between two lessons.
int AllowedGap(const School& school, const TTeacherGridRec& teacher, int day,
               bool strict);

}  // namespace kalvodrin
