#include "scheduler/completion/completion_model.h"

#include <algorithm>
#include <array>
#include <bit>
#include <unordered_map>

#include "core/cells.h"
#include "engine/counts.h"

namespace kalvodrin {
namespace {

std::size_t At(int cell) { return static_cast<std::size_t>(cell - 1); }
std::size_t Ix(int n) { return static_cast<std::size_t>(n); }

// The hours set in a day's bits. std::popcount is a library call where the build
// may not assume the processor's instruction (the baseline x86-64 has none), and the
// gaps are counted for nearly every place weighed: a few shifts and adds instead.
int HourCount(uint32_t hours) {
  hours -= (hours >> 1) & 0x55555555U;
  hours = (hours & 0x33333333U) + ((hours >> 2) & 0x33333333U);
  return static_cast<int>((((hours + (hours >> 4)) & 0x0F0F0F0FU) * 0x01010101U) >> 24);
}

// Bits 1 to kDays: every day of a teacher's week.
constexpr uint8_t kAllDays = ((1U << (kDays + 1)) - 1) & ~1U;

// Maximal stretches of consecutive hours of one day holding the lesson.
std::vector<int> LessonRunLengths(const TClassGridRec& grid, int lesson) {
  std::vector<int> runs;
  for (int d = 1; d <= kDays; ++d) {
    int run = 0;
    for (int h = 1; h <= kHoursPerDay + 1; ++h) {
      if (h <= kHoursPerDay && grid.occupant[At(CellIndex(d, h))] == lesson) {
        ++run;
      } else if (run > 0) {
        runs.push_back(run);
        run = 0;
      }
    }
  }
  return runs;
}

// The first part of the pattern no run matches, 0 when every part is matched.
int FirstUnmatchedPart(const TClassLessonRec& cl, const std::vector<int>& runs) {
  std::vector<bool> matched(runs.size(), false);
  for (uint8_t part : cl.pattern) {
    if (part == 0) continue;
    bool found = false;
    for (std::size_t i = 0; i < runs.size() && !found; ++i)
      if (!matched[i] && runs[i] == part) matched[i] = found = true;
    if (!found) return part;
  }
  return 0;
}

// Even blocks start at odd hours only when the settings ask for it and every class
// ends every day at hour 6 or 12, as in the classic run.
bool BlocksAligned(const School& school) {
  if (school.Settings.alignedBlocks != 1) return false;
  for (const TClassGridRec& cg : school.ClassGrids)
    for (int d = 0; d < kDays; ++d)
      if (cg.lastHour[Ix(d)] != 6 && cg.lastHour[Ix(d)] != 12) return false;
  return true;
}

bool InsideClassWindows(const School& school, const Block& b, int day, int hour) {
  for (int k = 0; k < b.classCount; ++k) {
    const TClassGridRec* cg = school.ClassGridByNo(b.classes[Ix(k)]);
    if (cg == nullptr) return false;
    const int first = cg->firstHour[Ix(day - 1)];
    const int last = cg->lastHour[Ix(day - 1)];
    if (first == 0 || last == 0 || hour < first || hour + b.length - 1 > last) return false;
  }
  return true;
}

bool AllOpen(const School& school, const Block& b, int start) {
  for (int c = start; c < start + b.length; ++c) {
    for (int k = 0; k < b.teacherCount; ++k) {
      const TTeacherGridRec* g = school.TeacherGridByNo(b.teachers[Ix(k)]);
      if (g == nullptr || g->open[At(c)] == 0) return false;
    }
    for (int k = 0; k < b.classCount; ++k) {
      const TClassGridRec* g = school.ClassGridByNo(b.classes[Ix(k)]);
      if (g == nullptr || g->open[At(c)] == 0) return false;
    }
    for (int k = 0; k < b.roomCount; ++k) {
      const TRoomGridRec* g = school.RoomGridByNo(b.rooms[Ix(k)]);
      if (g == nullptr || g->open[At(c)] == 0) return false;
    }
  }
  return true;
}

}  // namespace

std::vector<int> WaitingBlockLengths(const School& school, int classNo, int lesson) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  const TLessonRec* rec = school.LessonByNo(lesson);
  const TClassGridRec* grid = school.ClassGridByNo(classNo);
  std::vector<int> lengths;
  if (cl == nullptr || rec == nullptr || grid == nullptr) return lengths;
  int remaining = rec->weeklyHours - PlacedHours(school, classNo, lesson);
  std::vector<int> runs = LessonRunLengths(*grid, lesson);
  while (remaining > 0) {
    const int part = remaining <= 1 ? remaining : FirstUnmatchedPart(*cl, runs);
    if (part == 0) break;
    const int length = std::min(remaining, part);
    lengths.push_back(length);
    runs.push_back(length);
    remaining -= length;
  }
  return lengths;
}

