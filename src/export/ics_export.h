#pragma once
// The timetables as iCalendar files, one per teacher and one per class: every
// placed hour is a weekly repeating event from the first such weekday on or after
// the start date, at the hour's start time from the settings. Times are local
// ("floating"), as a school's bell times are.
//
// A re-export must update the calendars teachers subscribed to or imported, not add
// to them: every event's UID names its calendar, class, lesson and which hour of that
// lesson in the week it is, so a lesson moved to another hour keeps its UID; DTSTAMP
// is the time of the export; and SEQUENCE, read from the export before, stays when
// the event is as it was and grows by one when it changed.

#include <ctime>
#include <map>
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
  std::string stamp;       // the export's time in UTC, "20261209T013000Z"; empty: the
                           // start date at midnight
  // The files of the previous export by name, for the events' SEQUENCE.
  std::map<std::string, std::string> previous;
};

struct IcsExport {
  std::vector<ExportFile> files;
  int hoursWithoutStartTime = 0;  // placed hours left out: no start time to put them at
};

IcsExport CalendarExport(const School& school, const IcsOptions& options);

// The UTC time as DTSTAMP writes it.
std::string IcsStamp(std::time_t time);

// A content line folded at 75 octets, never inside a UTF-8 character, ended by CRLF.
std::string FoldIcsLine(std::string_view line);
// Text with \ ; , and line breaks escaped as iCalendar TEXT values need.
std::string IcsText(std::string_view text);

}  // namespace kalvodrin
