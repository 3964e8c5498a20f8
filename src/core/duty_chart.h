#pragma once
// The duty chart ("NÖBET ÇİZELGESİ"): for every duty place, in place order, the teachers
// on duty each day. The chart window shows it and the printout draws it, so both list
// the same duties.

#include <array>
#include <vector>

#include "core/school.h"

namespace kalvodrin {

struct DutyChartPlace {
  int number = 0;
  // Day 1..7, all seven whatever the weekdays switch: the teachers on duty, in duty-list
  // order.
  std::array<std::vector<int>, 7> teachers{};

  int DutiesOn(int day) const;  // day 1..7
  int Total() const;            // "TOP.": the duties of all seven days
};

// Every place in place order; a duty whose teacher no longer exists is not listed.
std::vector<DutyChartPlace> DutyChartOf(const School& school);

}  // namespace kalvodrin