int GuidanceCell(const School& school, int classNo) {
  const TClassGridRec* cg = school.ClassGridByNo(classNo);
  if (cg == nullptr) return 0;
  const TSettingsRec& s = school.Settings;
  const bool afternoon = IsAfternoonClass(*cg);
  const int day = afternoon ? s.guidanceDayAfternoon : s.guidanceDayMorning;
  const int hour = afternoon ? s.guidanceHourAfternoon : s.guidanceHourMorning;
  return day >= 1 && day <= kDays && hour >= 1 && hour <= kHoursPerDay ? CellIndex(day, hour) : 0;
}

CompletionModel::CompletionModel(const School& school)
    : teacherAt_(256 * 81, kFreeCell),
      classAt_(256 * 81, kFreeCell),
      roomAt_(256 * 81, kFreeCell),
      teacherOpen_(256 * 81, false),
      load_(256 * 6, 0),
      maxPerDay_(256, kHoursPerDay),
      exactlyFull_(256, false),
      preparedMax_(256, 0),
      waitingHours_(256, 0),
      dayGaps_(256 * 6),
      weekGaps_(256),
      staleDays_(256, kAllDays),
      held_(256 * 6, 0),
      classHeld_(256 * 6, 0),
      openHours_(256 * 6, 0),
      twoLessons_(256, false),
      annex_(256, false),
      lessonGroup_(256, 0),
      gapLimits_(256) {
  anyAnnex_ = school.Annex.any();
  groupRule_ = school.Settings.groupDifferentDays != 0;
  for (int c = 1; c <= 255; ++c) annex_[Ix(c)] = school.Annex.inAnnex(c);
  for (const TLessonRec& l : school.Lessons) lessonGroup_[Ix(l.number)] = l.group;
  for (const TTeacherGridRec& t : school.TeacherGrids) {
    if (t.effective.maxHoursPerDay != 0) maxPerDay_[Ix(t.teacher)] = t.effective.maxHoursPerDay;
    preparedMax_[Ix(t.teacher)] = t.effective.maxHoursPerDay;
    twoLessons_[Ix(t.teacher)] = t.effective.sameClassDifferentDays != 0;
    gapLimits_[Ix(t.teacher)] = GapLimitsOf(school, t);
    for (int c = 1; c <= kCells; ++c) {
      teacherOpen_[Slot(t.teacher, c)] = t.open[At(c)] != 0;
      if (t.open[At(c)] != 0) openHours_[DaySlot(t.teacher, DayOfCell(c))] |= 1U << HourOfCell(c);
    }
  }
  BuildLessons(school);
  BuildDomains(school);
  RaiseDailyMaxima(school);
  CountForcedBreaches();
  for (std::size_t u = 0; u < units.size(); ++u) CountWaiting(static_cast<int>(u), 1);
  for (std::size_t u = 0; u < units.size(); ++u)
    if (units[u].start != 0) {
      const int start = units[u].start;
      units[u].start = 0;
      Put(static_cast<int>(u), start);
    }
  MarkForeignCells(school);
}

