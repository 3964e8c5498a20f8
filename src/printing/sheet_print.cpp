#include "printing/sheet_print.h"

#include "core/cells.h"
#include "printing/print_facts.h"
#include "printing/sheet_table.h"

namespace kalvodrin {
namespace {

// Column widths in halves of a character.
int Halves(const ReportPrinter& p, int halves) {
  const int cw = p.CharW();
  return (halves / 2) * cw + (halves % 2) * (cw / 2);
}

bool SplitHalfDays(const School& s) { return s.Settings.sheetNoHalfDaySplit.get() == 0; }
bool PrintRooms(const School& s) { return s.Settings.sheetPrintRooms.get() != 0; }

// Starts a sheet: its margins and font.
ReportPrinter& StartSheet(ReportPrinter& p) {
  const TSettingsRec& s = p.settings();
  p.PrintX = s.sheetLeftMargin.get();
  p.PrintY = s.sheetTopMargin.get();
  p.SetFont(s.sheetFontName.view(), s.sheetFontSize.get());
  return p;
}

// Fills a line's cells day by day: column j (1..columns) of day d shows cell
// (d, first(d) + j - 1) through `texts`, blank past the day's last hour.
template <typename First, typename Texts>
void FillCells(SheetLine& line, int columns, First first, Texts texts) {
  for (int d = 1; d <= kDays; ++d) {
    auto& cells = line.cells[static_cast<std::size_t>(d - 1)];
    for (int j = 1; j <= columns; ++j) {
      const int hour = first(d) + j - 1;
      if (hour >= 1 && hour <= kHoursPerDay)
        cells.push_back(texts(CellIndex(d, hour)));
      else
        cells.emplace_back();
    }
  }
}

std::string Cut(std::string text, std::size_t n) {
  return text.substr(0, std::min(n, text.size()));
}

// ---- teachers ----

void TeacherSheetSplit(ReportPrinter& p) {
  const School& school = p.school();
  const bool sections = AnyClassHasSection(school);
  const int lineH = p.LineH();
  SheetSpec spec;
  spec.title = "HAFTALIK ÖĞRETMEN DERS PROGRAM ÇİZELGESİ";
  spec.left = {
      {"NO", Halves(p, 8)}, {"ADI SOYADI", Halves(p, 42)}, {"T", Halves(p, 6)}, {"", Halves(p, 4)}};
  spec.hourColumns = NHalf(school);
  spec.hourColumnWidth = Halves(p, 9);
  spec.lineHeight = sections ? 2 * lineH : (3 * lineH) / 2;
  spec.reserveLines = 4;

  std::vector<SheetLine> lines;
  for (const TTeacherRec& t : school.Teachers) {
    const TTeacherGridRec* grid = school.TeacherGridByNo(t.number);
    if (grid == nullptr) continue;
    const auto classAt = [grid](int cell) {
      return static_cast<int>(grid->occupant[static_cast<std::size_t>(cell - 1)]);
    };
    const auto head = [&](int hours, const char* mark) {
      SheetLine line;
      line.left = {std::to_string(t.order), FitText(t.name.view(), 20), std::to_string(hours),
                   mark};
      return line;
    };
    if (grid->morningHours != 0) {
      SheetLine line = head(grid->morningHours, "S");
      FillCells(
          line, spec.hourColumns, [](int) { return 1; },
          [&](int cell) {
            const int k = classAt(cell);
            if (k == 0 || !IsMorningClass(school, k)) return CellLines{};
            return CellLines{Cut(ClassName(school, k), 4),
                             sections ? Cut(ClassSection(school, k), 3) : "", ""};
          });
      lines.push_back(std::move(line));
    }
    if (grid->afternoonHours != 0) {
      SheetLine line = head(grid->afternoonHours, "\xD6");  // "Ö" in cp1254
      FillCells(
          line, spec.hourColumns, [&](int d) { return AfternoonStart(school, d); },
          [&](int cell) {
            const int k = classAt(cell);
            if (k == 0) return CellLines{};
            return CellLines{Cut(ClassName(school, k), 4),
                             IsMorningClass(school, k) ? "" : Cut(ClassSection(school, k), 3), ""};
          });
      lines.push_back(std::move(line));
    }
  }
  DrawSheet(p, spec, lines);
}

void TeacherSheetWhole(ReportPrinter& p) {
  const School& school = p.school();
  const bool rooms = PrintRooms(school);
  const int nHours = NHours(school);
  const int lineH = p.LineH();
  SheetSpec spec;
  spec.left = {{"NO", Halves(p, 8)}, {"ADI SOYADI", Halves(p, 42)}, {"T", Halves(p, 6)}};
  spec.hourColumns = nHours;
  spec.hourColumnWidth = Halves(p, rooms ? 17 : 9);
  spec.legend = rooms ? "Dersin Adı - Derslik Adı" : "Bölümü";
  spec.lineHeight = rooms ? 3 * lineH : 2 * lineH;
  spec.parts = DayParts(rooms && nHours > 6 ? 3 : 2);

  std::vector<SheetLine> lines;
  for (const TTeacherRec& t : school.Teachers) {
    const TTeacherGridRec* grid = school.TeacherGridByNo(t.number);
    if (grid == nullptr) continue;
    SheetLine line;
    line.left = {std::to_string(t.order), FitText(t.name.view(), 20),
                 std::to_string(grid->weeklyHours)};
    FillCells(
        line, nHours, [](int) { return 1; },
        [&](int cell) {
          const int k = grid->occupant[static_cast<std::size_t>(cell - 1)];
          if (k == 0) return CellLines{};
          if (!rooms)
            return CellLines{Cut(ClassName(school, k), 4), Cut(ClassSection(school, k), 3), ""};
          return CellLines{Cut(ShortClass(school, k), 8),
                           LessonShortName(school, ClassLessonNoAt(school, k, cell)),
                           Cut(FirstRoomName(school, ClassLessonAtCell(school, k, cell)), 8)};
        });
    lines.push_back(std::move(line));
  }
  DrawSheet(p, spec, lines);
}

// ---- classes ----

CellLines ClassSheetCell(const School& school, int classNo, int cell, bool withRoom,
                         std::size_t roomChars) {
  const int lesson = ClassLessonNoAt(school, classNo, cell);
  if (lesson == 0) return {};
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  return {LessonShortName(school, lesson), FirstTeacherOrder(school, cl),
          withRoom ? Cut(FirstRoomName(school, cl), roomChars) : ""};
}

void ClassSheetSplit(ReportPrinter& p) {
  const School& school = p.school();
  SheetSpec spec;
  spec.title = "HAFTALIK SINIF DERS PROGRAM ÇİZELGESİ";
  spec.left = {{"SINIF", Halves(p, 18)}, {"", Halves(p, 4)}};
  spec.hourColumns = NHalf(school);
  spec.hourColumnWidth = Halves(p, 9);
  spec.lineHeight = 2 * p.LineH();
  spec.reserveLines = 5;

  std::vector<SheetLine> lines;
  for (const TClassRec& c : school.Classes) {
    const bool morning = IsMorningClass(school, c.number);
    SheetLine line;
    line.left = {ShortClass(school, c.number), morning ? "S" : "\xD6"};
    const auto first = [&](int d) { return morning ? 1 : AfternoonStart(school, d); };
    FillCells(line, spec.hourColumns, first,
              [&](int cell) { return ClassSheetCell(school, c.number, cell, false, 0); });
    lines.push_back(std::move(line));
  }
  DrawSheet(p, spec, lines);
}

void ClassSheetWhole(ReportPrinter& p) {
  const School& school = p.school();
  const bool rooms = PrintRooms(school);
  const int nHours = NHours(school);
  SheetSpec spec;
  spec.left = {{"SINIF", Halves(p, 18)}};
  spec.hourColumns = nHours;
  spec.hourColumnWidth = Halves(p, rooms ? 17 : 9);
  spec.legend = "Öğr.No - Derslik";
  spec.lineHeight = 3 * p.LineH();
  spec.reserveLines = 5;
  spec.parts = DayParts(2);
  const std::size_t roomChars = rooms ? 8 : 4;

  std::vector<SheetLine> lines;
  for (const TClassRec& c : school.Classes) {
    SheetLine line;
    line.left = {ShortClass(school, c.number)};
    FillCells(
        line, nHours, [](int) { return 1; },
        [&](int cell) { return ClassSheetCell(school, c.number, cell, true, roomChars); });
    lines.push_back(std::move(line));
  }
  DrawSheet(p, spec, lines);
}

// ---- classrooms ----

void RoomSheetLines(ReportPrinter& p) {
  const School& school = p.school();
  const int nHours = NHours(school);
  SheetSpec spec;
  spec.left = {{"DERSLİK", Halves(p, 26)}};
  spec.hourColumns = nHours;
  spec.hourColumnWidth = Halves(p, 17);
  spec.lineHeight = 3 * p.LineH();
  spec.reserveLines = 4;
  spec.parts = DayParts(2);

  std::vector<SheetLine> lines;
  for (const TRoomRec& r : school.Rooms) {
    const TRoomGridRec* grid = school.RoomGridByNo(r.number);
    SheetLine line;
    line.left = {r.name.str()};
    FillCells(
        line, nHours, [](int) { return 1; },
        [&](int cell) {
          const int k = grid != nullptr ? grid->occupant[static_cast<std::size_t>(cell - 1)] : 0;
          if (k == 0) return CellLines{};
          const int lesson = ClassLessonNoAt(school, k, cell);
          return CellLines{Cut(ShortClass(school, k), 8), LessonShortName(school, lesson),
                           FirstTeacherOrder(school, school.ClassLessonAt(k, lesson))};
        });
    lines.push_back(std::move(line));
  }
  DrawSheet(p, spec, lines);
}

}  // namespace

void PrintTeacherSheet(Canvas& canvas, const School& school, const PrintOptions& options) {
  ReportPrinter p(canvas, school, options);
  if (SplitHalfDays(school))
    TeacherSheetSplit(StartSheet(p));
  else
    TeacherSheetWhole(StartSheet(p));
}

void PrintClassSheet(Canvas& canvas, const School& school, const PrintOptions& options) {
  ReportPrinter p(canvas, school, options);
  if (SplitHalfDays(school))
    ClassSheetSplit(StartSheet(p));
  else
    ClassSheetWhole(StartSheet(p));
}

void PrintRoomSheet(Canvas& canvas, const School& school, const PrintOptions& options) {
  ReportPrinter p(canvas, school, options);
  RoomSheetLines(StartSheet(p));
}

}  // namespace kalvodrin
