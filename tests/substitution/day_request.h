#pragma once
// A day's request as the tests of the proposal write it: the date and who is away.

#include <utility>
#include <vector>

#include "substitution/day_plan.h"

namespace kalvodrin {

inline DayRequest Request(SchoolDate date, std::vector<Absence> absences) {
  DayRequest request;
  request.date = date;
  request.absences = std::move(absences);
  return request;
}

}  // namespace kalvodrin
