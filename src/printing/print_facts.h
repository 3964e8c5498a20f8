#pragma once
// What the printouts derive from the school before they draw: how many hour columns
// a grid has, how a class is named in a cell, where a school day splits into its
// morning and afternoon halves, and the texts a cell or a header shows. Texts are
// cp1254 unless the name says UTF-8.

#include <string>
#include <string_view>
#include <vector>

#include "core/field_text.h"  // DayAbbrevs
#include "core/pick_rows.h"   // LessonWeeklyHours
#include "core/school.h"

namespace kalvodrin {

// The largest last hour of any day of any class, 1..16: the hour columns of a grid.
int NHours(const School& school);
// The longest daily span of any class, at least 2 and at most 16.
int NHalf(const School& school);
// The first hour after the earliest end of day d (1..5) over all classes, at most 16.
int Boundary(const School& school, int day);
// Where the afternoon line of the split sheets starts on day d: the boundary, or the
// earliest first hour of an afternoon class when that comes sooner, so that hours an
// afternoon shift shares with a long morning are not left off the sheet.
int AfternoonStart(const School& school, int day);

// A class whose first hour on Monday is below 4 (or that has no timetable).
bool IsMorningClass(const School& school, int classNo);
bool AnyClassHasSection(const School& school);

// The class's name, a blank and its section; just the name when it has none.
std::string ShortClass(const School& school, int classNo);
std::string ClassName(const School& school, int classNo);
std::string ClassSection(const School& school, int classNo);
std::string LessonName(const School& school, int lesson);
std::string LessonShortName(const School& school, int lesson);
std::string TeacherName(const School& school, int teacher);
std::string RoomName(const School& school, int room);

// The lesson class K has at a cell (1..80), 0 when none.
int ClassLessonNoAt(const School& school, int classNo, int cell);
// The class lesson class K has at a cell, nullptr when none.
const TClassLessonRec* ClassLessonAtCell(const School& school, int classNo, int cell);
// The order number (display position) of the first teacher of a class lesson as
// text, "" when it has none.
std::string FirstTeacherOrder(const School& school, const TClassLessonRec* cl);
// The name of the first classroom listed for a class lesson, "" when none.
std::string FirstRoomName(const School& school, const TClassLessonRec* cl);

// One duty of a teacher as the printouts show it: the day's abbreviation ("PZT.",
// UTF-8) and the place's name as stored (cp1254).
struct TeacherDuty {
  std::string_view day;
  std::string_view place;
};
// The teacher's duties in collection order; duties at places that no longer exist or
// on no day 1..7 are skipped. The views live as long as the school's records.
std::vector<TeacherDuty> TeacherDuties(const School& school, int teacher);

// The teacher's duties, "PZT. BAHÇE, ÇAR. ZEMİN KAT" (UTF-8).
std::string DutyText(const School& school, int teacher);

}  // namespace kalvodrin
