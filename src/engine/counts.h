#pragma once
// The hour counts of classes, classrooms and teachers that the timetable windows and
// the scheduler show and steer by.

#include "core/data_files.h"
#include "core/school.h"

namespace kalvodrin {

// Class byte weeklyHours := the weekly hours of the lessons of the class's teacher
// lessons (a lesson given to two teachers counts twice). Unknown classes are ignored.
void CountClassHours(School& school, int classNo);

// Every classroom's weeklyHours := the weekly hours of the class lessons that list it.
// True when some classroom has hours.
bool CountRoomHours(School& school);

// Teacher bytes windowCells, morningHours, afternoonHours and weeklyHours from the
// teacher's lessons: hours go to the morning or afternoon side by their class, and
// each common group met counts once ((members - 1) x its weekly hours are taken off
// on the side of its first class). True when one of the teacher's class lessons has
// a common group or at least one teacher (the indicator that starts the shared-first
// toggle of a run).
bool CountTeacherHours(School& school, int teacher);

// Every class, every classroom, every teacher. Returns the teachers' indicator.
bool CountAllHours(School& school);

// The weekly-hour totals the counts above store, recounted without storing them, so
// that a check can compare them with the stored ones.
int RecountClassWeeklyHours(const School& school, int classNo);
int RecountRoomWeeklyHours(const School& school, int room);
struct TeacherHourCounts {
  uint8_t windowCells = 0;
  uint8_t morningHours = 0;
  uint8_t afternoonHours = 0;
  uint8_t weeklyHours = 0;
  bool shared = false;  // the indicator CountTeacherHours returns
};
TeacherHourCounts RecountTeacherHours(const School& school, int teacher);

// After a lesson's weekly hours changed: the totals of every class, classroom and
// teacher that takes the lesson are counted again. Returns the timetable files
// whose records changed.
FileSet RecountTotalsOfLesson(School& school, int lesson);

// The length of a class's hour window on a day: a day without lessons (first or last
// hour 0) has none.
int DayWindowLength(const TClassGridRec& g, std::size_t dayIndex);

// Cells of the class's timetable that hold the lesson.
int PlacedHours(const School& school, int classNo, int lesson);

struct ClassLessonTotals {
  int weekly = 0;    // weekly hours of all the class's lessons
  int unplaced = 0;  // of those, hours not yet placed
};
ClassLessonTotals CountClassLessonTotals(const School& school, int classNo);

// Cells of the class's day windows minus those that are closed and free.
int UsableCells(const School& school, int classNo);

struct PlacementTotals {
  int toPlace = 0;  // sum of the teachers' weekly hours
  int placed = 0;   // sum of the teachers' placed hours
};
PlacementTotals CountTotals(const School& school);

// Class freeHours of each day := window length minus the lesson hours placed that
// day, for callers that change a class's hour window.
void RecountClassFreeHours(School& school, int classNo);

// Teacher placedHours and placedPerDay recounted from the occupant plane.
void RecountTeacherPlaced(School& school, int teacher);

}  // namespace kalvodrin
