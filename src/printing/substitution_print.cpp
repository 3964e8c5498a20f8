#include "printing/substitution_print.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kalvodrin {
namespace {

// A table's columns: their widths in characters and their headings.
struct ColumnsOf {
  std::vector<int> chars;
  std::vector<std::string_view> headings;
};

// The sheet: SAAT, SINIF, DERSİN ADI, GELMEYEN, GÖREVLİ, İMZA.
const ColumnsOf kSheetColumns{
    {6, 12, 26, 26, 26, 16},
    {"SAAT", "SINIF", "DERSİN ADI", "GELMEYEN ÖĞRETMEN", "GÖREVLİ ÖĞRETMEN", "İMZA"}};
// The free teachers: their place in the ranking, the name, why they stand there.
const ColumnsOf kFreeColumns{{6, 34, 44}, {"SIRA", "ÖĞRETMENİN ADI", "AÇIKLAMA"}};

struct Table {
  std::vector<int> x;  // the column edges
  std::vector<std::string_view> headings;
  int rowH = 0;
};

Table Columns(ReportPrinter& p, int pageWidth, const ColumnsOf& columns) {
  Table t;
  t.headings = columns.headings;
  int chars = 0;
  for (int c : columns.chars) chars += c;
  // Wide enough to read and never wider than the page: the columns share what is there.
  const int width = std::min(chars * p.CharW(), pageWidth - 2 * p.PrintX);
  t.x.push_back(p.PrintX);
  int sum = 0;
  for (int c : columns.chars) {
    sum += c;
    t.x.push_back(p.PrintX + width * sum / chars);
  }
  t.rowH = 2 * p.LineH();
  return t;
}

void Frame(ReportPrinter& p, const Table& t, int top) {
  p.Line(t.x.front(), top + t.rowH, t.x.back(), top + t.rowH);
  for (int x : t.x) p.Line(x, top, x, top + t.rowH);
}

void Heading(ReportPrinter& p, const Table& t) {
  p.SetBold(true);
  p.Line(t.x.front(), p.PrintY, t.x.back(), p.PrintY);
  Frame(p, t, p.PrintY);
  for (std::size_t c = 0; c < t.headings.size(); ++c)
    p.Out(t.x[c] + p.CharW() / 2, p.PrintY + t.rowH / 4, t.headings[c]);
  p.SetBold(false);
  p.PrintY += t.rowH;
}

// The first n characters of a UTF-8 text, never half of one.
std::string FitUtf8(const std::string& text, int n) {
  std::size_t end = 0;
  for (int chars = 0; end < text.size(); ++end) {
    if ((static_cast<unsigned char>(text[end]) & 0xC0u) != 0x80u && chars++ == n) break;
  }
  return text.substr(0, end);
}

// The most characters of a text that fit in column c.
int Fits(ReportPrinter& p, const Table& t, std::size_t c) {
  return std::max(1, (t.x[c + 1] - t.x[c]) / std::max(1, p.CharW()) - 1);
}

// The title, the school and the bold line under them, then the table's heading.
Table Head(ReportPrinter& p, const School& school, std::string_view title,
           const std::string& dateLine, const ColumnsOf& columns) {
  const TSettingsRec& s = school.Settings;
  p.PrintX = s.leftMargin.get();
  p.PrintY = s.topMargin.get();
  const PageSize page = p.TimetablePage();
  p.PrintTitle(title, s.fontName.view(), page.width);
  p.SetFont(s.fontName.view(), 10, false);
  p.PrintY += p.LineH();
  p.OutCp(p.PrintX, p.PrintY, s.schoolName.view());
  p.PrintY += p.LineH() + p.LineH() / 2;
  p.SetBold(true);
  p.Out(p.PrintX, p.PrintY, dateLine);
  p.SetBold(false);
  p.PrintY += 2 * p.LineH();
  Table t = Columns(p, page.width, columns);
  Heading(p, t);
  return t;
}

// One row of texts in the table's columns, on a new page under the heading again where
// the page has no room left.
void Row(Canvas& canvas, ReportPrinter& p, const Table& t, int pageHeight, int top,
         const std::vector<const std::string*>& cells) {
  if (p.PrintY + t.rowH + p.LineH() > pageHeight) {
    canvas.NewPage();
    p.PrintY = top;
    Heading(p, t);
  }
  Frame(p, t, p.PrintY);
  for (std::size_t c = 0; c < cells.size(); ++c)
    p.Out(t.x[c] + p.CharW() / 2, p.PrintY + t.rowH / 4, FitUtf8(*cells[c], Fits(p, t, c)));
  p.PrintY += t.rowH;
}

}  // namespace

void PrintSubstitutionSheet(Canvas& canvas, const School& school, const SubstitutionSheet& sheet,
                            const PrintOptions& options) {
  ReportPrinter p(canvas, school, options);
  const TSettingsRec& s = school.Settings;
  canvas.BeginDoc();
  const Table t = Head(p, school, "DERS GÖREVLENDİRME ÇİZELGESİ",
                       "Görev Tarihi : " + sheet.date + "  " + sheet.dayName, kSheetColumns);
  const PageSize page = p.TimetablePage();
  for (const SubstitutionSheetRow& row : sheet.rows)
    Row(canvas, p, t, page.height, s.topMargin.get(),
        {&row.hour, &row.className, &row.lesson, &row.absent, &row.substitute});
  if (sheet.rows.empty()) {
    p.PrintY += p.LineH();
    p.Out(p.PrintX, p.PrintY, "Bu gün görevlendirme yok.");
  }

  // Signatures: the deputy head who made the plan, and the principal.
  if (p.PrintY + 6 * p.LineH() > page.height) {
    canvas.NewPage();
    p.PrintY = s.topMargin.get();
  }
  p.PrintY += 3 * p.LineH();
  const int right = t.x.back() - 24 * p.CharW();
  p.OutCp(p.PrintX + p.CharW(), p.PrintY, s.deputyName.view());
  p.OutCp(right, p.PrintY, s.principalName.view());
  p.PrintY += p.LineH();
  p.Out(p.PrintX + p.CharW(), p.PrintY,
        s.chiefDeputy != 0 ? "Müdür Baş Yardımcısı" : "Müdür Yardımcısı");
  p.Out(right, p.PrintY, "Müdür");
  canvas.EndDoc();
}

void PrintFreeTeachers(Canvas& canvas, const School& school, const FreeTeachersSheet& sheet,
                       const PrintOptions& options) {
  ReportPrinter p(canvas, school, options);
  canvas.BeginDoc();
  std::string when = sheet.date.empty() ? sheet.dayName : sheet.date + "  " + sheet.dayName;
  when += "  " + std::to_string(sheet.hour) + ". saat";
  const Table t = Head(p, school, "BOŞ ÖĞRETMENLER", "Boş olanlar : " + when, kFreeColumns);
  const PageSize page = p.TimetablePage();
  int rank = 0;
  for (const FreeTeachersRow& row : sheet.rows) {
    const std::string place = std::to_string(++rank);
    Row(canvas, p, t, page.height, school.Settings.topMargin.get(),
        {&place, &row.teacher, &row.notes});
  }
  if (sheet.rows.empty()) {
    p.PrintY += p.LineH();
    p.Out(p.PrintX, p.PrintY, "Bu saatte boş öğretmen yok.");
  }
  canvas.EndDoc();
}

}  // namespace kalvodrin
