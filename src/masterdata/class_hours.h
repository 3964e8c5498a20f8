#pragma once
// The weekly lesson hours of the classes ("HAFTALIK DERS SAATLERİ": each day's first
// and last lesson hour) and the start times of the 16 lesson hours ("DERS BAŞLANGIÇ
// SAATLERİ").

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/change.h"
#include "core/pstr.h"
#include "core/school.h"

namespace kalvodrin {

// Day d (1..5) is byte d-1. A day whose first or last hour is 0 has no lessons.
struct ClassHours {
  DayBytes first{};
  DayBytes last{};
  bool operator==(const ClassHours&) const = default;
};

// The ten boxes of the window in their order: first and last hour of Monday, then of
// Tuesday, and so on.
using ClassHourTexts = std::array<std::string, 10>;

// All zero for a class without a timetable record.
ClassHours ClassHoursOf(const School& school, int classNo);
ClassHourTexts ClassHourTextsOf(const ClassHours& hours);

// The hours the ten boxes hold; empty while a box is empty or holds anything but
// one or two digits (nothing is stored then).
std::optional<ClassHours> ClassHoursFromTexts(const ClassHourTexts& texts);

// kDone when every hour lies within 0..16, no day's first hour lies after its last
// one and a day without lessons is 0 to 0 (not 0 to 5 or 3 to 0, which the user
// meant otherwise); else the outcome and the day of the first problem.
Change CheckClassHours(const ClassHours& hours);

// Stores the hours in the class's timetable record and brings the counts that rest on
// them up to date: the class's free hours per day (window length minus hours placed
// that day) and, for the teachers of the class, their window cells and the morning
// and afternoon hours (Monday's first hour decides the shift). Refused hours change
// nothing. Rewrites DUDIZIRX.LOF, and DUDIZIRZ.LOF when the class has teachers.
// kUnchanged when the hours are the stored ones.
Change SetClassHours(School& school, int classNo, const ClassHours& hours);

// F5: the hours of the class in the row above, stored for this class. kUnchanged for
// the first class.
Change CopyClassHoursFromAbove(School& school, int classNo);

// The start times of lesson hours 1..16, cp1254.
std::array<std::string, 16> StartTimeTexts(const School& school);
// True for an empty text (the hour has no start time) and for a clock time written
// as the window shows it, "08:30": hours 00..23, minutes 00..59, two digits each.
bool IsStartTime(std::string_view text);
// Stores each text cut to 5 characters. Rewrites DUDIZIRQ.LOF. A text that is no
// start time refuses the whole set with kBadStartTime, number = its lesson hour
// (the first such); nothing is stored then.
Change SaveStartTimes(School& school, const std::array<std::string, 16>& texts);
// The notice for a refused start time: the hour, what was typed and the form wanted.
std::string StartTimeNotice(int hour, std::string_view typed);

}  // namespace kalvodrin
