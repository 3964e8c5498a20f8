#pragma once
// Whether a block in the way could step aside, told from the mirror as it stands. The
// search asks it of nearly every place with blocks in its way, and most such blocks
// have no cell to go to once the place is taken: found out without changing the
// mirror, in a fraction of what taking the blocks out and putting them back costs.

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "scheduler/completion/completion_model.h"

namespace kalvodrin {

// The starts among the placed unit x's places (bit h of day d: a start at hour h)
// where every cell of its classes, teachers and rooms is free once the units of `out`
// (x among them) are taken out and the waiting `unit` stands at `start`: where a free
// place for x could then be, told without changing the mirror.
std::array<uint32_t, kDays + 1> FreeStartsOnceAside(const CompletionModel& model, int x, int unit,
                                                    int start, const std::vector<int>& out);

// Whether there is any such start.
inline bool CellsFreeSomewhere(const CompletionModel& model, int x, int unit, int start,
                               const std::vector<int>& out) {
  const std::array<uint32_t, kDays + 1> starts = FreeStartsOnceAside(model, x, unit, start, out);
  return std::any_of(starts.begin() + 1, starts.end(), [](uint32_t hours) { return hours != 0; });
}

}  // namespace kalvodrin
