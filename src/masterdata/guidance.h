#pragma once
// The guidance lesson ("REHBERLİK DERSİ"): which pool lesson it is and its fixed slot
// (day and lesson hour) for the morning-shift and for the afternoon-shift classes,
// five bytes of the settings record. The window edits a pending entry; nothing
// reaches the record before it is stored, so leaving the window changes nothing.

#include <string>
#include <vector>

#include "core/change.h"
#include "core/list_rows.h"
#include "core/school.h"

namespace kalvodrin {

struct GuidanceEntry {
  int lesson = 0;           // 0 = none
  int dayMorning = 1;       // 1..5 (PAZARTESİ..CUMA), the day box
  std::string hourMorning;  // the hour box, up to 2 digits; empty leaves the hour
  int dayAfternoon = 1;
  std::string hourAfternoon;
  bool hoursCleared = false;  // both stored hours go to 0 before the boxes are taken
};

// The lesson grid: "NO" (hidden), "DERSİN ADI", "HDS", every pool lesson in pool order.
std::vector<ListColumn> GuidanceColumns();
std::vector<ListRow> GuidanceRows(const School& school);

// The entry the window opens with. A stored lesson number that names no pool lesson
// counts as none; a stored day outside 1..5 shows as PAZARTESİ; an hour of 0 shows
// as an empty box.
GuidanceEntry GuidanceEntryOf(const School& school);

// Clearing (double click on the lesson name, or F7): no lesson, both hours to 0; the
// days stay.
void ClearGuidance(GuidanceEntry& entry);

// Stores the entry in the settings record. With a lesson, the days and every hour box
// that is not empty are taken; without one, only the lesson (and a clearing) is.
// kHourOutOfRange when a box holds an hour above 16: no cell of the timetable has it.
// kInvalid when a box holds something other than up to 2 digits, or a day lies
// outside 1..5.
Change StoreGuidance(School& school, const GuidanceEntry& entry);

}  // namespace kalvodrin
