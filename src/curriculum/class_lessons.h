#pragma once
// The lessons a class takes ("SINIFLARDA OKUTULAN DERSLER"): the class's weekly
// capacity, giving it a lesson of the pool and taking a class lesson away.

#include "core/change.h"
#include "core/school.h"

namespace kalvodrin {

// Lesson hours the class's week holds: the hours of its day windows minus those
// closed and empty. 0 for a class without a timetable.
int ClassCapacity(const School& school, int classNo);

// The weekly hours of all the lessons the class takes.
int ClassWeeklyTotal(const School& school, int classNo);

// The class takes the lesson from now on: a new class lesson with the lesson's
// pattern, block count and divisibility, no teachers, classrooms or common group, at
// its place among the class's lessons in name order. Rewrites DUDIZIR2.LOF.
// kOverCapacity (number = capacity) when the class's week has no room for the
// lesson's hours; kUnchanged when the class takes it already; kNotFound for an
// unknown class or lesson.
Change GiveLessonToClass(School& school, int classNo, int lesson);

// The class lesson goes with everything resting on it: its teachers and their placed
// hours, its place in a common group (a group left with one member dissolves). The
// hour counts follow. Rewrites DUDIZIR2/3/6.LOF and the three timetable files.
// kNotFound when the class does not take the lesson.
Change RemoveClassLesson(School& school, int classNo, int lesson);

}  // namespace kalvodrin
