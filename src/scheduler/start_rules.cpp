#include "scheduler/start_rules.h"

#include <algorithm>

#include "core/cells.h"

namespace kalvodrin {
namespace {

std::size_t At(int cell) { return static_cast<std::size_t>(cell - 1); }
std::size_t DayAt(int day) { return static_cast<std::size_t>(day - 1); }

// The last block of the lesson's own pattern, 0 when it has none.
int LastPatternBlock(const TLessonRec& lesson) {
  int last = 0;
  for (uint8_t part : lesson.pattern)
    if (part != 0) last = part;
  return last;
}

}  // namespace

bool EarlyHoursHaveRoom(const School& school, const Block& block, bool fixedAtDepthOne) {
  const TTeacherGridRec& teacher = *school.TeacherGridByNo(block.teachers[0]);
  if (teacher.bothShifts == 1) return false;
  if (fixedAtDepthOne) return false;
  const TLessonRec& lesson = *school.LessonByNo(block.lesson);
  const TClassGridRec& cls = *school.ClassGridByNo(block.classes[0]);
  // The count starts again each day when the lesson ends on a block; its single hours
  // may gather room over the week.
  const bool perDay = LastPatternBlock(lesson) > 1;
  int count = 0;
  for (int day = 1; day <= kDays; ++day) {
    if (perDay) count = 0;
    const int first = cls.firstHour[DayAt(day)];
    if (first == 0) continue;
    const int last = std::min({first + lesson.notAfterHour - 1,
                               static_cast<int>(cls.lastHour[DayAt(day)]), kHoursPerDay});
    for (int hour = first; hour <= last; ++hour) {
      const int cell = CellIndex(day, hour);
      if (teacher.open[At(cell)] == 0 || teacher.occupant[At(cell)] != 0) continue;
      if (++count >= block.length) return true;
    }
  }
  return false;
}

bool RunAlignsBlocks(const School& school) {
  if (school.Settings.alignedBlocks != 1) return false;
  for (const TClassGridRec& grid : school.ClassGrids)
    for (uint8_t last : grid.lastHour)
      if (last != 6 && last != 12) return false;
  return true;
}

}  // namespace kalvodrin
