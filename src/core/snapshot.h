#pragma once
// The snapshot of the timetables kept while they are edited by hand: the teacher,
// class and classroom grids copied to files beside the data files, read back to undo
// the edits, and compared with the current grids to find the teachers whose
// timetables changed since.

#include <vector>

#include "core/file_system.h"
#include "core/school.h"
#include "core/status.h"

namespace kalvodrin {

// Writes DUDIZIRZ.OLD, DUDIZIRX.OLD and DUDIZIRY.OLD from the grid collections, in
// collection order, all three or none.
Status TakeSnapshot(const School& school);
Status TakeSnapshot(const School& school, FileSystem& disk);

// Copies every snapshot record over the current grid of the same number, keeping its
// list link; records of numbers without a current grid are skipped, and so is a
// missing file. All three files are read before anything changes, so a file that
// cannot be read leaves every grid as it was. The caller writes the grid files.
Status RestoreSnapshot(School& school);

// Teachers 1..250 with a current grid whose class plane differs from the snapshot's,
// ascending; none without a snapshot. Only the classes taught count: opening a cell
// or changing a block's length alone is no change.
Status ChangedTeachers(const School& school, std::vector<int>& changed);

}  // namespace kalvodrin
