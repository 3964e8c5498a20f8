#pragma once
// The delete commands of the master-data windows. Each runs the engine's cascade
// (class lessons, teacher assignments, placed hours, room lists and common groups go
// with the record), brings the hour counts of classes, classrooms and teachers up to
// date and returns every file the window rewrites. kNotFound for an unknown number.

#include "core/change.h"
#include "core/school.h"

namespace kalvodrin {

// Its lessons keep their place with no group. KUME.LOF, DERSLER.LOF.
Change DeleteLessonGroupFromList(School& school, int group);

// Every class lesson made from the lesson goes. A guidance lesson that is deleted is
// no longer the guidance lesson: a later lesson given the freed number must not
// inherit the fixed slot (DUDIZIRQ.LOF is then rewritten too).
// DERSLER.LOF, DUDIZIR2/3/6.LOF and the three timetable files.
Change DeleteLessonFromPool(School& school, int lesson);

// The class's lessons and timetable go; the others are renumbered 1..n.
// SINIFLAR.LOF, DUDIZIR2/3/6.LOF and the three timetable files.
Change DeleteClassFromList(School& school, int classNo);

// The room leaves every class lesson's room list (all members of a common lesson);
// its timetable goes; the others are renumbered. DERSHANE.LOF, DUDIZIR2.LOF,
// DUDIZIRY.LOF.
Change DeleteRoomFromList(School& school, int room);

// The teacher leaves every class lesson (all members of a common lesson) with the
// placed hours; the teacher's duties and timetable go; the others are renumbered.
// OGRETMEN.LOF, DUDIZIR2/6.LOF, the three timetable files and the duty files.
Change DeleteTeacherFromList(School& school, int teacher);

}  // namespace kalvodrin
