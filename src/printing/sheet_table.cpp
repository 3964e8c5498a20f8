#include "printing/sheet_table.h"

#include <numeric>

#include "core/field_text.h"

namespace kalvodrin {

std::vector<std::vector<int>> DayParts(int count) {
  std::vector<std::vector<int>> parts(static_cast<std::size_t>(count));
  const int base = 5 / count;
  const int extra = 5 % count;
  int day = 1;
  for (int k = 0; k < count; ++k)
    for (int n = 0; n < base + (k < extra ? 1 : 0); ++n)
      parts[static_cast<std::size_t>(k)].push_back(day++);
  return parts;
}

namespace {

int LeftWidth(const SheetSpec& spec) {
  return std::accumulate(spec.left.begin(), spec.left.end(), 0,
                         [](int sum, const SheetColumn& c) { return sum + c.width; });
}

int TableWidth(const SheetSpec& spec, const std::vector<int>& days) {
  return LeftWidth(spec) + static_cast<int>(days.size()) * spec.hourColumns * spec.hourColumnWidth;
}

// Vertical lines of every column between y1 and y2.
void ColumnLines(ReportPrinter& p, const SheetSpec& spec, const std::vector<int>& days, int y1,
                 int y2) {
  int x = p.PrintX;
  p.Line(x, y1, x, y2);
  for (const SheetColumn& c : spec.left) {
    x += c.width;
    p.Line(x, y1, x, y2);
  }
  for (std::size_t d = 0; d < days.size(); ++d)
    for (int h = 0; h < spec.hourColumns; ++h) {
      x += spec.hourColumnWidth;
      p.Line(x, y1, x, y2);
    }
}

void Heading(ReportPrinter& p, const SheetSpec& spec, const std::vector<int>& days) {
  const int lineH = p.LineH();
  const int cw = p.CharW();
  const int width = TableWidth(spec, days);
  if (!spec.legend.empty()) {
    p.Out(p.PrintX, p.PrintY, spec.legend);
    p.PrintY += lineH;
  }
  const int y = p.PrintY;
  p.Line(p.PrintX, y, p.PrintX + width, y);
  p.Line(p.PrintX, y + 2 * lineH, p.PrintX + width, y + 2 * lineH);
  ColumnLines(p, spec, days, y + lineH, y + 2 * lineH);
  for (int k = 0, x = p.PrintX; k <= static_cast<int>(spec.left.size()); ++k) {
    p.Line(x, y, x, y + lineH);
    if (k < static_cast<int>(spec.left.size())) x += spec.left[static_cast<std::size_t>(k)].width;
  }
  p.SetBold(true);
  int x = p.PrintX;
  for (const SheetColumn& c : spec.left) {
    p.Out(x + cw / 4, y + lineH / 8, c.heading);
    x += c.width;
  }
  p.SetBold(false);
  const int groupW = spec.hourColumns * spec.hourColumnWidth;
  for (int day : days) {
    p.Line(x, y, x, y + lineH);
    const std::string_view name = DayName(day);
    p.SetBold(true);
    p.Out(x + CentredX(groupW, Utf8Length(name), cw), y + lineH / 8, name);
    p.SetBold(false);
    for (int h = 1; h <= spec.hourColumns; ++h) {
      const std::string number = std::to_string(h);
      p.Out(x + (h - 1) * spec.hourColumnWidth +
                CentredX(spec.hourColumnWidth, static_cast<int>(number.size()), cw),
            y + lineH + lineH / 8, number);
    }
    x += groupW;
  }
  p.Line(x, y, x, y + lineH);
  p.PrintY += 2 * lineH;
}

void Line(ReportPrinter& p, const SheetSpec& spec, const std::vector<int>& days,
          const SheetLine& line) {
  const int lineH = p.LineH();
  const int cw = p.CharW();
  const int y = p.PrintY;
  p.Line(p.PrintX, y + spec.lineHeight, p.PrintX + TableWidth(spec, days), y + spec.lineHeight);
  ColumnLines(p, spec, days, y, y + spec.lineHeight);
  int x = p.PrintX;
  for (std::size_t k = 0; k < spec.left.size(); ++k) {
    if (k < line.left.size()) p.OutCp(x + cw / 4, y + lineH / 8, line.left[k]);
    x += spec.left[k].width;
  }
  for (int day : days) {
    const std::vector<CellLines>& cells = line.cells[static_cast<std::size_t>(day - 1)];
    for (int h = 0; h < spec.hourColumns; ++h) {
      if (static_cast<std::size_t>(h) < cells.size()) {
        const CellLines& texts = cells[static_cast<std::size_t>(h)];
        for (std::size_t i = 0; i < texts.size(); ++i)
          if (!texts[i].empty())
            p.OutCp(x + cw / 4, y + static_cast<int>(i) * lineH + lineH / 8, texts[i]);
      }
      x += spec.hourColumnWidth;
    }
  }
  p.PrintY += spec.lineHeight;
}

}  // namespace

void DrawSheet(ReportPrinter& p, const SheetSpec& spec, const std::vector<SheetLine>& lines) {
  const TSettingsRec& s = p.settings();
  const Font sheetFont = p.font();
  const PageSize page = p.SheetPage();
  p.canvas().BeginDoc();
  if (!spec.title.empty()) {
    p.PrintTitle(spec.title, s.sheetFontName.view(), page.width);
    p.canvas().SetFont(sheetFont);
  }
  for (std::size_t part = 0; part < spec.parts.size(); ++part) {
    const std::vector<int>& days = spec.parts[part];
    if (part > 0) {
      p.canvas().NewPage();
      p.PrintY = s.topMargin.get();
    }
    Heading(p, spec, days);
    for (std::size_t k = 0; k < lines.size(); ++k) {
      Line(p, spec, days, lines[k]);
      const bool more = k + 1 < lines.size();
      if (more && page.height - p.PrintY < spec.reserveLines * p.LineH()) {
        p.canvas().NewPage();
        p.PrintY = s.topMargin.get();
        Heading(p, spec, days);
      }
    }
  }
  p.canvas().EndDoc();
}

}  // namespace kalvodrin
