#pragma once
// Giving class lessons to teachers ("ÖĞRETMEN DERS DAĞITIMI") and taking them away.
// A lesson of a common group is given to, and taken from, every member at once.

#include <vector>

#include "core/change.h"
#include "core/school.h"

namespace kalvodrin {

// The teacher teaches the class lesson (every member of its common group) from now
// on: a teacher lesson per member, put among the teacher's lessons in their order
// (most weekly hours first, then lesson name, then class), and the teacher at the
// end of each member's teacher list. The hour counts follow. Refused, changing
// nothing:
//   kPlaced        the lesson has placed hours in the class
//   kAlreadyGiven  the teacher teaches it already
//   kAskAnother    it has teachers and `anotherConfirmed` is false (the window asks
//                  first and calls again with true)
//   kListFull      a member already has 15 teachers
//   kNotFound      unknown teacher or class lesson
// Rewrites DUDIZIR6.LOF, DUDIZIR2.LOF and the teacher and class timetables, whose
// hour counts changed.
Change GiveLessonToTeacher(School& school, int teacher, int classNo, int lesson,
                           bool anotherConfirmed = false);

// The teacher stops teaching the class lesson (every member of its common group):
// the hours it placed go from the teacher, class and classroom timetables, the
// teacher lessons go and the teacher leaves the teacher lists. number = teacher
// lessons removed. Rewrites DUDIZIR6.LOF, DUDIZIR2.LOF and the three timetable
// files. kNotFound when the teacher does not teach it.
Change TakeLessonFromTeacher(School& school, int teacher, int classNo, int lesson);

// The row to select after `removed` rows went while row `oldRow` (1-based) was
// selected and `newCount` rows are left: the same row while it exists, else `removed`
// rows up (onto the new last row when the last row was selected); 0 for none.
int RowAfterTakeAway(int oldRow, int newCount, int removed);

// The teacher's lessons in list order.
std::vector<TTeacherLessonRec> LessonsOfTeacher(const School& school, int teacher);

struct TeacherTotals {
  int lessons = 0;
  int morning = 0;
  int afternoon = 0;
  int total = 0;
};
// Recounts the teacher's hours into its timetable record (a common lesson counted
// once) and returns them with the number of its lessons.
TeacherTotals CountTeacherTotals(School& school, int teacher);

}  // namespace kalvodrin
