#pragma once
// What the completion search works on: every block of the school as a unit that is
// placed or waiting, with the start cells its fixed rules allow, and a mirror of who
// holds which cell so that a place can be judged without walking the timetables.
// The mirror follows the school: the search changes both together, the school only
// through the engine's place and remove.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/cells.h"
#include "core/school.h"
#include "engine/block.h"
#include "scheduler/completion/soft_costs.h"

namespace kalvodrin {

// One block of one lesson of one class; a common lesson once, under its lead class.
struct CompletionUnit {
  Block block;          // participants and length; the place while placed
  int lessonIndex = 0;  // into CompletionModel::lessons
  int start = 0;        // start cell, 0 = waiting
  // Never moved: its cells are closed for a participant (a locked block or the
  // guidance hour), or it stands where its own rules would not put it (by hand).
  bool fixed = false;
  // A guidance hour with its fixed cell: placed first, never taken out again.
  bool guidance = false;
  int weight = 0;               // hours it counts for in the school's totals: length x teachers
  std::vector<uint8_t> domain;  // start cells the fixed rules allow, ascending
  // The same as bits, day by day (bit h for a start at hour h).
  std::array<uint32_t, kDays + 1> domainHours{};
};

// One class lesson (a common lesson once) and its units.
struct CompletionLesson {
  int classNo = 0;  // the lead class
  int lesson = 0;
  int group = 0;  // the lesson's lesson group, 0 = none
  LessonRuleSwitches rules;
  std::vector<int> units;
  std::vector<std::pair<int, int>> originals;  // start and length before the search
  // How far the same-lesson rule must bend (summed over the days) because the places
  // of the lesson's blocks cover too few days to keep it: a teacher open on two days
  // gives a lesson of four single hours at least two second hours on a day.
  int forcedBreach = 0;
};

// A cell that some block holds which no unit stands for (it cannot be resolved to a
// class lesson); nothing may be placed over it.
inline constexpr int kForeignBlock = -2;
inline constexpr int kFreeCell = -1;

class CompletionModel {
 public:
  // Requires: the school's timetables are consistent and its teachers prepared.
  explicit CompletionModel(const School& school);

  std::vector<CompletionUnit> units;
  std::vector<CompletionLesson> lessons;

  // The unit holding the owner's cell: kFreeCell, kForeignBlock or a unit index.
  int TeacherAt(int teacher, int cell) const { return teacherAt_[Slot(teacher, cell)]; }
  int ClassAt(int classNo, int cell) const { return classAt_[Slot(classNo, cell)]; }
  int RoomAt(int room, int cell) const { return roomAt_[Slot(room, cell)]; }
  bool TeacherOpen(int teacher, int cell) const { return teacherOpen_[Slot(teacher, cell)]; }
  // Hours the teacher has on the day, and the most it may have: the prepared daily
  // maximum, raised where the teacher's days could not hold the weekly hours.
  int Load(int teacher, int day) const { return load_[DaySlot(teacher, day)]; }
  int MaxPerDay(int teacher) const { return maxPerDay_[static_cast<std::size_t>(teacher)]; }
  // The daily maximum the school's settings give the teacher, 0 for none.
  int PreparedMaxPerDay(int teacher) const {
    return preparedMax_[static_cast<std::size_t>(teacher)];
  }
  // Whether the teacher's days hold the weekly hours only when each is filled to that
  // maximum, where the cells the teacher could use would hold more: a day over it leaves
  // another short.
  bool DaysExactlyFull(int teacher) const {
    return exactlyFull_[static_cast<std::size_t>(teacher)];
  }
  // Hours of the teacher's blocks still waiting that have somewhere to go.
  int WaitingHours(int teacher) const { return waitingHours_[static_cast<std::size_t>(teacher)]; }
  bool InAnnex(int classNo) const { return annex_[static_cast<std::size_t>(classNo)]; }
  bool AnyAnnex() const { return anyAnnex_; }
  bool GroupRule() const { return groupRule_; }
  bool TeacherTwoLessonsRule(int teacher) const {
    return twoLessons_[static_cast<std::size_t>(teacher)];
  }
  int GroupOf(int lesson) const { return lessonGroup_[static_cast<std::size_t>(lesson)]; }
  const GapLimits& GapLimitsOfTeacher(int teacher) const {
    return gapLimits_[static_cast<std::size_t>(teacher)];
  }

