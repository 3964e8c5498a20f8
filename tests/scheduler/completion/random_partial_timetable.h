#pragma once
// A random partial timetable over a school, for the completion's property test and its
// fuzz target: a few cells of random teachers and classes closed, then blocks of
// random class lessons placed where they fit (the next block of the lesson, inside
// the class's window, on cells open and free for everyone), and some of them locked.
// `below(n)` gives a number in 0..n-1; the same numbers give the same timetable.
// Returns how many blocks the engine refused although every slot test let them in
// (none, when the engine and the tests agree).

#include <optional>
#include <vector>

#include "core/school.h"
#include "engine/block.h"
#include "engine/block_operations.h"
#include "engine/locks.h"
#include "engine/slot_tests.h"
#include "scheduler/completion/completion_model.h"

namespace kalvodrin {

template <typename Below>
int MakeRandomPartialTimetable(School& s, Below&& below, int closures, int tries) {
  int refused = 0;
  const auto any = [&](const auto& list) {
    return list[static_cast<std::size_t>(below(static_cast<int>(list.size())))];
  };
  for (; closures > 0; --closures) {
    const int cell = 1 + below(kCells);
    if (below(2) == 0 && !s.TeacherGrids.empty())
      SetCellOpen(s, GridKind::kTeacher, any(s.TeacherGrids).teacher, cell, 0);
    else if (!s.ClassGrids.empty())
      SetCellOpen(s, GridKind::kClass, any(s.ClassGrids).classNo, cell, 0);
  }
  for (; tries > 0 && !s.ClassLessons.empty(); --tries) {
    const TClassLessonRec cl = any(s.ClassLessons);
    const std::vector<int> lengths = WaitingBlockLengths(s, cl.classNo, cl.lesson);
    if (lengths.empty() || cl.teacherCount == 0) continue;
    const std::optional<Block> b =
        MakeBlock(s, cl.classNo, cl.lesson, lengths.front(), 1 + below(kCells));
    if (!b || !BlockFitsDay(*b) || !WindowTest(s, *b) || !AvailabilityTest(s, *b) ||
        !FreedomTest(s, *b))
      continue;
    if (!PlaceBlock(s, *b, nullptr)) {
      ++refused;
      continue;
    }
    if (below(4) == 0) ToggleClassLock(s, b->startCell, b->classes[0]);
  }
  return refused;
}

}  // namespace kalvodrin
