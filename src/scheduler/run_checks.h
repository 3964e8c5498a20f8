#pragma once
// What a whole-school run settles before it places anything: whether every class has
// room for its hours, and the order in which the teachers are worked on.

#include <optional>
#include <string>

#include "core/school.h"

namespace kalvodrin {

// Hours the class needs in its timetable: each of its class lessons that has a
// teacher, once. A lesson taught by two teachers is placed once, so it needs its
// hours once, however many teachers give it.
int ClassHoursNeeded(const School& school, int classNo);

struct ClassCheckFailure {
  int classNo = 0;
  std::string notice;  // UTF-8, the program's own text
};

// The first class, in list order, with fewer usable cells than the hours it needs;
// empty when every class has room.
std::optional<ClassCheckFailure> CheckClassRoom(const School& school);

// The teacher's place in the run order, compared as text, higher first: "1" for a
// teacher with both morning and afternoon hours, else "0", then the digits of
// 99 - slack, so the teachers with the least room come first.
std::string RunOrderKey(const TTeacherGridRec* grid);

// Puts Teachers into descending order of RunOrderKey, equal keys keeping their
// order, and rebuilds the index.
void SortTeachersForRun(School& school);

}  // namespace kalvodrin
