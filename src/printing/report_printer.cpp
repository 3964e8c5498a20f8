#include "printing/report_printer.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "core/turkish_text.h"

namespace kalvodrin {

std::string FitText(std::string_view text, int n) {
  std::string padded(text);
  padded.append(18, ' ');
  if (n < 0) n = 0;
  padded.resize(std::min(padded.size(), static_cast<std::size_t>(n)));
  while (!padded.empty() && padded.back() == ' ') padded.pop_back();
  return padded;
}

int CentredX(int w, int length, int charW) { return (w - length * charW) / 2; }

std::string TodayText() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[48];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", local.tm_mday, local.tm_mon + 1,
                local.tm_year + 1900);
  return text;
}

void ReportPrinter::SetFont(std::string_view cp1254Name, int size, bool bold, bool underline) {
  canvas_.SetFont(Font{Cp1254ToUtf8(cp1254Name), size, bold, underline});
}

void ReportPrinter::SetSize(int size) {
  Font f = canvas_.CurrentFont();
  f.size = size;
  canvas_.SetFont(f);
}

void ReportPrinter::SetBold(bool bold) {
  Font f = canvas_.CurrentFont();
  f.bold = bold;
  canvas_.SetFont(f);
}

void ReportPrinter::SetUnderline(bool underline) {
  Font f = canvas_.CurrentFont();
  f.underline = underline;
  canvas_.SetFont(f);
}

void ReportPrinter::OutCp(int x, int y, std::string_view cp1254) {
  canvas_.Text(x, y, Cp1254ToUtf8(cp1254));
}

void ReportPrinter::PrintTitle(std::string_view utf8Title, std::string_view cp1254FontName,
                               int pageWidth) {
  SetFont(cp1254FontName, 12, true);
  Out(CentredX(pageWidth, Utf8Length(utf8Title), CharW()), PrintY, utf8Title);
  SetSize(9);
  SetBold(false);
  Out(pageWidth - 24 * CharW(), PrintY + LineH() / 8, "Tarih : " + options_.date);
  PrintY += LineH();
}

}  // namespace kalvodrin
