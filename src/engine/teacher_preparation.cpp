#include "engine/teacher_preparation.h"

#include <algorithm>
#include <bitset>

#include "core/cells.h"
#include "engine/cell_writes.h"
#include "engine/counts.h"

namespace kalvodrin {
namespace {

using cells::At;

uint8_t ClampByte(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

std::size_t DayIndex(int day) { return static_cast<std::size_t>(day - 1); }

// Five or more blocks in one class make the different-days rule unworkable for the
// teacher.
bool ManyBlocksInOneClass(const School& school, int teacher) {
  std::array<int, 256> perClass{};
  for (const TTeacherLessonRec& tl : school.TeacherLessons) {
    if (tl.teacher != teacher) continue;
    const TClassLessonRec* cl = school.ClassLessonAt(tl.classNo, tl.lesson);
    if (cl == nullptr) continue;
    perClass[tl.classNo] += cl->blockCount;
    if (perClass[tl.classNo] >= 5) return true;
  }
  return false;
}

bool ClosedAndFree(const TTeacherGridRec& g, int day, int hour) {
  const std::size_t i = At(CellIndex(day, hour));
  return g.open[i] == 0 && g.occupant[i] == 0;
}

int UnusableDays(const TTeacherGridRec& g) {
  return static_cast<int>(std::count(g.firstUsable.begin(), g.firstUsable.end(), 0));
}

}  // namespace

int RoundHalfEven(int num, int den) {
  int q = num / den;
  int r = num % den;
  if (r < 0) {
    r += den;
    --q;
  }
  if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
  return q;
}

// A common lesson is taught once, in one block for all its classes together, so its
// blocks count once however many of its members the teacher lists: the same reading
// as the teacher's weeklyHours, from which the other members of a common lesson are
// taken off. Counting each member would ask for room for blocks that never come.
TeacherBlocks CountTeacherBlocks(const School& school, int teacher) {
  TeacherBlocks blocks;
  std::bitset<256> groupsMet;
  for (const TTeacherLessonRec& tl : school.TeacherLessons) {
    if (tl.teacher != teacher) continue;
    const TClassLessonRec* cl = school.ClassLessonAt(tl.classNo, tl.lesson);
    if (cl == nullptr) continue;
    if (cl->commonGroup != 0) {
      if (groupsMet.test(cl->commonGroup)) continue;
      groupsMet.set(cl->commonGroup);
    }
    for (uint8_t part : cl->pattern) {
      if (part == 1)
        ++blocks.ones;
      else if (part == 2)
        ++blocks.twos;
      else if (part >= 3)
        ++blocks.longer;
    }
  }
  return blocks;
}

void SetEffectiveSettings(const School& school, TTeacherGridRec& grid) {
  const TSettingsRec& s = school.Settings;
  const TeacherRules& own = grid.special;
  TeacherRules& e = grid.effective;
  e.gapsAllowed = std::max(s.gapsAllowed, own.gapsAllowed);
  e.maxGapsPerWeek = ClampByte(std::max(s.maxGapsPerWeek, own.maxGapsPerWeek) +
                               (grid.bothBuildings == 1 ? 2 : 0));
  e.maxGapBetweenLessons = std::max(s.maxGapBetweenLessons, own.maxGapBetweenLessons);
  e.sameClassDifferentDays =
      std::min(s.sameClassDifferentDays, own.sameClassDifferentDays);
  if (ManyBlocksInOneClass(school, grid.teacher)) e.sameClassDifferentDays = 0;
  e.dayBetweenDays = std::min(s.dayBetweenDays, own.dayBetweenDays);
  e.differentHours = std::min(s.differentHours, own.differentHours);
  e.groupDifferentDays = std::min(s.groupDifferentDays, own.groupDifferentDays);
  e.maxHoursPerDay = std::max(s.maxHoursPerDay, own.maxHoursPerDay);
}

WindowMarks MarkTeacherWindow(const School& school, TTeacherGridRec& grid) {
  std::bitset<kCells> marks;
  bool main = false;
  bool annex = false;
  for (const TTeacherLessonRec& tl : school.TeacherLessons) {
    if (tl.teacher != grid.teacher) continue;
    const TClassGridRec* cg = school.ClassGridByNo(tl.classNo);
    if (cg == nullptr) continue;
    (school.Annex.inAnnex(tl.classNo) ? annex : main) = true;
    for (int d = 1; d <= kDays; ++d) {
      const int first = cg->firstHour[DayIndex(d)];
      const int last = std::min<int>(cg->lastHour[DayIndex(d)], kHoursPerDay);
      if (first == 0) continue;
      for (int h = first; h <= last; ++h) marks.set(At(CellIndex(d, h)));
    }
  }
  grid.bothBuildings = main && annex ? 1 : 0;
  WindowMarks result;
  for (int d = 1; d <= kDays; ++d) {
    int first = 0;
    int last = 0;
    for (int h = 1; h <= kHoursPerDay; ++h) {
      const std::size_t i = At(CellIndex(d, h));
      if (!marks.test(i)) continue;
      ++result.marked;
      if (grid.open[i] == 0) ++result.closed;
      if (first == 0) first = h;
      last = h;
    }
    grid.firstUsable[DayIndex(d)] = ClampByte(first);
    grid.lastUsable[DayIndex(d)] = ClampByte(last);
  }
  return result;
}

void SetAllowanceAndSlack(TTeacherGridRec& grid, const WindowMarks& marks) {
  // With fewer than 3 marked cells the teacher has at most two possible hours; the
  // allowance then keeps the value it was given before.
  const int fifth = RoundHalfEven(marks.marked, 5);
  if (fifth > 0)
    grid.sameDayAllowance =
        ClampByte(RoundHalfEven(marks.marked % 5 + marks.closed, fifth));
  grid.slack = ClampByte(marks.marked - marks.closed - grid.weeklyHours);
  grid.searchMark = 0;
}

void TrimTeacherWindow(TTeacherGridRec& grid) {
  for (int d = 1; d <= kDays; ++d) {
    int first = grid.firstUsable[DayIndex(d)];
    int last = std::min<int>(grid.lastUsable[DayIndex(d)], kHoursPerDay);
    int usable = 0;
    if (first != 0) {
      while (first <= last && ClosedAndFree(grid, d, first)) ++first;
      while (last >= first && ClosedAndFree(grid, d, last)) --last;
      for (int h = first; h <= last; ++h)
        if (!ClosedAndFree(grid, d, h)) ++usable;
    }
    if (first == 0 || first > last) first = last = 0;
    grid.firstUsable[DayIndex(d)] = ClampByte(first);
    grid.lastUsable[DayIndex(d)] = ClampByte(last);
    grid.usablePerDay[DayIndex(d)] = ClampByte(usable);
  }
}

void RaiseDailyMaximum(TTeacherGridRec& grid, const TeacherBlocks& blocks) {
  const int days = kDays - UnusableDays(grid);
  if (days == 0) return;
  int most = grid.effective.maxHoursPerDay;
  while (most * days < grid.weeklyHours) most += most * days < 2 * blocks.twos ? 2 : 1;
  grid.effective.maxHoursPerDay = ClampByte(most);
}

void SetRegularDistribution(TTeacherGridRec& grid, const TeacherBlocks& blocks,
                            const TSettingsRec& settings) {
  const int unusable = UnusableDays(grid);
  const int days = kDays - unusable;
  const int hours = grid.weeklyHours;
  int on = 0;
  if (days > 0) {
    on = 1;
    int target = hours / days;
    if (target % 2 != 0) --target;
    target = std::max(target, 2);
    const int spread = target * days;
    int excess = spread < hours ? hours - spread : 0;
    for (uint8_t usable : grid.usablePerDay)
      if (usable < target) excess += target - usable;
    int ceiling = target + 2;
    grid.evenExtraCeiling = 2;
    if (2 * blocks.twos < spread) {
      grid.evenExtraCeiling = 1;
      ceiling = target + (days < excess ? 2 : 1);
    }
    grid.evenExcessThreshold = ClampByte(excess);
    if (blocks.longer > 0) {
      target = 2;
      ceiling = grid.effective.maxHoursPerDay;
      grid.evenExcessThreshold = ClampByte(hours <= 10 ? 5 : hours - 8);
    }
    if (blocks.ones == 0 && hours < 9) target = ceiling = 4;
    if (blocks.longer > 2 || hours < 6) on = 0;
    grid.evenTarget = ClampByte(target);
    grid.evenCeiling = ClampByte(ceiling);
  }
  grid.evenSpread = ClampByte(std::min<int>(on, settings.evenDays));
  if (unusable > 1) {
    grid.evenSpread = 0;
    grid.effective.dayBetweenDays = 0;
  }
}

void PrepareTeacher(School& school, int teacher) {
  TTeacherGridRec* grid = school.TeacherGridByNo(teacher);
  if (grid == nullptr) return;
  CountTeacherHours(school, teacher);
  grid->sameDayAllowance = 5;
  if (grid->weeklyHours == 0) {
    SetEffectiveSettings(school, *grid);
    return;
  }
  grid->bothShifts = grid->morningHours != 0 && grid->afternoonHours != 0 ? 1 : 0;
  const WindowMarks marks = MarkTeacherWindow(school, *grid);
  SetEffectiveSettings(school, *grid);
  SetAllowanceAndSlack(*grid, marks);
  TrimTeacherWindow(*grid);
  const TeacherBlocks blocks = CountTeacherBlocks(school, teacher);
  RaiseDailyMaximum(*grid, blocks);
  SetRegularDistribution(*grid, blocks, school.Settings);
}

void PrepareAllTeachers(School& school) {
  for (const TClassGridRec& g : school.ClassGrids) CountClassHours(school, g.classNo);
  CountRoomHours(school);
  for (const TTeacherRec& t : school.Teachers) PrepareTeacher(school, t.number);
}

}  // namespace kalvodrin
