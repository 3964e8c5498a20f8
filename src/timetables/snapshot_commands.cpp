#include "timetables/snapshot_commands.h"

#include <string>
#include <vector>

#include "core/snapshot.h"
#include "engine/consistency.h"
#include "engine/counts.h"
#include "timetables/timetable_commands.h"

namespace kalvodrin {

SnapshotRestore RestoreTimetables(School& school) {
  SnapshotRestore out;
  const bool wasConsistent = CheckConsistency(school).empty();
  const auto teachers = school.TeacherGrids;
  const auto classes = school.ClassGrids;
  const auto rooms = school.RoomGrids;
  out.read = RestoreSnapshot(school);
  if (!out.read) return out;
  CountAllHours(school);
  if (wasConsistent) {
    if (std::vector<std::string> problems = CheckConsistency(school); !problems.empty()) {
      // The records were copied over in place, so the old ones go back the same way.
      school.TeacherGrids = teachers;
      school.ClassGrids = classes;
      school.RoomGrids = rooms;
      out.problem = problems.front();
      out.change = Refused(Outcome::kSnapshotMismatch);
      return out;
    }
  }
  out.change = Change{Outcome::kDone, TimetableFiles(), 0, 0};
  return out;
}

}  // namespace kalvodrin
