#pragma once
// Every byte of every timetable record of a school, in collection order, so that a
// test can tell whether an operation (or its roll-back) left the timetables exactly as
// they were.

#include <cstdint>
#include <vector>

#include "core/school.h"

namespace kalvodrin {

std::vector<uint8_t> GridImage(const School& school);

}  // namespace kalvodrin
