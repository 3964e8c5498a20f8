#include "printing/timetable_grid.h"

#include "core/cells.h"
#include "printing/print_facts.h"

namespace kalvodrin {

int TimetableRowHeight(const ReportPrinter& p) {
  const int lineH = p.LineH();
  return p.settings().sheetPrintRooms.get() != 0 ? 3 * lineH + lineH / 4 : 3 * lineH;
}

void DrawTimetableGrid(ReportPrinter& p, const GridShape& shape, const CellTexts& cells) {
  const Font base = p.font();
  const int charW = p.CharW();
  const int lineH = p.LineH();
  const int x0 = p.PrintX;
  const int y0 = p.PrintY;
  const int rowH = shape.rowH;
  const int colW = shape.colW;
  p.TableWidth = colW * (shape.nHours + 1);

  for (int k = 0; k <= 6; ++k) p.Line(x0, y0 + k * rowH, x0 + p.TableWidth, y0 + k * rowH);
  for (int k = 0; k <= shape.nHours + 1; ++k)
    p.Line(x0 + k * colW, y0, x0 + k * colW, y0 + 6 * rowH);

  p.SetSize(base.size - 1);
  p.SetBold(true);
  p.Out(x0 + charW / 8, y0 + rowH / 8, "GÜNLER");
  p.SetSize(base.size);
  for (int day = 1; day <= kDays; ++day)
    p.Out(x0 + charW / 8, y0 + day * rowH + rowH / 8,
          DayAbbrevs[static_cast<std::size_t>(day - 1)]);
  for (int h = 1; h <= shape.nHours; ++h) {
    p.SetSize(base.size);
    p.SetBold(true);
    p.Out(x0 + charW + h * colW, y0 + rowH / 8, std::to_string(h));
    p.SetSize(base.size - 1);
    p.SetBold(false);
    p.OutCp(x0 + charW / 2 + h * colW, y0 + rowH / 2,
            p.settings().startTimes[static_cast<std::size_t>(h - 1)].view());
  }
  p.canvas().SetFont(base);

  for (int day = 1; day <= kDays; ++day)
    for (int h = 1; h <= shape.nHours; ++h) {
      const CellLines lines = cells(CellIndex(day, h));
      const int x = x0 + charW / 2 + h * colW;
      const int top = y0 + day * rowH;
      for (std::size_t i = 0; i < lines.size(); ++i)
        if (!lines[i].empty()) p.OutCp(x, top + static_cast<int>(i) * lineH + lineH / 8, lines[i]);
    }
  p.PrintY += 6 * rowH;
}

}  // namespace kalvodrin
