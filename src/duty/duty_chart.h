#pragma once
// The duty chart ("NÖBET ÇİZELGESİ"): for every duty place, in place order, its duties
// per day and the teachers on duty each day. The chart window shows it and the
// printout draws it; both read this and nothing else. Texts are UTF-8.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/school.h"

namespace kalvodrin {

// "PZT." .. "PAZ.", day 1..7.
inline constexpr std::array<std::string_view, 7> kShortDayNames = {"PZT.", "SAL.", "ÇAR.", "PER.",
                                                                   "CUM.", "CMT.", "PAZ."};

struct DutyChartPlace {
  int number = 0;
  std::string name;
  std::array<int, 7> perDay{};  // duties on day 1..7, all seven whatever the switch
  int total = 0;                // "TOP.": the sum over the seven days
  // The names of the teachers on duty each day, in duty-list order.
  std::array<std::vector<std::string>, 7> teachers{};
};

// Every place in place order; a duty whose teacher no longer exists is not listed.
std::vector<DutyChartPlace> DutyChartOf(const School& school);

}  // namespace kalvodrin
