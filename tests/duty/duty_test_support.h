#pragma once
// A small school for the duty tests: teachers with lessons placed on chosen days and
// duty places, built in a few lines.

#include <string>
#include <string_view>

#include "core/turkish_text.h"
#include "school_builder.h"

namespace kalvodrin {

inline std::string Cp(std::string_view utf8) { return Utf8ToCp1254(utf8).value_or("?"); }
inline std::string Utf(std::string_view cp1254) { return Cp1254ToUtf8(cp1254); }

// Every counter of every place equals the number of its duty records.
inline bool CountersMatchRecords(const School& school) {
  for (const TDutyPlaceRec& p : school.DutyPlaces)
    for (int day = 1; day <= 7; ++day) {
      int records = 0;
      for (const TDutyRec& d : school.Duties) records += d.place == p.number && d.day == day;
      if (p.perDay[static_cast<std::size_t>(day - 1)] != records) return false;
    }
  return true;
}

}  // namespace kalvodrin
