#include "scheduler/block_sizes.h"

#include <algorithm>
#include <array>

#include "core/cells.h"
#include "engine/counts.h"

namespace kalvodrin {

std::vector<int> BlockSizes(const School& school) {
  std::array<bool, 256> seen{};
  for (const TClassLessonRec& cl : school.ClassLessons)
    for (uint8_t part : cl.pattern) seen[part] = true;
  std::vector<int> sizes{0};
  for (int n = 1; n < 256; ++n)
    if (seen[static_cast<std::size_t>(n)]) sizes.push_back(n);
  return sizes;
}

namespace {

// The runs of a lesson in a class's timetable: at most one in every other hour of a
// day. Held in place, not in a vector: the run asks for them at every block it tries.
struct LessonRunList {
  static constexpr std::size_t kMost = kDays * ((kHoursPerDay + 1) / 2);
  std::array<int, kMost> length{};
  std::size_t count = 0;
};

// Lengths of the runs of the lesson in the class's timetable, in cell order. A run
// ends at the end of its day.
LessonRunList LessonRuns(const TClassGridRec& grid, int lesson) {
  LessonRunList runs;
  for (int day = 1; day <= kDays; ++day) {
    int length = 0;
    for (int hour = 1; hour <= kHoursPerDay; ++hour) {
      if (grid.occupant[static_cast<std::size_t>(CellIndex(day, hour) - 1)] == lesson) {
        ++length;
        continue;
      }
      if (length > 0) runs.length[runs.count++] = length;
      length = 0;
    }
    if (length > 0) runs.length[runs.count++] = length;
  }
  return runs;
}

}  // namespace

int NextBlockLength(const School& school, int classNo, int lesson) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  const TLessonRec* rec = school.LessonByNo(lesson);
  const TClassGridRec* grid = school.ClassGridByNo(classNo);
  if (cl == nullptr || rec == nullptr || grid == nullptr) return 0;
  const int remaining = rec->weeklyHours - PlacedHours(school, classNo, lesson);
  if (remaining <= 1) return std::max(remaining, 0);
  const LessonRunList runs = LessonRuns(*grid, lesson);
  std::array<bool, LessonRunList::kMost> matched{};
  for (uint8_t part : cl->pattern) {
    if (part == 0) continue;
    bool found = false;
    for (std::size_t i = 0; i < runs.count && !found; ++i) {
      if (matched[i] || runs.length[i] != part) continue;
      matched[i] = true;
      found = true;
    }
    if (!found) return std::min<int>(remaining, part);
  }
  return 0;
}

}  // namespace kalvodrin
