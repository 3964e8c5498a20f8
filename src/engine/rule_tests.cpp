#include "engine/rule_tests.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "core/cells.h"
#include "engine/cell_masks.h"
#include "engine/cell_writes.h"
#include "engine/teacher_preparation.h"

namespace kalvodrin {
namespace {

using cells::At;

std::size_t DayIndex(int day) { return static_cast<std::size_t>(day - 1); }
uint8_t CellOf(const Plane& p, int day, int hour) { return p[At(CellIndex(day, hour))]; }
int EndHour(const Block& b) { return b.startHour + b.length - 1; }

const TTeacherGridRec* FirstTeacher(const School& school, const Block& b) {
  return b.teacherCount >= 1 ? school.TeacherGridByNo(b.teachers[0]) : nullptr;
}

const TClassGridRec* FirstClass(const School& school, const Block& b) {
  return b.classCount >= 1 ? school.ClassGridByNo(b.classes[0]) : nullptr;
}

// A rule the block's first teacher switches on for lessons taught in two blocks; a
// strict test applies it always.
bool TwoBlockRuleApplies(const School& school, const Block& b, const RuleParams& params,
                         uint8_t TeacherRules::*rule) {
  if (params.strict) return true;
  const TTeacherGridRec* t = FirstTeacher(school, b);
  return t != nullptr && t->effective.*rule == 1 && b.patternBlocks == 2;
}

// Runs `test` on every teacher of the block; a teacher without a timetable fails.
template <typename Test>
bool EachTeacher(const School& school, const Block& b, Test test) {
  const int n = std::clamp(b.teacherCount, 0, kMaxListed);
  for (int k = 0; k < n; ++k) {
    const TTeacherGridRec* t =
        school.TeacherGridByNo(b.teachers[static_cast<std::size_t>(k)]);
    if (t == nullptr || !test(*t)) return false;
  }
  return true;
}

int HoursOfLesson(const TClassGridRec& g, int day, int lesson) {
  int n = 0;
  for (int h = 1; h <= kHoursPerDay; ++h)
    if (CellOf(g.occupant, day, h) == lesson) ++n;
  return n;
}

// How many hours the teacher may have on the block's day.
int DailyAllowance(const TTeacherGridRec& t, int length) {
  const int most = t.effective.maxHoursPerDay;
  if (most <= length) return length;
  if (t.evenSpread == 0) return most;
  int fullDays = 0;
  int excess = 0;
  for (std::size_t d = 0; d < kDays; ++d) {
    const int placed = t.placedPerDay[d];
    if (placed >= 2 || t.usablePerDay[d] == 0) ++fullDays;
    if (placed > t.evenTarget) excess += placed - t.evenTarget;
  }
  if (fullDays == kDays) return std::min(most, t.evenCeiling + t.evenExtraCeiling);
  if (excess + length - 1 >= t.evenExcessThreshold) return t.evenTarget;
  return std::min(most, static_cast<int>(t.evenCeiling));
}

// Walking from `from` towards `to` (inclusive) in steps of `step`: in walking order, a
// lesson of the other building followed by one of the block's building.
bool GoesBackAndForth(const School& school, const TTeacherGridRec& t, const Block& b,
                      int from, int to, int step) {
  bool seenOther = false;
  for (int h = from; step > 0 ? h <= to : h >= to; h += step) {
    const int c = CellOf(t.occupant, b.day, h);
    if (c == 0) continue;
    if (school.Annex.inAnnex(c) != b.annex)
      seenOther = true;
    else if (seenOther)
      return true;
  }
  return false;
}

bool OtherBuildingWithin(const School& school, const TTeacherGridRec& t, const Block& b,
                         int from, int to) {
  for (int h = from; h <= to; ++h) {
    const int c = CellOf(t.occupant, b.day, h);
    if (c != 0 && school.Annex.inAnnex(c) != b.annex) return true;
  }
  return false;
}

bool AnnexFits(const School& school, const TTeacherGridRec& t, const Block& b) {
  const int before = b.startHour - 1;
  const int after = EndHour(b) + 1;
  if (before >= 1 && OtherBuildingWithin(school, t, b, before, before)) return false;
  if (after <= kHoursPerDay && OtherBuildingWithin(school, t, b, after, after))
    return false;
  if (b.startHour >= 3 && GoesBackAndForth(school, t, b, before, 1, -1)) return false;
  if (b.startHour < 14 - b.length &&
      GoesBackAndForth(school, t, b, after, kHoursPerDay, +1))
    return false;
  return !(OtherBuildingWithin(school, t, b, 1, before) &&
           OtherBuildingWithin(school, t, b, after, kHoursPerDay));
}

// Empty, open hours between the first and the last lesson of the day. The allowed gap
// counts them over the whole week for every block tried, so the day is read as bits.
int GapsOfDay(const TTeacherGridRec& t, int day) {
  static_assert(kHoursPerDay == 16);
  const unsigned busy = DayBits(t.occupant, day);
  if (busy == 0) return 0;
  const int first = std::countr_zero(busy);      // hour first + 1 holds the first lesson
  const int last = 31 - std::countl_zero(busy);  // and hour last + 1 the last one
  const unsigned between = ((1u << last) - 1) & ~((2u << first) - 1);
  return std::popcount(DayBits(t.open, day) & ~busy & between);
}

constexpr int kNoLesson = -1;

// Walks from `from` to `to` counting empty open hours (closed ones are passed over)
// until a lesson: the count then, or kNoLesson when none is reached.
int HoursToLesson(const TTeacherGridRec& t, int day, int from, int to, int step) {
  int count = 0;
  for (int h = from; step > 0 ? h <= to : h >= to; h += step) {
    if (CellOf(t.occupant, day, h) != 0) return count;
    if (CellOf(t.open, day, h) != 0) ++count;
  }
  return kNoLesson;
}

bool GapFits(const School& school, const TTeacherGridRec& t, const Block& b,
             bool strict) {
  if (t.effective.gapsAllowed == 1 || t.placedPerDay[DayIndex(b.day)] == 0) return true;
  const int windowFirst = std::max<int>(t.firstUsable[DayIndex(b.day)], 1);
  const int windowLast = std::min<int>(t.lastUsable[DayIndex(b.day)], kHoursPerDay);
  if (EndHour(b) > windowLast) return false;
  const int before = HoursToLesson(t, b.day, b.startHour - 1, windowFirst, -1);
  const int after = HoursToLesson(t, b.day, EndHour(b) + 1, windowLast, +1);
  if (before == 0 || after == 0) return true;  // next to a lesson: no gap at all
  // The allowed gap costs a look at the whole week, so it is asked only now.
  const int allowed = AllowedGap(school, t, b.day, strict);
  return (before != kNoLesson && before <= allowed) ||
         (after != kNoLesson && after <= allowed);
}

struct Piece {
  int first = 0;
  int last = 0;
};

// The latest run of the lesson on the day; first == 0 when there is none.
Piece LastPiece(const TClassGridRec& g, int day, int lesson) {
  Piece p;
  int h = kHoursPerDay;
  while (h >= 1 && CellOf(g.occupant, day, h) != lesson) --h;
  if (h < 1) return p;
  p.last = h;
  while (h >= 1 && CellOf(g.occupant, day, h) == lesson) --h;
  p.first = h + 1;
  return p;
}

// A further block of a lesson of more than 7 weekly hours on a day that has some.
bool JoinsLastPiece(const School& school, const TClassGridRec& g, const Block& b, int j) {
  const TTeacherGridRec* t = FirstTeacher(school, b);
  const int perBlock = RoundHalfEven(b.weeklyHours, std::max(b.lessonBlocks, 1));
  if (j + b.length > perBlock + (t != nullptr ? t->sameDayAllowance : 0)) return false;
  const Piece p = LastPiece(g, b.day, b.lesson);
  if (EndHour(b) + 1 == p.first || p.last + 1 == b.startHour) return true;
  const int between =
      p.first > EndHour(b) ? p.first - EndHour(b) - 1 : b.startHour - p.last - 1;
  return b.weeklyHours > 10 && b.length == 2 && p.last - p.first + 1 == 2 && between > 1;
}

bool DayHoldsLesson(const TClassGridRec& g, int day, int lesson) {
  return HoursOfLesson(g, day, lesson) > 0;
}

// Whether any class is in the annex; the rule is skipped for a school with one
// building, so this is asked for every block tried.
bool AnyAnnex(const AnnexFlags& annex) {
  static constexpr std::array<uint8_t, kAnnexClasses> kNone{};
  return std::memcmp(annex.bytes.data(), kNone.data(), kAnnexClasses) != 0;
}

}  // namespace

int AllowedGap(const School& school, const TTeacherGridRec& t, int day, bool strict) {
  const int weekly = t.effective.maxGapsPerWeek;
  if (strict || weekly == 0) return 0;
  const bool dayOnly = school.Settings.gapLimitPerDay == 1;
  int gaps = 0;
  for (int d = 1; d <= kDays; ++d) {
    if (dayOnly && d != day) continue;
    const int first = t.firstUsable[DayIndex(d)];
    const int window = first != 0 ? t.lastUsable[DayIndex(d)] - first + 1 : 0;
    if (t.placedPerDay[DayIndex(d)] != window) gaps += GapsOfDay(t, d);
  }
  if (gaps >= weekly) return 0;
  return std::min<int>(t.effective.maxGapBetweenLessons, weekly - gaps);
}

bool DailyMaximumRule(const School& school, const Block& b, const RuleParams&) {
  if (!BlockFitsDay(b)) return false;
  return EachTeacher(school, b, [&](const TTeacherGridRec& t) {
    return DailyAllowance(t, b.length) >= t.placedPerDay[DayIndex(b.day)] + b.length;
  });
}

bool AnnexRule(const School& school, const Block& b, const RuleParams&) {
  if (!BlockFitsDay(b)) return false;
  if (!AnyAnnex(school.Annex)) return true;
  return EachTeacher(school, b,
                     [&](const TTeacherGridRec& t) { return AnnexFits(school, t, b); });
}

bool GapRule(const School& school, const Block& b, const RuleParams& params) {
  if (!BlockFitsDay(b)) return false;
  return EachTeacher(school, b, [&](const TTeacherGridRec& t) {
    return GapFits(school, t, b, params.strict);
  });
}

bool SameLessonRule(const School& school, const Block& b, const RuleParams&) {
  const TClassGridRec* g = FirstClass(school, b);
  if (!BlockFitsDay(b) || g == nullptr) return false;
  const TSettingsRec& s = school.Settings;
  const int j = HoursOfLesson(*g, b.day, b.lesson);
  const int w = b.weeklyHours;
  if (j == 1 && b.length == 1 && s.mergeOnePlusOne == 1 &&
      ((b.startHour > 1 && CellOf(g->occupant, b.day, b.startHour - 1) == b.lesson) ||
       (b.startHour < kHoursPerDay &&
        CellOf(g->occupant, b.day, b.startHour + 1) == b.lesson)))
    return true;
  if (s.moreThanTwoPerDay == 1 && w > 6 && b.length + j < 4) return true;
  // A single hour of a lesson with 10 or more weekly hours does not open a day.
  if (j == 0) return b.length >= 2 || w < 10;
  if (w <= 7) return false;
  return JoinsLastPiece(school, *g, b, j);
}

bool DaysApartRule(const School& school, const Block& b, const RuleParams& params) {
  const TClassGridRec* g = FirstClass(school, b);
  if (!BlockFitsDay(b) || g == nullptr) return false;
  if (!TwoBlockRuleApplies(school, b, params, &TeacherRules::dayBetweenDays)) return true;
  if (b.day > 1 && DayHoldsLesson(*g, b.day - 1, b.lesson)) return false;
  return !(b.day < kDays && DayHoldsLesson(*g, b.day + 1, b.lesson));
}

bool DifferentHoursRule(const School& school, const Block& b, const RuleParams& params) {
  const TClassGridRec* g = FirstClass(school, b);
  if (!BlockFitsDay(b) || g == nullptr) return false;
  if (!TwoBlockRuleApplies(school, b, params, &TeacherRules::differentHours)) return true;
  for (int d = 1; d <= kDays; ++d)
    for (int h = b.startHour; h <= EndHour(b); ++h)
      if (CellOf(g->occupant, d, h) == b.lesson) return false;
  return true;
}

bool OneTeacherTwoLessonsRule(const School& school, const Block& b,
                              const RuleParams& params) {
  const TClassGridRec* g = FirstClass(school, b);
  if (!BlockFitsDay(b) || g == nullptr) return false;
  const TTeacherGridRec* t = FirstTeacher(school, b);
  if (t == nullptr) return true;
  if (!params.strict && t->effective.sameClassDifferentDays != 1) return true;
  int count = 0;
  for (int h = 1; h <= kHoursPerDay; ++h)
    if (CellOf(t->occupant, b.day, h) == b.classes[0] &&
        CellOf(g->occupant, b.day, h) != b.lesson)
      ++count;
  return count == 0 || count + b.length < 3;
}

bool LessonGroupRule(const School& school, const Block& b, const RuleParams& params) {
  const TClassGridRec* g = FirstClass(school, b);
  if (!BlockFitsDay(b) || g == nullptr) return false;
  const TTeacherGridRec* t = FirstTeacher(school, b);
  if (t == nullptr || t->effective.groupDifferentDays != 1 || b.lessonGroup == 0 ||
      b.length >= 3)
    return true;
  int count = 0;
  for (int h = 1; h <= kHoursPerDay; ++h) {
    const int lesson = CellOf(g->occupant, b.day, h);
    if (lesson == 0) continue;
    const TLessonRec* l = school.LessonByNo(lesson);
    if (l != nullptr && l->group == b.lessonGroup) ++count;
  }
  return count + b.length <= 2 + params.relaxPasses;
}

bool AllRulesPass(const School& school, const Block& b, const RuleParams& params) {
  return SameLessonRule(school, b, params) && DailyMaximumRule(school, b, params) &&
         AnnexRule(school, b, params) && GapRule(school, b, params) &&
         DaysApartRule(school, b, params) && DifferentHoursRule(school, b, params) &&
         OneTeacherTwoLessonsRule(school, b, params) &&
         LessonGroupRule(school, b, params);
}

}  // namespace kalvodrin
