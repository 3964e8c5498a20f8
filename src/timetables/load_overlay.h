#pragma once
// The load overlay of the teacher window (F1): for every cell, how many weekly hours
// of the lessons around the teacher's classes are tied to teachers who cannot teach
// there. The selected teacher's own cells count as closed, so the figure shows how
// crowded a cell would be if that teacher gave it up.

#include <array>

#include "core/school.h"
#include "core/settings_record.h"

namespace kalvodrin {

// Index cell-1. Reads the school only.
std::array<int, kCells> LoadOverlay(const School& school, int teacher);

}  // namespace kalvodrin
