#include "export/csv_export.h"

#include <initializer_list>

#include "core/field_text.h"
#include "export/placed_hours.h"

namespace kalvodrin {

std::string CsvField(std::string_view text, char separator) {
  const bool formula =
      !text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos;
  const char special[] = {separator, '"', '\r', '\n', '\0'};
  if (!formula && text.find_first_of(special) == std::string_view::npos) return std::string(text);
  std::string quoted = formula ? "\"'" : "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string TimetableCsv(const School& school, char separator) {
  std::string csv = "\xEF\xBB\xBF";
  const auto row = [&csv, separator](std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& f : fields) {
      if (!first) csv += separator;
      csv += CsvField(f, separator);
      first = false;
    }
    csv += "\r\n";
  };
  row({"GÜN", "SAAT", "BAŞLAMA", "SINIF", "DERS", "ÖĞRETMENLER", "DERSLİKLER"});
  for (const PlacedHour& h : PlacedHours(school))
    row({std::string(DayName(h.day)), std::to_string(h.hour), h.startTime, h.className,
         h.lessonName, JoinNames(h.teacherNames), JoinNames(h.roomNames)});
  return csv;
}

}  // namespace kalvodrin
