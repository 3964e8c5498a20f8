#pragma once
// Preparing the teachers before an automatic run: the settings in force for each
// teacher, the teacher's usable window of each day, and the values that steer how many
// hours a day the teacher may get. The steps are exposed one by one so that each can
// be checked; PrepareTeacher runs them in their order.

#include "core/school.h"

namespace kalvodrin {

// The teacher's pattern blocks, over the class lessons of its teacher lessons (a
// common lesson counted once): of 1 hour, of 2 hours, of 3 or more.
struct TeacherBlocks {
  int ones = 0;
  int twos = 0;
  int longer = 0;
};
TeacherBlocks CountTeacherBlocks(const School& school, int teacher);

// effective := the settings combined with the teacher's own: the gap allowances and
// the daily maximum take the larger value, the yes/no rules the smaller. Two more
// weekly gaps for a teacher in both buildings; sameClassDifferentDays off when the
// teacher has 5 or more blocks in one class. The daily maximum is raised later.
void SetEffectiveSettings(const School& school, TTeacherGridRec& grid);

struct WindowMarks {
  int marked = 0;  // cells inside the day window of some class the teacher teaches
  int closed = 0;  // of those, cells closed for the teacher
};
// Marks the union of the day windows of the teacher's classes: bothBuildings,
// firstUsable and lastUsable (first and last marked hour of each day, 0 when none).
WindowMarks MarkTeacherWindow(const School& school, TTeacherGridRec& grid);

// sameDayAllowance := round((marked mod 5 + closed) / round(marked / 5)) (left as it
// is when marked < 3), slack := marked - closed - weeklyHours (at least 0),
// searchMark := 0.
void SetAllowanceAndSlack(TTeacherGridRec& grid, const WindowMarks& marks);

// Drops closed, free hours from both ends of each day's window (an all-closed day
// becomes 0 / 0) and sets usablePerDay := window length minus closed, free hours.
void TrimTeacherWindow(TTeacherGridRec& grid);

// Raises effective.maxHoursPerDay until the usable days can hold the weekly hours (by
// 2 while it is below twice the 2-hour blocks). Unchanged when no day is usable.
void RaiseDailyMaximum(TTeacherGridRec& grid, const TeacherBlocks& blocks);

// The regular-distribution values evenSpread..evenExtraCeiling; switches even spread
// and dayBetweenDays off when more than one day is unusable.
void SetRegularDistribution(TTeacherGridRec& grid, const TeacherBlocks& blocks,
                            const TSettingsRec& settings);

// Counts the teacher's hours, then: sameDayAllowance := 5, and for a teacher with
// weekly hours, bothShifts, the window, allowance and slack, trimming, the daily
// maximum and the regular distribution. Effective settings for every teacher.
// Nothing happens for a teacher without a timetable.
void PrepareTeacher(School& school, int teacher);

// Class and classroom hours, then every teacher in Teachers order.
void PrepareAllTeachers(School& school);

// Rounds num / den to the nearest integer, halves to the even one (den > 0).
int RoundHalfEven(int num, int den);

}  // namespace kalvodrin
