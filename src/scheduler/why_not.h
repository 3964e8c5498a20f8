#pragma once
// Why an unplaced hour cannot go to a cell: for each teacher lesson with hours left,
// every start hour of every day inside its class's window, and what stops the next
// block there. The answers come from the same slot and rule tests the placement search
// asks, so they cannot tell a different story from the search.

#include <optional>
#include <string>
#include <vector>

#include "core/school.h"
#include "engine/change_journal.h"

namespace kalvodrin {

// In the order they are listed for a cell.
enum class Blocker {
  kTeacherBusy,
  kClassBusy,
  kRoomBusy,
  kCellClosed,
  kOutsideWindow,
  kDailyMaximum,
  kGapRule,
  kSameLessonRule,
  kDaysApart,
  kDifferentHours,
  kTwoLessonsOfOneClass,
  kLessonGroupRule,
  kAnnexRule,
  // Starts the search never tries, whatever stands in the timetable; listed first.
  kAlignedBlocks,  // aligned blocks: an even block starts at an odd hour only
  kNotAtHour,      // the lesson's blocks never start at this hour
  kNotAfterHour,   // the lesson should end within its early hours (`lesson`), which have room
};

enum class Party { kNone, kTeacher, kClass, kRoom };

// The school's switches a same-lesson reason needs (its `amount`, or-ed together).
inline constexpr int kJoinSingles = 1;  // two single hours may join into a double hour
inline constexpr int kThreeADay = 2;    // a lesson of more than 6 hours may have 3 a day

// A teacher's rule (daily maximum, gaps, the rules its first teacher switches on) names
// that teacher; outside the day of another class of a common lesson names that class,
// the block's start and that class's last hour that day.
struct Reason {
  Blocker kind = Blocker::kOutsideWindow;
  Party party = Party::kNone;  // whose cell, rule or day it is
  int owner = 0;               // that teacher, class or room
  int cell = 0;                // the busy or closed cell; outside a day: the start
  int classNo = 0;             // busy: the class of the lesson in the way
  int lesson = 0;              // busy: the lesson in the way
  // Daily maximum: the hours more a day the block needs. Same lesson: the switches
  // (kJoinSingles, kThreeADay) that let it in. 0 there: no such change would do.
  // Outside another class's day: its last hour that day, 0 when it has none.
  int amount = 0;

  bool operator==(const Reason&) const = default;
};

struct WhyNotCell {
  int day = 0;
  int hour = 0;                 // start hour of the block
  std::vector<Reason> reasons;  // empty: the block would stand here now
};

struct WhyNotRow {
  int teacher = 0;
  int classNo = 0;
  int lesson = 0;
  int remaining = 0;
  int length = 0;  // the next block to place, 0 when its pattern is used up
  std::vector<WhyNotCell> cells;
  // The cheapest single change that opens a cell for the next block: of the cells
  // with one reason that a known change removes, the first whose reason is cheapest
  // (open a cell, allow more hours a day, move one block, a teacher's setting, then
  // the school's settings and a class's day).
  std::optional<Reason> cheapestFix;
};

struct WhyNotReport {
  std::vector<WhyNotRow> rows;
  // The single change that is the only blocker of one cell for the most hours, and
  // how many hours (next blocks) it would let in.
  std::optional<Reason> bestFix;
  int bestFixHours = 0;
};

// Read-only: the tests run on a prepared copy of the school.
WhyNotReport BuildWhyNot(const School& school);

// Why the search never tries the start, or nothing: the search's own test
// (scheduler/start_rules.h) with the settings the run starts with.
std::optional<Reason> StartNeverTried(const School& prepared, int classNo, int lesson, int length,
                                      int startCell);

// Every reason the block of `length` hours of `lesson` in `classNo` meets at
// `startCell`, on a school whose teachers are prepared. Where blocks are in the way,
// the rules are asked with those blocks taken out, so that a cell whose only reason
// is one block is a cell that moving that block opens; they are put back before it
// returns, every byte as it was.
std::vector<Reason> ReasonsAt(School& prepared, int classNo, int lesson, int length, int startCell);
// The same with the journal that takes the blocks out lent by the caller, empty, and
// left empty: one journal is tens of kilobytes to clear, and the report asks every
// cell of every lesson.
std::vector<Reason> ReasonsAt(School& prepared, int classNo, int lesson, int length, int startCell,
                              ChangeJournal& scratch);

// Plain Turkish words for a reason, UTF-8, with names of teachers, classes, rooms and
// lessons.
std::string ReasonText(const School& school, const Reason& reason);
std::string FixText(const School& school, const Reason& reason);
// A short key for machine readers: "teacherBusy", "cellClosed", ...
const char* BlockerKey(Blocker kind);

}  // namespace kalvodrin
