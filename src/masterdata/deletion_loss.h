#pragma once
// What a deletion takes with it, counted before the user is asked: a lesson, class or
// teacher goes with its class lessons, the teachers' assignments and the placed hours
// of the timetable; a teacher with duties, a classroom with its place in class lessons.

#include <string>

#include "core/school.h"
#include "masterdata/entry_text.h"

namespace kalvodrin {

struct DeletionLoss {
  int classLessons = 0;  // class lessons that go
  int assignments = 0;   // lessons given to teachers that go
  int placedHours = 0;   // placed hours, counted per class (a joint hour once a class)
  int duties = 0;
  int roomLinks = 0;  // class lessons that lose the classroom

  bool operator==(const DeletionLoss&) const = default;
};

// Runs the window's own delete on a copy of the school and counts the difference, so
// that the count is what the deletion does, never a second account of it.
DeletionLoss CountDeletionLoss(const School& school, EntityKind kind, int number);

// The lines the question adds under "... silinecek !" (UTF-8), one per kind of loss,
// with its unit; empty when nothing else goes.
std::string DeletionLossText(const DeletionLoss& loss);

}  // namespace kalvodrin
