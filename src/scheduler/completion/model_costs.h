#pragma once
// The soft costs as the completion search sees them, read from its mirror of the
// timetable: one teacher's day, one class's day, one lesson's blocks. A move changes
// only the days and the lesson it touches, so the search compares those alone. The
// sums over the whole school equal MeasureSoftCosts on the school the mirror follows.

#include <vector>

#include "scheduler/completion/completion_model.h"
#include "scheduler/completion/soft_costs.h"

namespace kalvodrin {

// Gap hours, further lessons of one class and building changes of the teacher's day.
void AddTeacherDayCosts(const CompletionModel& model, int teacher, int day, SoftCosts& costs);
// Hours over the teacher's gap limits in the week.
int TeacherGapBreaches(const CompletionModel& model, int teacher);
// Hours over the teacher's gap limits that the teacher's hours still waiting could not
// mend, each filling one gap hour: 0 while the limits can still be kept. Taking a
// block out of the middle of a day adds as many gap hours as hours waiting, so only
// placing can raise it. Here with `unit` (waiting) standing at `start` and the units
// of `takenOut` gone.
int TeacherGapExcess(const CompletionModel& model, int teacher, int unit, int start,
                     const std::vector<int>& takenOut);
// The same for the mirror as it stands.
int TeacherGapExcess(const CompletionModel& model, int teacher);
// Further lessons of one lesson group on the class's day.
void AddClassDayCosts(const CompletionModel& model, int classNo, int day, SoftCosts& costs);
// Same-day blocks, days in a row, same hours and moved hours of one lesson.
void AddLessonCosts(const CompletionModel& model, int lessonIndex, SoftCosts& costs);

// What a move of `unit` can change, weighted: the days `dayA` and `dayB` (equal for a
// move within one day, 0 for none) of its teachers and classes, and its lesson.
// The teachers' gap limits are weekly: their whole weeks are read.
long UnitLocalCost(const CompletionModel& model, int unit, int dayA, int dayB,
                   const SoftWeights& weights = kSoftWeights);
// The same for two units that trade places (`unitB` -1 for none).
long PairLocalCost(const CompletionModel& model, int unitA, int unitB, int dayA, int dayB,
                   const SoftWeights& weights = kSoftWeights);

// Every teacher, class and lesson of the model.
SoftCosts ModelSoftCosts(const CompletionModel& model, const School& school);

}  // namespace kalvodrin
