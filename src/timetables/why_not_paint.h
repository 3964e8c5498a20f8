#pragma once
// What the why-not grid of the unplaced-lessons report shows: for each start hour of
// the selected lesson's next block, the first thing that stops it there, in the
// colours the teacher timetable window gives the same things (black: someone is
// there, red: the teacher's closed hour, blue: a class's or classroom's closed hour,
// lime: free). The rules have no colour of their own in the timetables and take the
// load overlay's red on yellow. A cell stopped by one thing alone is underlined: that
// is where one change lets the hour in.

#include <string>
#include <vector>

#include "core/school.h"
#include "scheduler/why_not.h"
#include "timetables/cell_paint.h"

namespace kalvodrin {

// The row's answer for a block starting at the cell; nullptr where no block of the
// row's length starts (outside the class's day, or the row has no next block).
const WhyNotCell* WhyNotCellAt(const WhyNotRow& row, int cell);

// One data cell (1..80) of the grid; `cursor` is the cell under the grid's cursor.
CellPaint PaintWhyNotCell(const School& school, const WhyNotRow& row, int cell, int cursor);

struct WhyNotLegendEntry {
  CellPaint sample;  // a cell painted as the grid paints it
  std::string text;  // UTF-8
};

// The legend beside the grid, one entry for each colour and for the underline.
std::vector<WhyNotLegendEntry> WhyNotLegend();

}  // namespace kalvodrin
