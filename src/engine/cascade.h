#pragma once
// Deleting master data, assignments and common groups together with everything that
// refers to them, placed hours included, so that no list, index or timetable keeps a
// dangling number. Each operation reindexes what it changed and returns the data
// files it changed; the caller saves them.

#include "core/data_files.h"
#include "core/school.h"

namespace kalvodrin {

// Lessons of the group get group 0; the group goes.
FileSet DeleteLessonGroup(School& school, int group);

// The room leaves every class lesson's room list (every member of a common lesson);
// its timetable and record go; the rooms are renumbered 1..n.
FileSet DeleteRoom(School& school, int room);

// The room leaves the class lesson's list, or every member's in a common lesson; its
// cells holding the lesson are freed while the class and teachers keep it.
FileSet TakeRoomOutOfClassLesson(School& school, int classNo, int lesson, int room);

// Every class lesson of the group gets common group 0; the group goes. Hours the
// members had placed together are removed first.
FileSet DeleteCommonGroup(School& school, int group);

// The member leaves its group (the last member moves into its slot) and the class
// lesson's common group becomes 0. Hours it had placed together with the other
// members are removed first.
FileSet TakeOutOfCommonGroup(School& school, int classNo, int lesson);

// Every group with fewer than 2 members: a single member is taken out, then the group
// is deleted.
FileSet PurgeCommonGroups(School& school);

// For the class lesson, or every member of its common group: every hour where the
// teacher teaches that class that lesson is removed, the teacher lesson is deleted
// and the teacher leaves the class lesson's list.
FileSet UnassignTeacher(School& school, int teacher, int classNo, int lesson);

// Unassigns each of its teachers (in list order), removes what is still placed of it,
// takes it out of its common group, purges the groups and removes the record.
FileSet DeleteClassLesson(School& school, int classNo, int lesson);

// Unassigns the teacher from every class lesson that lists it and deletes its duties;
// the record and its timetable go; the teachers are renumbered 1..n.
FileSet DeleteTeacher(School& school, int teacher);

// Deletes each class lesson of the class, first found first; the record and its
// timetable go; the classes are renumbered 1..n.
FileSet DeleteClass(School& school, int classNo);

// Deletes each class lesson of the lesson, first found first; the record goes.
FileSet DeleteLesson(School& school, int lesson);

// Lowers the place's counter of the day and removes the first matching duty.
FileSet DeleteDuty(School& school, int place, int day, int teacher);

// Deletes the place's duties one by one, then the place; places renumbered 1..n.
FileSet DeleteDutyPlace(School& school, int place);

// Deletes the duties of every duty place.
FileSet DeleteAllDuties(School& school);

}  // namespace kalvodrin
