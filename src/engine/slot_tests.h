#pragma once
// The three slot tests: may the block's cells be used at all, ignoring the rules.
// Each answers no for a place outside one day or a participant without a timetable.

#include "core/school.h"
#include "engine/block.h"

namespace kalvodrin {

// The block lies inside the first class's hour window of its day (first and last hour
// both non-zero) and the first teacher has a usable hour that day (firstUsable != 0).
bool WindowTest(const School& school, const Block& block);

// Every cell of the block is open for every teacher, class and classroom.
bool AvailabilityTest(const School& school, const Block& block);

// Every cell of the block is free for every teacher, class and classroom.
bool FreedomTest(const School& school, const Block& block);

}  // namespace kalvodrin
