#pragma once
// The teacher and classroom lists inside a class lesson and the member list of a
// common group: at most 15 entries each, compacted by moving the last entry into a
// freed slot.

#include "core/school.h"

namespace kalvodrin {

// Appends the room to the class lesson's rooms. False, changing nothing, when the class
// lesson is missing, already lists the room, or has 15 rooms.
bool AttachRoom(School& school, int room, int classNo, int lesson);

// Takes the number out of the list: the last entry moves into its slot and the count
// drops by one. False when the list does not hold it.
bool DetachTeacher(TClassLessonRec& classLesson, int teacher);
bool DetachRoom(TClassLessonRec& classLesson, int room);

// Takes member (classNo, lesson) out of the group the same way. False when absent.
bool DetachMember(TCommonGroupRec& group, int classNo, int lesson);

}  // namespace kalvodrin
