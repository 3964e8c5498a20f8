#pragma once
// What the completion search keeps low once the hard rules hold, what each thing
// costs, and a measurement of those costs over the whole timetable that reads only the
// school's planes (it shares nothing with the search's own bookkeeping, so each can
// check the other).

#include <algorithm>
#include <array>
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
  // free day between them (a rule of the school: see `daysApart` below).
  int daysApart = 1000;
  // An hour at which a lesson of two blocks stands on both of its days, when its first
  // teacher asks for different hours (a rule of the school).
  int sameHours = 1000;
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
  // A teacher's day with a single lesson hour: the teacher comes in for one hour.
  int singleHourDay = 8;
  // An hour over a teacher's gap limits (weekly gap hours, longest gap).
  int gapBreach = 1000;
  // An hour (or block) of a lesson over what the same-lesson rule allows on a day.
  int sameLessonBreach = 1000;
};
// Lowering the soft costs: a move that bends one of the school's rules further never
// pays for itself, and one that mends a bent rule always does.
inline constexpr SoftWeights kSoftWeights{};
// Placing with the school's rules kept as limits: a free place that would bend one
// costs more than any place that takes blocks out.
inline constexpr SoftWeights kKeepRulesWeights{.daysApart = 2'000'000,
                                               .sameHours = 2'000'000,
                                               .gapBreach = 2'000'000,
                                               .sameLessonBreach = 2'000'000};
// Placing when no timetable keeping every rule was found: a lesson's bent rule costs
// more than every soft cost together but less than sending blocks back to wait, so that
// every hour gets in with as few bends as the chains find; the gaps weigh as any other
// soft cost.
inline constexpr SoftWeights kBendRulesWeights{
    .daysApart = 200'000, .sameHours = 200'000, .gapBreach = 0, .sameLessonBreach = 200'000};
// The last resort, long, when bending as few rules as the chains find still left hours
// waiting: the rules weigh as any other soft cost, so that every hour gets in.
inline constexpr SoftWeights kLastResortWeights{
    .daysApart = 4, .sameHours = 2, .gapBreach = 0, .sameLessonBreach = 0};

// Settling teachers' lone hours once every hour is placed, where no teacher whose gaps
// keep the limits may go over them: a teacher who comes in for one lesson loses more
// than one who waits between lessons, so a day of a single hour is worth up to four gap
// hours, over the limits of a teacher already over them or not.
inline constexpr SoftWeights kSettleWeights{.singleHourDay = 13, .gapBreach = 0};

struct SoftCosts {
  int gapHours = 0;
  int sameLessonDays = 0;
  int daysApart = 0;
  int sameHours = 0;
  int teacherTwoLessons = 0;
  int lessonGroups = 0;
  int annexMoves = 0;
  int movedHours = 0;
  int singleHourDays = 0;
  // Over the school's limits: gap hours beyond a teacher's weekly (or daily) allowance
  // plus hours of gaps beyond the longest allowed; blocks or hours of a lesson beyond
  // what one day may hold. (daysApart and sameHours count only where the rule is set,
  // so they are over a limit too.)
  int gapBreaches = 0;
  int sameLessonBreaches = 0;

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
// teacher's prepared settings say. The same lesson on one day: a lesson of up to 7
// weekly hours (6 with the settings' three-a-day allowance) gets one block a day;
// a longer one at most `mostHoursADay` hours.
struct LessonRuleSwitches {
  bool daysApart = false;
  bool differentHours = false;
  bool oneBlockADay = true;
  int mostHoursADay = 0;
};
LessonRuleSwitches RuleSwitchesOf(const School& school, int classNo, int lesson);

// A teacher's gap limits as the prepared settings make them: none when the teacher's
// timetable may have gaps freely; else at most `weekGaps` gap hours in the week (in
// each day with the per-day setting) and none longer than `longestGap`.
struct GapLimits {
  bool kept = false;
  int weekGaps = 0;
  int longestGap = 0;
  bool perDay = false;
};
GapLimits GapLimitsOf(const School& school, const TTeacherGridRec& teacher);

// Adds up a teacher's gaps over the week and tells the hours over the limits.
class GapTally {
 public:
  explicit GapTally(const GapLimits& limits) : limits_(limits) {}
  // Every gap of the day: the empty, open hours between two lessons (closed hours in
  // between neither count nor end the gap). `occupied(hour)` and `open(hour)` read the
  // teacher's day.
  template <typename Occupied, typename Open>
  void AddDay(int day, Occupied occupied, Open open) {
    int run = 0;
    bool seenLesson = false;
    for (int h = 1; h <= kHoursPerDay; ++h) {
      if (occupied(h)) {
        if (seenLesson && run > 0) Gap(day, run);
        seenLesson = true;
        run = 0;
      } else if (open(h)) {
        ++run;
      }
    }
  }
  void Gap(int day, int hours) {
    perDay_[static_cast<std::size_t>(day)] += hours;
    if (hours > limits_.longestGap) tooLong_ += hours - limits_.longestGap;
  }
  // A day counted before: its gap hours and the hours of its gaps over the longest.
  void AddCounted(int day, int hours, int tooLong) {
    perDay_[static_cast<std::size_t>(day)] += hours;
    tooLong_ += tooLong;
  }
  int HoursOn(int day) const { return perDay_[static_cast<std::size_t>(day)]; }
  int TooLong() const { return tooLong_; }
  int BreachHours() const {
    if (!limits_.kept) return 0;
    int over = 0;
    int week = 0;
    for (int d = 1; d <= kDays; ++d) {
      const int n = perDay_[static_cast<std::size_t>(d)];
      week += n;
      if (limits_.perDay && n > limits_.weekGaps) over += n - limits_.weekGaps;
    }
    if (!limits_.perDay && week > limits_.weekGaps) over = week - limits_.weekGaps;
    // Taking out the hours of a too-long gap lowers the week's count too: the larger
    // of the two is the least that keeps both limits.
    return std::max(over, tooLong_);
  }

 private:
  GapLimits limits_;
  std::array<int, kDays + 1> perDay_{};
  int tooLong_ = 0;
};

// Blocks or hours of a lesson on one day over what the same-lesson rule allows.
// The searches ask this for every day of every place they weigh.
inline int SameLessonBreach(const LessonRuleSwitches& rules, int blocks, int hours) {
  if (rules.oneBlockADay) return std::max(0, blocks - 1);
  return std::max(0, hours - rules.mostHoursADay);
}

// The soft costs of the timetable as it stands; moved hours are those of `before` that
// no longer stand where they stood.
SoftCosts MeasureSoftCosts(const School& school, const std::vector<PlacedBlockRec>& before);

}  // namespace kalvodrin
