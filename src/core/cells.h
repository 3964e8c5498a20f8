#pragma once
// The timetable cell grid: 5 days of 16 hours, cell (day-1)*16 + hour, 1..80.

#include "core/settings_record.h"

namespace kalvodrin {

constexpr int CellIndex(int day, int hour) { return (day - 1) * kHoursPerDay + hour; }
constexpr int DayOfCell(int cell) { return (cell - 1) / kHoursPerDay + 1; }
constexpr int HourOfCell(int cell) { return (cell - 1) % kHoursPerDay + 1; }
constexpr bool IsCell(int cell) { return cell >= 1 && cell <= kCells; }

static_assert(CellIndex(3, 5) == 37);
static_assert(DayOfCell(80) == 5 && HourOfCell(80) == 16);
static_assert(DayOfCell(17) == 2 && HourOfCell(17) == 1);

}  // namespace kalvodrin
