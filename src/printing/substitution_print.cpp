#include "printing/substitution_print.h"

#include <algorithm>
#include <array>
#include <string>

namespace kalvodrin {
namespace {

// Column widths in characters: SAAT, SINIF, DERSİN ADI, GELMEYEN, GÖREVLİ, İMZA.
constexpr std::array<int, 6> kColumnChars = {6, 12, 26, 26, 26, 16};
constexpr std::array<std::string_view, 6> kHeadings = {
    "SAAT", "SINIF", "DERSİN ADI", "GELMEYEN ÖĞRETMEN", "GÖREVLİ ÖĞRETMEN", "İMZA"};

struct Table {
  std::array<int, 7> x{};  // the column edges
  int rowH = 0;
};

Table Columns(ReportPrinter& p, int pageWidth) {
  Table t;
  int chars = 0;
  for (int c : kColumnChars) chars += c;
  // Wide enough to read and never wider than the page: the columns share what is there.
  const int width = std::min(chars * p.CharW(), pageWidth - 2 * p.PrintX);
  t.x[0] = p.PrintX;
  int sum = 0;
  for (std::size_t c = 0; c < kColumnChars.size(); ++c) {
    sum += kColumnChars[c];
    t.x[c + 1] = p.PrintX + width * sum / chars;
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
  for (std::size_t c = 0; c < kHeadings.size(); ++c)
    p.Out(t.x[c] + p.CharW() / 2, p.PrintY + t.rowH / 4, kHeadings[c]);
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

}  // namespace

void PrintSubstitutionSheet(Canvas& canvas, const School& school, const SubstitutionSheet& sheet,
                            const PrintOptions& options) {
  ReportPrinter p(canvas, school, options);
  const TSettingsRec& s = school.Settings;
  canvas.BeginDoc();
  p.PrintX = s.leftMargin.get();
  p.PrintY = s.topMargin.get();
  const PageSize page = p.TimetablePage();
  p.PrintTitle("DERS GÖREVLENDİRME ÇİZELGESİ", s.fontName.view(), page.width);
  p.SetFont(s.fontName.view(), 10, false);
  p.PrintY += p.LineH();
  p.OutCp(p.PrintX, p.PrintY, s.schoolName.view());
  p.PrintY += p.LineH() + p.LineH() / 2;
  p.SetBold(true);
  p.Out(p.PrintX, p.PrintY, "Görev Tarihi : " + sheet.date + "  " + sheet.dayName);
  p.SetBold(false);
  p.PrintY += 2 * p.LineH();

  const Table t = Columns(p, page.width);
  Heading(p, t);
  for (const SubstitutionSheetRow& row : sheet.rows) {
    if (p.PrintY + t.rowH + p.LineH() > page.height) {
      canvas.NewPage();
      p.PrintY = s.topMargin.get();
      Heading(p, t);
    }
    Frame(p, t, p.PrintY);
    const std::array<const std::string*, 5> cells = {&row.hour, &row.className, &row.lesson,
                                                     &row.absent, &row.substitute};
    for (std::size_t c = 0; c < cells.size(); ++c)
      p.Out(t.x[c] + p.CharW() / 2, p.PrintY + t.rowH / 4, FitUtf8(*cells[c], Fits(p, t, c)));
    p.PrintY += t.rowH;
  }
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

}  // namespace kalvodrin