// Lessons and their units: first every block the timetables hold, then the blocks
// still waiting, lesson by lesson in the order of the teachers' lessons.
void CompletionModel::BuildLessons(const School& school) {
  // By class * 256 + lesson: a table of every pair was a quarter of a megabyte to
  // clear for a few hundred lessons at most.
  std::unordered_map<int, int> indexOf;
  auto lessonIndex = [&](int classNo, int lesson) {
    const auto [at, fresh] = indexOf.try_emplace(classNo * 256 + lesson, 0);
    int& slot = at->second;
    if (fresh) {
      slot = static_cast<int>(lessons.size());
      CompletionLesson l;
      l.classNo = classNo;
      l.lesson = lesson;
      l.group = lessonGroup_[Ix(lesson)];
      l.rules = RuleSwitchesOf(school, classNo, lesson);
      lessons.push_back(l);
    }
    return slot;
  };
  auto addUnit = [&](int classNo, int lesson, int length, int start) {
    std::optional<Block> block = MakeBlock(school, classNo, lesson, length, start);
    if (!block) return;
    const int index = lessonIndex(classNo, lesson);
    CompletionUnit unit;
    unit.block = *block;
    unit.lessonIndex = index;
    unit.start = start;
    unit.weight = length * std::max(1, block->teacherCount);
    lessons[Ix(index)].units.push_back(static_cast<int>(units.size()));
    if (start != 0) lessons[Ix(index)].originals.emplace_back(start, length);
    units.push_back(unit);
  };
  for (const PlacedBlockRec& b : ListPlacedBlocks(school))
    addUnit(b.classNo, b.lesson, b.length, b.start);
  std::vector<bool> done(256 * 256, false);
  for (const TTeacherLessonRec& entry : school.TeacherLessons) {
    const int lead = LeadClass(school, entry.classNo, entry.lesson);
    const std::size_t key = Ix(lead * 256 + entry.lesson);
    if (done[key]) continue;
    done[key] = true;
    const TClassLessonRec* cl = school.ClassLessonAt(lead, entry.lesson);
    if (cl == nullptr || cl->teacherCount == 0) continue;
    for (int length : WaitingBlockLengths(school, lead, entry.lesson))
      addUnit(lead, entry.lesson, length, 0);
  }
}

// The start cells each unit's fixed rules allow: inside every class's window, open for
// every participant, not at the lesson's no-block hour, aligned when blocks are, and
// for the guidance lesson only its fixed hour.
void CompletionModel::BuildDomains(const School& school) {
  const bool aligned = BlocksAligned(school);
  const int guidance = school.Settings.guidanceLesson;
  for (CompletionUnit& unit : units) {
    const Block& b = unit.block;
    const TLessonRec* rec = school.LessonByNo(b.lesson);
    const int notAt = rec != nullptr ? rec->notAtHour : 0;
    // Without a fixed hour in the settings the guidance lesson goes anywhere.
    unit.guidance =
        guidance != 0 && b.lesson == guidance && GuidanceCell(school, b.classes[0]) != 0;
    const int fixedCell = unit.guidance ? GuidanceCell(school, b.classes[0]) : 0;
    // Room for every start at once: grown a cell at a time, a domain took up to seven
    // allocations, and the model is built for every completion.
    unit.domain.reserve(kCells);
    for (int d = 1; d <= kDays; ++d)
      for (int h = 1; h + b.length - 1 <= kHoursPerDay; ++h) {
        const int cell = CellIndex(d, h);
        if (fixedCell != 0 && cell != fixedCell) continue;
        if (notAt != 0 && b.length >= 2 && h == notAt) continue;
        if (aligned && b.length % 2 == 0 && h % 2 == 0) continue;
        if (!InsideClassWindows(school, b, d, h) || !AllOpen(school, b, cell)) continue;
        unit.domain.push_back(static_cast<uint8_t>(cell));
        unit.domainHours[Ix(d)] |= 1U << h;
      }
    if (unit.start != 0) {
      const bool inDomain =
          std::find(unit.domain.begin(), unit.domain.end(), unit.start) != unit.domain.end();
      unit.fixed = !inDomain || unit.guidance;
    }
  }
}

