#pragma once
// Keeping collections in their orders: lessons by Turkish name, classes, classrooms,
// teachers and duty places by their order byte, a class's lessons by name and a
// teacher's lessons by weekly hours, name and class.

#include "core/school.h"

namespace kalvodrin {

// Stable: records with equal keys keep their relative position. Each reindexes.
void SortLessons(School& school);
void SortClasses(School& school);
void SortRooms(School& school);
void SortTeachers(School& school);
void SortDutyPlaces(School& school);

// Moves the just-appended class lesson (class, lesson) to its alphabetical place
// among the class's lessons, the others moving one place towards the end.
void PlaceClassLesson(School& school, int classNo, int lesson);

// Moves the just-appended teacher lesson to its place among the teacher's entries:
// weekly hours descending, then lesson name, then class order.
void PlaceTeacherLesson(School& school, int teacher, int classNo, int lesson);

}  // namespace kalvodrin
