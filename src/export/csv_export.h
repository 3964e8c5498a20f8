#pragma once
// The timetable as one CSV table: a row per placed hour (day, hour, start time,
// class, lesson, teachers, classrooms). UTF-8 with a byte-order mark, so that
// spreadsheet programs show the Turkish letters right; CRLF line ends and quoting
// as RFC 4180 has them.

#include <string>
#include <string_view>

#include "core/school.h"

namespace kalvodrin {

inline constexpr std::string_view kCsvFileName = "ders-programi.csv";

std::string TimetableCsv(const School& school);

// A field quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);

}  // namespace kalvodrin
