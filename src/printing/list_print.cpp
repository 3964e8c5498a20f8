#include "printing/list_print.h"

#include <algorithm>

#include "core/duty_chart.h"
#include "core/field_text.h"
#include "printing/print_facts.h"

namespace kalvodrin {
namespace {

// The teacher's duty days and places for the two duty columns of the list.
std::pair<std::string, std::string> DutyColumns(const School& school, int teacher) {
  std::string days, places;
  for (const TeacherDuty& d : TeacherDuties(school, teacher)) {
    if (!days.empty()) {
      days += " ";
      places += ", ";
    }
    days += d.day;
    places += d.place;
  }
  return {days, places};
}

}  // namespace

void PrintTeacherList(Canvas& canvas, const School& school, const PrintOptions& options) {
  ReportPrinter p(canvas, school, options);
  const TSettingsRec& s = school.Settings;
  canvas.BeginDoc();
  p.PrintX = s.leftMargin.get();
  p.PrintY = s.topMargin.get();
  p.SetFont("Courier New", 10, true);
  const int rowH = p.LineH() + 3;
  const int rowsPerPage = p.TimetablePage().height / rowH - 3;
  p.Out((p.TimetablePage().width - p.PrintX - 16 * p.CharW()) / 2, p.PrintY, "ÖĞRETMEN LİSTESİ");
  p.PrintY += (3 * rowH) / 2;

  p.SetSize(9);
  const int cw = p.CharW();
  const int c1 = p.PrintX + 4 * cw;
  const int c2 = c1 + 30 * cw;
  const int c3 = c2 + 15 * cw;
  const int c4 = c3 + 15 * cw;
  const int c5 = c4 + 15 * cw;
  p.SetUnderline(true);
  p.Out(p.PrintX, p.PrintY, "No");
  p.Out(c1, p.PrintY, "Adı Soyadı");
  p.Out(c2, p.PrintY, "Sınıf Öğr.");
  p.Out(c3, p.PrintY, "Eğitsel Kolu");
  p.Out(c4, p.PrintY, "Nöbet Günü");
  p.Out(c5, p.PrintY, "Nöbet Yeri");
  p.SetUnderline(false);
  p.SetBold(false);

  int rowsOnPage = 2;  // the heading counts as two rows on the first page
  for (const TTeacherRec& t : school.Teachers) {
    p.PrintY += rowH;
    if (rowsOnPage >= rowsPerPage) {
      canvas.NewPage();
      p.PrintY = 5;
      rowsOnPage = 0;
    }
    ++rowsOnPage;
    const int y = p.PrintY + rowH;
    p.Out(p.PrintX, y, std::to_string(t.order));
    p.OutCp(c1, y, t.name.view());
    p.OutCp(c2, y, t.classTeacherOf.view());
    p.OutCp(c3, y, t.club.view());
    const auto [days, places] = DutyColumns(school, t.number);
    p.Out(c4, y, FitText(days, 14));
    p.OutCp(c5, y, FitText(places, 30));
  }
  canvas.EndDoc();
}

namespace {

struct DutyTable {
  int nDays = 5;
  int colW = 0;
  int lineH = 0;
};

void DutyHeading(ReportPrinter& p, const DutyTable& t) {
  const int right = p.PrintX + p.TableWidth;
  p.SetBold(true);
  p.Line(p.PrintX, p.PrintY, right, p.PrintY);
  p.Line(p.PrintX, p.PrintY + 2 * t.lineH, right, p.PrintY + 2 * t.lineH);
  for (int k = 0; k <= t.nDays + 1; ++k)
    p.Line(p.PrintX + k * t.colW, p.PrintY, p.PrintX + k * t.colW, p.PrintY + 2 * t.lineH);
  const int cw = p.CharW();
  const int y = p.PrintY + t.lineH / 2;
  p.Out(p.PrintX + CentredX(t.colW, 13, cw), y, "NÖBET YERLERİ");
  for (int day = 1; day <= t.nDays; ++day) {
    const std::string_view name = DayName(day);
    p.Out(p.PrintX + day * t.colW + CentredX(t.colW, Utf8Length(name), cw), y, name);
  }
  p.PrintY += 2 * t.lineH;
}

// The most duties the place has on one of the chart's days: the height of its block.
// The stored counts decide it as the duty window keeps them; the duties found count
// too, so a stale count never lets names run out of the block.
int BusiestDay(const School& school, const DutyChartPlace& place, int nDays) {
  const TDutyPlaceRec* record = school.DutyPlaceByNo(place.number);
  int busiest = 0;
  for (int day = 1; day <= nDays; ++day)
    busiest =
        std::max({busiest, static_cast<int>(record->perDay[static_cast<std::size_t>(day - 1)]),
                  place.DutiesOn(day)});
  return busiest;
}

}  // namespace

void PrintDutyChart(Canvas& canvas, const School& school, const PrintOptions& options) {
  ReportPrinter p(canvas, school, options);
  const TSettingsRec& s = school.Settings;
  DutyTable t;
  t.nDays = s.weekdaysOnly != 0 ? 5 : 7;
  canvas.BeginDoc();
  p.PrintX = s.leftMargin.get();
  p.PrintY = s.topMargin.get();
  const PageSize page = p.TimetablePage();
  p.PrintTitle("ÖĞRETMEN NÖBET ÇİZELGESİ", s.fontName.view(), page.width);
  p.PrintY += p.LineH();

  p.SetFont(s.fontName.view(), 10, true);
  p.TableWidth = page.width - 2 * p.PrintX;
  t.colW = p.TableWidth / (t.nDays + 1);
  while (p.font().size > 1 && t.colW < 9 * p.CharW()) p.SetSize(p.font().size - 1);
  t.lineH = p.LineH();
  DutyHeading(p, t);

  const int cw = std::max(1, p.CharW());
  const int maxChars = std::max(0, (t.colW - 30 + cw - 1) / cw);
  for (const DutyChartPlace& place : DutyChartOf(school)) {
    const int k = BusiestDay(school, place, t.nDays);
    if (k == 0) continue;
    const int bh = k * t.lineH - (k - 1) * (t.lineH / 4);
    if (p.PrintY + bh + t.lineH > page.height) {
      canvas.NewPage();
      p.PrintY = s.topMargin.get();
      DutyHeading(p, t);
    }
    p.Line(p.PrintX, p.PrintY + bh, p.PrintX + p.TableWidth, p.PrintY + bh);
    for (int c = 0; c <= t.nDays + 1; ++c)
      p.Line(p.PrintX + c * t.colW, p.PrintY, p.PrintX + c * t.colW, p.PrintY + bh);
    p.SetBold(true);
    p.OutCp(p.PrintX + 10, p.PrintY + t.lineH / 4, school.DutyPlaceByNo(place.number)->name.view());
    p.SetBold(false);
    for (int day = 1; day <= t.nDays; ++day) {
      const auto& teachers = place.teachers[static_cast<std::size_t>(day - 1)];
      for (std::size_t n = 0; n < teachers.size(); ++n)
        p.OutCp(p.PrintX + day * t.colW + 10,
                p.PrintY + t.lineH / 4 + (t.lineH / 3) * 2 * static_cast<int>(n),
                FitText(TeacherName(school, teachers[n]), maxChars));
    }
    p.PrintY += bh;
  }
  canvas.EndDoc();
}

}  // namespace kalvodrin