// The prepared daily maximum is raised by the number of days with any usable hour,
// not by how many hours each day can take; a teacher whose short days cannot take
// their share would have no timetable at all. The maximum used here is the prepared
// one, or the least that lets the teacher's usable cells (open, inside a window of a
// class the teacher teaches) of each day hold the weekly hours, whichever is larger.
void CompletionModel::RaiseDailyMaxima(const School& school) {
  std::vector<std::array<bool, kCells + 1>> usable(256);
  for (const CompletionUnit& unit : units)
    for (int k = 0; k < unit.block.teacherCount; ++k)
      for (uint8_t start : unit.domain)
        for (int c = start; c < start + unit.block.length; ++c)
          usable[Ix(unit.block.teachers[Ix(k)])][Ix(c)] = true;
  for (const TTeacherGridRec& t : school.TeacherGrids) {
    std::array<int, kDays> perDay{};
    for (int c = 1; c <= kCells; ++c)
      if (usable[Ix(t.teacher)][Ix(c)] || t.occupant[At(c)] != 0) ++perDay[Ix(DayOfCell(c) - 1)];
    int& most = maxPerDay_[Ix(t.teacher)];
    auto holds = [&](int m) {
      int sum = 0;
      for (int n : perDay) sum += std::min(n, m);
      return sum >= t.weeklyHours;
    };
    while (most < kHoursPerDay && !holds(most)) ++most;
    // Exactly full where the maximum, not the usable cells alone, makes it so.
    int room = 0;
    int usableCells = 0;
    for (int n : perDay) {
      room += std::min(n, most);
      usableCells += n;
    }
    exactlyFull_[Ix(t.teacher)] = room == t.weeklyHours && usableCells > t.weeklyHours;
  }
}

// The days a lesson's blocks can stand on (where they stand, or their places) against
// what the same-lesson rule lets a day hold: one block, or at most its hours a day.
void CompletionModel::CountForcedBreaches() {
  for (CompletionLesson& lesson : lessons) {
    std::array<bool, kDays + 1> days{};
    int hours = 0;
    for (int x : lesson.units) {
      const CompletionUnit& unit = units[Ix(x)];
      hours += unit.block.length;
      if (unit.start != 0) days[Ix(DayOfCell(unit.start))] = true;
      for (uint8_t start : unit.domain) days[Ix(DayOfCell(start))] = true;
    }
    const int open = static_cast<int>(std::count(days.begin(), days.end(), true));
    const int blocks = static_cast<int>(lesson.units.size());
    lesson.forcedBreach = lesson.rules.oneBlockADay
                              ? std::max(0, blocks - open)
                              : std::max(0, hours - open * lesson.rules.mostHoursADay);
  }
}

// Cells the school's timetables hold that no unit accounts for stay blocked.
void CompletionModel::MarkForeignCells(const School& school) {
  for (const TTeacherGridRec& t : school.TeacherGrids)
    for (int c = 1; c <= kCells; ++c)
      if (t.occupant[At(c)] != 0 && teacherAt_[Slot(t.teacher, c)] == kFreeCell) {
        teacherAt_[Slot(t.teacher, c)] = kForeignBlock;
        ++load_[DaySlot(t.teacher, DayOfCell(c))];
        held_[DaySlot(t.teacher, DayOfCell(c))] |= 1U << HourOfCell(c);
      }
  for (const TClassGridRec& g : school.ClassGrids)
    for (int c = 1; c <= kCells; ++c)
      if (g.occupant[At(c)] != 0 && classAt_[Slot(g.classNo, c)] == kFreeCell) {
        classAt_[Slot(g.classNo, c)] = kForeignBlock;
        classHeld_[DaySlot(g.classNo, DayOfCell(c))] |= 1U << HourOfCell(c);
      }
  for (const TRoomGridRec& g : school.RoomGrids)
    for (int c = 1; c <= kCells; ++c)
      if (g.occupant[At(c)] != 0 && roomAt_[Slot(g.room, c)] == kFreeCell)
        roomAt_[Slot(g.room, c)] = kForeignBlock;
}

