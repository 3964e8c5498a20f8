#pragma once
// Common lessons ("ORTAK DERSLER"): one lesson several classes take together, in the
// same hours, with the same teachers and classrooms. Groups are built member by
// member before any member has teachers or classrooms.

#include "core/change.h"
#include "core/school.h"

namespace kalvodrin {

// A new empty group with the lowest free number. While a group with fewer than two
// members exists none is made: kOpenGroup names that group so the window selects it.
// Rewrites DUDIZIR3.LOF; kFull when 255 groups exist.
Change NewCommonGroup(School& school);

// Adds class lesson (classNo, lesson) to the group. The checks run in a fixed order
// and the first that fails is the outcome (number = the group for kInGroup):
//   kInGroup, kHasTeachers, kGroupHasTeachers, kSameClass, kOtherHours, kHasRooms,
//   kOtherLesson; then kListFull at 15 members.
// Rewrites DUDIZIR2.LOF and DUDIZIR3.LOF. kNotFound for an unknown group or class
// lesson.
Change AddToCommonGroup(School& school, int group, int classNo, int lesson);

// The class lesson leaves its group (the last member moves into its slot); hours it
// had placed together with the others are removed, and the hour counts of a lesson
// with teachers are recounted. Rewrites DUDIZIR2.LOF and DUDIZIR3.LOF (and the
// timetables when hours were removed or counts changed). kNotFound when the class
// lesson is in no group.
Change RemoveFromCommonGroup(School& school, int classNo, int lesson);

// On closing the window: every group with fewer than two members is dissolved.
// Rewrites DUDIZIR2.LOF and DUDIZIR3.LOF; kUnchanged when every group has two.
Change DissolveSmallGroups(School& school);

}  // namespace kalvodrin
