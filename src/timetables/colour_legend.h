#pragma once
// What the colours of each timetable window mean, in the user's words: the legend the
// windows show under their grid. Kept beside the painters so that a colour a painter
// draws is never missing from the legend (the tests paint whole schools to check).

#include <string_view>
#include <vector>

#include "timetables/cell_paint.h"

namespace kalvodrin {

struct LegendEntry {
  CellColor font = CellColor::kBlack;
  CellColor cell = CellColor::kLime;
  std::string_view meaning;  // UTF-8
};

std::vector<LegendEntry> TeacherLegend();
std::vector<LegendEntry> ClassLegend();
std::vector<LegendEntry> RoomLegend();

}  // namespace kalvodrin
