#pragma once
// The day-by-hour grid of a printed weekly timetable: a heading row with the hour
// numbers and start times, a row per weekday, and up to three text lines per cell.

#include <array>
#include <functional>
#include <string>

#include "printing/report_printer.h"

namespace kalvodrin {

// The lines one cell shows (cp1254); empty lines are not drawn.
using CellLines = std::array<std::string, 3>;
using CellTexts = std::function<CellLines(int cell)>;

struct GridShape {
  int nHours = 1;  // hour columns
  int rowH = 0;
  int colW = 0;
};

// Three lines a row in the current font, and a quarter line more when rooms are
// printed as a third line.
int TimetableRowHeight(const ReportPrinter& p);

// Draws the grid at PrintY in the current font, sets TableWidth and moves PrintY
// below the grid.
void DrawTimetableGrid(ReportPrinter& p, const GridShape& shape, const CellTexts& cells);

}  // namespace kalvodrin