void CompletionModel::Mark(int unit, int start, int value, int loadStep) {
  // Every place a search weighs is put and taken in the mirror: kept to plain stores.
  const CompletionUnit& u = units[Ix(unit)];
  const Block& b = u.block;
  const int day = DayOfCell(start);
  const auto length = static_cast<std::ptrdiff_t>(b.length);
  const uint32_t bits = ((1U << b.length) - 1) << HourOfCell(start);
  const uint8_t dayBit = static_cast<uint8_t>(1U << day);
  // As CountWaiting counts them.
  const int waitingStep = u.domain.empty() ? 0 : -loadStep * b.length;
  for (int k = 0; k < b.teacherCount; ++k) {
    const int t = b.teachers[Ix(k)];
    const std::size_t slot = DaySlot(t, day);
    load_[slot] += loadStep * b.length;
    held_[slot] = value == kFreeCell ? held_[slot] & ~bits : held_[slot] | bits;
    staleDays_[Ix(t)] |= dayBit;
    waitingHours_[Ix(t)] += waitingStep;
    std::fill_n(teacherAt_.begin() + static_cast<std::ptrdiff_t>(Slot(t, start)), length, value);
  }
  for (int k = 0; k < b.classCount; ++k) {
    const std::size_t slot = DaySlot(b.classes[Ix(k)], day);
    classHeld_[slot] = value == kFreeCell ? classHeld_[slot] & ~bits : classHeld_[slot] | bits;
    std::fill_n(classAt_.begin() + static_cast<std::ptrdiff_t>(Slot(b.classes[Ix(k)], start)),
                length, value);
  }
  for (int k = 0; k < b.roomCount; ++k)
    std::fill_n(roomAt_.begin() + static_cast<std::ptrdiff_t>(Slot(b.rooms[Ix(k)], start)), length,
                value);
}

void CompletionModel::Put(int unit, int start) {
  Block& b = units[Ix(unit)].block;
  units[Ix(unit)].start = start;
  b.startCell = start;
  b.day = DayOfCell(start);
  b.startHour = HourOfCell(start);
  Mark(unit, start, unit, 1);
}

void CompletionModel::Take(int unit) {
  CompletionUnit& u = units[Ix(unit)];
  if (u.start == 0) return;
  Mark(unit, u.start, kFreeCell, -1);
  u.start = 0;
}

CompletionModel::DayGaps CompletionModel::CountDayGaps(int teacher, int day, uint32_t held) const {
  // The gap hours are the open, empty hours between the day's first and last lesson,
  // so bits count them. Gaps of no more hours in all than the longest allowed cannot
  // hold one too long; only the other days need the count gap by gap. The searches ask
  // this for nearly every place they weigh.
  if ((held & (held - 1)) == 0) return {};
  const uint32_t open = OpenHours(teacher, day);
  const uint32_t belowLast = (1U << (31 - std::countl_zero(held))) - 1;
  const uint32_t aboveFirst = ~((held & (~held + 1)) * 2 - 1);
  const uint32_t between = belowLast & aboveFirst & ~held;
  const int hours = HourCount(between & open);
  const int longest = gapLimits_[Ix(teacher)].longestGap;
  if (hours <= longest) return {hours, 0};
  // Each run of hours not held between two lessons is one gap; its closed hours
  // neither count nor end it.
  int tooLong = 0;
  for (uint32_t rest = between; rest != 0;) {
    const uint32_t run = rest & ~(rest + (rest & (~rest + 1)));
    rest &= ~run;
    tooLong += std::max(0, HourCount(run & open) - longest);
  }
  return {hours, tooLong};
}

void CompletionModel::Recount(int teacher, int day) const {
  const std::size_t slot = DaySlot(teacher, day);
  const DayGaps now = CountDayGaps(teacher, day, held_[slot]);
  weekGaps_[Ix(teacher)].Replace(dayGaps_[slot], now, gapLimits_[Ix(teacher)]);
  dayGaps_[slot] = now;
  staleDays_[Ix(teacher)] &= static_cast<uint8_t>(~(1U << day));
}

void CompletionModel::RecountStaleDays(int teacher) const {
  for (uint32_t stale = staleDays_[Ix(teacher)]; stale != 0; stale &= stale - 1)
    Recount(teacher, std::countr_zero(stale));
}

// A unit with nowhere to go never gets placed: its hours cannot fill a teacher's gap.
void CompletionModel::CountWaiting(int unit, int step) {
  const CompletionUnit& u = units[Ix(unit)];
  if (u.domain.empty()) return;
  for (int k = 0; k < u.block.teacherCount; ++k)
    waitingHours_[Ix(u.block.teachers[Ix(k)])] += step * u.block.length;
}

int CompletionModel::WaitingWeight() const {
  int weight = 0;
  for (const CompletionUnit& u : units)
    if (u.start == 0) weight += u.weight;
  return weight;
}

}  // namespace kalvodrin
