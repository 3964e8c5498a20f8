#pragma once
// What the completion search keeps low once the hard rules hold, what each thing
// costs, and a measurement of those costs over the whole timetable that reads only the
// school's planes (it shares nothing with the search's own bookkeeping, so each can
// check the other).

#include <cstdint>
#include <vector>

#include "core/school.h"

namespace kalvodrin {

// The weights of the soft costs: the only place they are set. An unplaced hour always
// outweighs every soft cost together; among equally complete timetables the lower
// weighted sum wins.
struct SoftWeights {
  // An empty, open hour between two lessons of a teacher's day.
  int gapHour = 3;
  // Each block of a lesson beyond the first on one day of the class.
  int sameLessonDay = 8;
  // A lesson of two blocks on two days in a row, when its first teacher asks for a
  // free day between them.
  int daysApart = 4;
  // An hour at which a lesson of two blocks stands on both of its days, when its first
  // teacher asks for different hours.
  int sameHours = 2;
  // Each further lesson a teacher gives one class on one day, when the teacher asks for
  // different days.
  int teacherTwoLessons = 3;
  // Each further lesson of one lesson group on one day of a class, when the settings
  // ask for different days.
  int lessonGroup = 4;
  // A teacher changing building between two lessons of a day.
  int annexMove = 6;
  // An hour of a block that stood somewhere else (or nowhere) before the completion:
  // the timetable the user or the classic run made is kept where it can be.
  int movedHour = 4;
};
inline constexpr SoftWeights kSoftWeights{};

struct SoftCosts {
  int gapHours = 0;
  int sameLessonDays = 0;
  int daysApart = 0;
  int sameHours = 0;
  int teacherTwoLessons = 0;
  int lessonGroups = 0;
  int annexMoves = 0;
  int movedHours = 0;

  long Weighted(const SoftWeights& w = kSoftWeights) const;
  bool operator==(const SoftCosts&) const = default;
};

// A block as a class holds it; a common lesson is listed once, under its lead class.
struct PlacedBlockRec {
  uint8_t classNo = 0;
  uint8_t lesson = 0;
  uint8_t start = 0;
  uint8_t length = 0;
};

// The class under which a common lesson is kept once: the first member of its common
// group that takes the lesson; the class itself for a lesson of one class.
int LeadClass(const School& school, int classNo, int lesson);

// Every block of every class timetable, a common lesson once, in class list order.
std::vector<PlacedBlockRec> ListPlacedBlocks(const School& school);

// Which of the optional rules a class lesson is held to: the free day between its days
// and the different hours apply to lessons of exactly two blocks, as the first
// teacher's prepared settings say.
struct LessonRuleSwitches {
  bool daysApart = false;
  bool differentHours = false;
};
LessonRuleSwitches RuleSwitchesOf(const School& school, int classNo, int lesson);

// The soft costs of the timetable as it stands; moved hours are those of `before` that
// no longer stand where they stood.
SoftCosts MeasureSoftCosts(const School& school, const std::vector<PlacedBlockRec>& before);

}  // namespace kalvodrin