  // The teacher's gaps on the day as the mirror stands: gap hours, and hours of gaps
  // beyond the longest the teacher's limits allow.
  struct DayGaps {
    int hours = 0;
    int tooLong = 0;
  };
  DayGaps GapsOn(int teacher, int day) const {
    // Counted when asked: most moves are never asked about the gaps.
    if ((staleDays_[static_cast<std::size_t>(teacher)] >> day & 1U) != 0) Recount(teacher, day);
    return dayGaps_[DaySlot(teacher, day)];
  }
  // The teacher's gaps over the week, kept up to date as blocks come and go (the
  // searches ask for them for nearly every place they weigh): gap hours, hours of gaps
  // beyond the longest allowed, and gap hours beyond a day's allowance, each summed
  // over the days.
  struct WeekGaps {
    int hours = 0;
    int tooLong = 0;
    int overDays = 0;
    // The week with a day counted as `was` counted as `now` instead.
    void Replace(const DayGaps& was, const DayGaps& now, const GapLimits& limits) {
      hours += now.hours - was.hours;
      tooLong += now.tooLong - was.tooLong;
      overDays +=
          std::max(0, now.hours - limits.weekGaps) - std::max(0, was.hours - limits.weekGaps);
    }
    // Hours over the limits: as GapTally::BreachHours counts them.
    int BreachHours(const GapLimits& limits) const {
      if (!limits.kept) return 0;
      const int over = limits.perDay ? overDays : std::max(0, hours - limits.weekGaps);
      // Taking out the hours of a too-long gap lowers the week's count too: the larger
      // of the two is the least that keeps both limits.
      return std::max(over, tooLong);
    }
  };
  const WeekGaps& GapsOfWeek(int teacher) const {
    if (staleDays_[static_cast<std::size_t>(teacher)] != 0) RecountStaleDays(teacher);
    return weekGaps_[static_cast<std::size_t>(teacher)];
  }
  // The class's day as bits (bit h for hour h): the hours held.
  uint32_t ClassHeldHours(int classNo, int day) const { return classHeld_[DaySlot(classNo, day)]; }
  // The teacher's day as bits (bit h for hour h): the hours held, the hours open.
  uint32_t HeldHours(int teacher, int day) const { return held_[DaySlot(teacher, day)]; }
  uint32_t OpenHours(int teacher, int day) const { return openHours_[DaySlot(teacher, day)]; }
  // The gaps of a teacher's day held as `held`.
  DayGaps CountDayGaps(int teacher, int day, uint32_t held) const;

  // Mirror only: the unit takes its cells at `start` / gives them back.
  void Put(int unit, int start);
  void Take(int unit);

  // Hours (as the school's totals count them) of the units still waiting.
  int WaitingWeight() const;

 private:
  static std::size_t Slot(int owner, int cell) {
    return static_cast<std::size_t>(owner) * 81 + static_cast<std::size_t>(cell);
  }
  static std::size_t DaySlot(int owner, int day) {
    return static_cast<std::size_t>(owner) * 6 + static_cast<std::size_t>(day);
  }
  void Mark(int unit, int start, int value, int loadStep);
  void CountWaiting(int unit, int step);
  void BuildLessons(const School& school);
  void BuildDomains(const School& school);
  void RaiseDailyMaxima(const School& school);
  void CountForcedBreaches();
  void MarkForeignCells(const School& school);
  void Recount(int teacher, int day) const;
  void RecountStaleDays(int teacher) const;

  std::vector<int> teacherAt_;
  std::vector<int> classAt_;
  std::vector<int> roomAt_;
  std::vector<bool> teacherOpen_;
  std::vector<int> load_;
  std::vector<int> maxPerDay_;
  std::vector<bool> exactlyFull_;
  std::vector<int> preparedMax_;
  std::vector<int> waitingHours_;
  mutable std::vector<DayGaps> dayGaps_;
  mutable std::vector<WeekGaps> weekGaps_;
  // Per teacher: the days (bit d for day d) whose gaps changed since they were counted.
  mutable std::vector<uint8_t> staleDays_;
  std::vector<uint32_t> held_;
  std::vector<uint32_t> classHeld_;
  std::vector<uint32_t> openHours_;
  std::vector<bool> twoLessons_;
  std::vector<bool> annex_;
  std::vector<int> lessonGroup_;
  std::vector<GapLimits> gapLimits_;
  bool anyAnnex_ = false;
  bool groupRule_ = false;
};

// The start cells of `starts` (bit h of day d: a start at hour h of day d) in the order
// of the cells from `first` (a cell), round the week once, until `take` accepts one:
// that cell, or 0 when it accepts none.
template <typename Take>
int FirstStartRoundTheWeek(const std::array<uint32_t, kDays + 1>& starts, int first, Take take) {
  const int firstDay = DayOfCell(first);
  const uint32_t fromFirst = ~0U << HourOfCell(first);
  auto seek = [&](int day, uint32_t hours) {
    for (uint32_t left = starts[static_cast<std::size_t>(day)] & hours; left != 0; left &= left - 1)
      if (const int cell = CellIndex(day, std::countr_zero(left)); take(cell)) return cell;
    return 0;
  };
  if (const int cell = seek(firstDay, fromFirst); cell != 0) return cell;
  for (int i = 1; i < kDays; ++i)
    if (const int cell = seek((firstDay - 1 + i) % kDays + 1, ~0U); cell != 0) return cell;
  return seek(firstDay, ~fromFirst);
}

// The block lengths still to place of the lesson in the class, in the order the
// scheduler would place them: the parts of its pattern that no run of the lesson in
// the class timetable matches, each cut to the hours still missing.
std::vector<int> WaitingBlockLengths(const School& school, int classNo, int lesson);

// The cell of the guidance hour for the class, 0 when the settings fix none.
int GuidanceCell(const School& school, int classNo);

}  // namespace kalvodrin
