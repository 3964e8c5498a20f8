#pragma once
// Creating records: each operation appends a fully initialised record at the end of
// its collection (texts are cut to their field width) and leaves reindexing and
// ordering to the caller, who knows whether more records follow.
// Texts are cp1254. Returned references stay valid until the collection changes.

#include <cstdint>
#include <string_view>

#include "core/pattern.h"
#include "core/school.h"

namespace kalvodrin {

TLessonGroupRec& AddLessonGroup(School& school, int number, std::string_view name);
// The number of the first group whose name equals the text exactly, 0 if none.
int FindLessonGroup(const School& school, std::string_view name);

TLessonRec& AddLesson(School& school, int number, std::string_view name,
                      std::string_view shortName, int group, int weeklyHours,
                      const PatternBytes& pattern, int divisible);
TClassRec& AddClass(School& school, int number, std::string_view name,
                    std::string_view section);
TRoomRec& AddRoom(School& school, int number, std::string_view name);
TTeacherRec& AddTeacher(School& school, int number, std::string_view name,
                        std::string_view branch, std::string_view classTeacherOf,
                        std::string_view club);
TDutyPlaceRec& AddDutyPlace(School& school, int number, std::string_view name);

// 1 when the class does not take the lesson yet, else 0.
int ClassLessonFree(const School& school, int classNo, int lesson);
// Copies divisible, block count and pattern from the lesson (zeros when the lesson
// is unknown).
TClassLessonRec& AddClassLesson(School& school, int classNo, int lesson);

TCommonGroupRec& AddCommonGroup(School& school, int number);
// False, changing nothing, when the group is unknown or already has 15 members.
bool AddCommonMember(School& school, int group, int classNo, int lesson);

TDutyRec& AddDuty(School& school, int place, int day, int teacher);

// Appends the teacher lesson and attaches the teacher to the class lesson. False,
// changing nothing, when the class lesson is missing or already has 15 teachers.
bool AddTeacherLesson(School& school, int teacher, int classNo, int lesson);
// False, changing nothing, when the class lesson is missing or has 15 teachers.
bool AttachTeacher(School& school, int teacher, int classNo, int lesson);

TTeacherGridRec& NewTeacherGrid(School& school, int teacher);
TClassGridRec& NewClassGrid(School& school, int classNo);
TRoomGridRec& NewRoomGrid(School& school, int room);

// Records as the grid constructors make them, for callers that reset a grid.
TTeacherGridRec DefaultTeacherGrid(int teacher);
TClassGridRec DefaultClassGrid(int classNo);
TRoomGridRec DefaultRoomGrid(int room);

}  // namespace kalvodrin
