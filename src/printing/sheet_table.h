#pragma once
// The wide table every overview sheet is drawn as: a block of columns naming the
// entity of a line, then for each day of the part a group of hour columns; a heading
// two lines high with the day names over their groups and the hour numbers; one line
// per entity with up to three text lines in each cell; new pages when the page runs
// out, each starting with the heading again.

#include <array>
#include <string>
#include <vector>

#include "printing/report_printer.h"
#include "printing/timetable_grid.h"

namespace kalvodrin {

struct SheetColumn {
  std::string heading;  // UTF-8
  int width = 0;        // device units
};

// One line of the sheet: the texts of the left columns and of each cell (cp1254),
// cells[day - 1][column - 1].
struct SheetLine {
  std::vector<std::string> left;
  std::array<std::vector<CellLines>, 5> cells;
};

struct SheetSpec {
  std::string title;  // UTF-8; empty: no title block
  std::vector<SheetColumn> left;
  int hourColumns = 1;      // per day
  int hourColumnWidth = 0;  // device units
  std::string legend;       // UTF-8, above each heading: what the cell lines are
  int lineHeight = 0;       // of one sheet line
  int reserveLines = 4;     // a new page starts when fewer LineH than this remain
  std::vector<std::vector<int>> parts{{1, 2, 3, 4, 5}};  // the days of each part
};

// Days 1..5 split into `count` parts, the earlier parts taking the extra day.
std::vector<std::vector<int>> DayParts(int count);

// Draws the whole sheet as one print job. The font must be the sheet font; PrintX
// and PrintY set to where the sheet starts.
void DrawSheet(ReportPrinter& p, const SheetSpec& spec, const std::vector<SheetLine>& lines);

}  // namespace kalvodrin
