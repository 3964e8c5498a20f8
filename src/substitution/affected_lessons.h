#pragma once
// The lesson hours that lose their teacher on a school day: for each absent teacher
// (the whole day or some hours), every placed hour of theirs that day, with the other
// teachers of a co-taught or common lesson, one of whom may keep the lesson alone.

#include <vector>

#include "core/school.h"

namespace kalvodrin {

struct Absence {
  int teacher = 0;
  std::vector<int> hours;  // 1..16; empty = the whole day
  bool operator==(const Absence&) const = default;
};

// Whether the teacher is away at the hour.
bool IsAbsent(const std::vector<Absence>& absences, int teacher, int hour);

struct AffectedLesson {
  int hour = 0;                     // 1..16
  int classNo = 0;                  // the class the absent teacher's timetable names
  int lesson = 0;                   // 0 when the class timetable holds none there
  std::vector<int> classes;         // classNo first, then its common lesson's members
  std::vector<int> absentTeachers;  // teachers of the lesson away at the hour
  std::vector<int> coTeachers;      // teachers of the lesson who are there
  // A teacher of the lesson is there and may keep it alone: no substitute is needed.
  bool keptByCoTeacher() const { return !coTeachers.empty(); }
  bool operator==(const AffectedLesson&) const = default;
};

// Requires: day 1..5. Every hour of the day at which an absent teacher has a lesson,
// once per lesson (two absent teachers of one lesson share it), by hour and then by
// class order. Absences of unknown teachers and hours outside 1..16 are ignored.
std::vector<AffectedLesson> AffectedLessons(const School& school, int day,
                                            const std::vector<Absence>& absences);

}  // namespace kalvodrin
