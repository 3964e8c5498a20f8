#pragma once
// Cancelling all placements at once, so that placement can start again.

#include "core/data_files.h"
#include "core/school.h"

namespace kalvodrin {

struct ResetOptions {
  bool clearClosedCells = false;      // open and empty closed cells too
  bool clearSpecialSettings = false;  // teachers' own settings back to their defaults
};

// Empties every open cell of every teacher, class and classroom timetable (every cell
// with clearClosedCells); what stays in closed cells stays counted. Teacher placed
// counters and class free hours are rebuilt from what is left, and a kept hour whose
// block lost hours gets the block length and start of what is left of it. Returns the
// three timetable files.
FileSet ResetPlacements(School& school, const ResetOptions& options);

}  // namespace kalvodrin
