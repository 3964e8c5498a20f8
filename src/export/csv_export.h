#pragma once
// The timetable as one CSV table: a row per placed hour (day, hour, start time,
// class, lesson, teachers, classrooms). UTF-8 with a byte-order mark, so that
// spreadsheet programs show the Turkish letters right; CRLF line ends and quoting
// as RFC 4180 has them. Fields are separated by ";" by default: a spreadsheet set to
// Turkish takes "," as the decimal comma and would put every row in one column.

#include <string>
#include <string_view>

#include "core/school.h"

namespace kalvodrin {

inline constexpr std::string_view kCsvFileName = "ders-programi.csv";

inline constexpr char kCsvSeparator = ';';

std::string TimetableCsv(const School& school, char separator = kCsvSeparator);

// A field quoted when it holds the separator, a quote or a line break. One that begins
// as a formula would (= + - @, or a tab or carriage return before one) gets a leading
// apostrophe, so that no spreadsheet runs it: a name typed as "=HYPERLINK(...)" stays text.
std::string CsvField(std::string_view text, char separator = kCsvSeparator);

}  // namespace kalvodrin
