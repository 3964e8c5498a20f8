#pragma once
// The start hours the placement search never tries for a block, whatever stands in the
// timetable, and why. The search and the why-not report both ask this one function, so
// the report cannot paint a start cell open that the run would never try.

#include "core/school.h"
#include "engine/block.h"

namespace kalvodrin {

enum class StartSkip {
  kTried,          // the search tries the start
  kNotAtHour,      // the lesson's blocks of 2 or more never start at this hour
  kNotAfterHour,   // the lesson should end within its early hours, and they have room
  kAlignedBlocks,  // aligned blocks: an even block starts at an odd hour only
};

// Whether the block's first teacher still has room for it within the lesson's early
// hours of the class's days (when it has, a later start is not tried). Never for a
// teacher of both shifts, nor for a run's own request at a fixed cell.
bool EarlyHoursHaveRoom(const School& school, const Block& block, bool fixedAtDepthOne);

// Why the search skips the start `hour` of a `length`-hour block of `lesson` in a class
// day beginning at `firstHour`; `earlyRoom` is asked only where the early-hours rule
// applies. `blocksAligned` is the run's aligned-blocks switch.
template <typename EarlyRoom>
StartSkip StartSkipAt(const TLessonRec& lesson, int length, int hour, int firstHour,
                      bool blocksAligned, EarlyRoom earlyRoom) {
  if (lesson.notAtHour != 0 && length >= 2 && hour == lesson.notAtHour)
    return StartSkip::kNotAtHour;
  if (lesson.notAfterHour != 0 && hour + length - firstHour > lesson.notAfterHour && earlyRoom())
    return StartSkip::kNotAfterHour;
  if (blocksAligned && length % 2 == 0 && hour % 2 == 0) return StartSkip::kAlignedBlocks;
  return StartSkip::kTried;
}

// The run's aligned-blocks switch at its start: the settings ask for it and every class
// ends every day at hour 6 or 12.
bool RunAlignsBlocks(const School& school);

}  // namespace kalvodrin
