#include "export/csv_export.h"

#include "core/field_text.h"
#include "export/placed_hours.h"

namespace kalvodrin {

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string TimetableCsv(const School& school) {
  std::string csv = "\xEF\xBB\xBF";
  csv += "GÜN,SAAT,BAŞLAMA,SINIF,DERS,ÖĞRETMENLER,DERSLİKLER\r\n";
  for (const PlacedHour& h : PlacedHours(school)) {
    csv += CsvField(DayName(h.day)) + ',' + std::to_string(h.hour) + ',' + CsvField(h.startTime) +
           ',' + CsvField(h.className) + ',' + CsvField(h.lessonName) + ',' +
           CsvField(JoinNames(h.teacherNames)) + ',' + CsvField(JoinNames(h.roomNames)) + "\r\n";
  }
  return csv;
}

}  // namespace kalvodrin
