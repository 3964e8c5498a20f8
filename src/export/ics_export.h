#pragma once
// The timetables as iCalendar files, one per teacher and one per class: every
// placed hour is a weekly repeating event from the first such weekday on or after
// the start date, at the hour's start time from the settings. Times are local
// ("floating"), as a school's bell times are.

#include <string>
#include <string_view>
#include <vector>

#include "core/school.h"
#include "export/export_files.h"

namespace kalvodrin {

struct CalendarDate {
  int year = 0, month = 0, day = 0;
};

// "2026-09-07" -> the date; false for anything that is not a real date.
bool ParseCalendarDate(std::string_view text, CalendarDate& date);
// Monday = 1 .. Sunday = 7.
int Weekday(const CalendarDate& date);
CalendarDate AddDays(const CalendarDate& date, int days);

struct IcsOptions {
  CalendarDate start;      // the first week's events fall on or after this date
  int lessonMinutes = 40;  // length of one lesson hour
};

struct IcsExport {
  std::vector<ExportFile> files;
  int hoursWithoutStartTime = 0;  // placed hours left out: no start time to put them at
};

IcsExport CalendarExport(const School& school, const IcsOptions& options);

// A content line folded at 75 octets, never inside a UTF-8 character, ended by CRLF.
std::string FoldIcsLine(std::string_view line);
// Text with \ ; , and line breaks escaped as iCalendar TEXT values need.
std::string IcsText(std::string_view text);

}  // namespace kalvodrin
