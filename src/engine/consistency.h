#pragma once
// The consistency check of the timetables and the assignments they rest on, used by
// tests and by `kalvodrin-cli check`.

#include <string>
#include <vector>

#include "core/school.h"

namespace kalvodrin {

// One line per problem, naming the record and the cell: teacher, class and classroom
// timetables that disagree about a placed cell (occupant, block length, block start,
// members of a common lesson), placed-hour and free-hour counters that disagree with
// the planes, blocks that are not one run on one day, cells holding a lesson their
// participants do not take, numbers in the assignment lists that name nothing, and
// weekly-hour totals that differ from their recount.
// Empty when everything agrees. Reads only within bounds, whatever the bytes.
std::vector<std::string> CheckConsistency(const School& school);

}  // namespace kalvodrin
