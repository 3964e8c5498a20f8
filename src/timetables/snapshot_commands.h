#pragma once
// "SAKLA" and "DEĞİŞİKLERİ GERİ AL" of the teacher timetable window: keeping the
// timetables aside while they are edited by hand, and putting them back.

#include <string>

#include "core/change.h"
#include "core/school.h"
#include "core/status.h"

namespace kalvodrin {

struct SnapshotRestore {
  Status read = Status::Ok();  // a snapshot file that could not be read; nothing changed
  // kDone with the three timetable files to rewrite; kSnapshotMismatch when the kept
  // timetables no longer fit the lessons as they are now (see `problem`), nothing
  // changed then either.
  Change change;
  std::string problem;  // the first disagreement found, UTF-8
};

// Copies the kept timetables over the current ones (missing files are skipped) and
// recounts the hour totals. Lessons given or taken away since the snapshot would leave
// timetables that disagree with them, which no window could mend: such a snapshot is
// refused whole, unless the timetables disagreed already before.
SnapshotRestore RestoreTimetables(School& school);

}  // namespace kalvodrin
