#include "timetables/cell_paint.h"

#include <array>
#include <string_view>

#include "core/cells.h"
#include "core/turkish_text.h"

namespace kalvodrin {

std::string DayShortName(int day) {
  static constexpr std::array<std::string_view, 7> kNames = {"PZT.", "SALI", "ÇAR.", "PER.",
                                                             "CUMA", "CMT.", "PAZ."};
  if (day < 1 || day > 7) return {};
  return std::string(kNames[static_cast<std::size_t>(day - 1)]);
}

std::string ShortText(std::string_view cp1254) { return Cp1254ToUtf8(cp1254.substr(0, 4)); }

namespace {

CellPaint Header(int row, int column, int runCell, std::string_view hourPad) {
  CellPaint p;
  p.font = CellColor::kBlack;
  p.cell = CellColor::kButtonFace;
  if (row == 0 && column >= 1) p.text = std::string(hourPad) + std::to_string(column);
  if (column == 0 && row >= 1) p.text = DayShortName(row);
  if (IsCell(runCell) &&
      ((row == 0 && column == HourOfCell(runCell)) || (column == 0 && row == DayOfCell(runCell))))
    p.cell = CellColor::kInfoTip;
  return p;
}

}  // namespace

CellPaint PaintHeader(int row, int column, int runCell) { return Header(row, column, runCell, ""); }

CellPaint PaintTeacherHeader(int row, int column, int runCell) {
  return Header(row, column, runCell, "   ");
}

CellPaint PaintOverlay(int load) {
  CellPaint p;
  p.text = "  " + std::to_string(load);
  p.font = CellColor::kRed;
  p.cell = CellColor::kYellow;
  return p;
}

}  // namespace kalvodrin
