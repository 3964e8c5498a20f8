#pragma once
// What a command that may change the school did, so that its window (or the
// command line) can show the right text and save exactly the files it changed. Every
// area's operations return a Change; the words for a refusal belong to the area.

#include "core/data_files.h"

namespace kalvodrin {

// An area that needs a refusal of its own adds it here, with a line saying when it
// happens; its text is worded by the area.
enum class Outcome {
  kDone,              // the school changed; save `files`
  kUnchanged,         // nothing to do, nothing to save (reorder at an end, ...)
  kInvalid,           // the entry fields fail the window's validation
  kFull,              // all 255 numbers of the kind are in use
  kNotFound,          // no record carries the number
  kHourOutOfRange,    // a lesson hour above 16
  kFirstAfterLast,    // a day's first lesson hour lies after its last one
  kHalfEmptyDay,      // a day has a first or a last lesson hour, not both (0/5, 3/0)
  kNoAnnexFlag,       // class numbers above 250 have no annex flag
  kOverCapacity,      // the class's week has no room for the lesson (number = capacity)
  kOpenGroup,         // a common group with fewer than 2 members is still open (number)
  kInGroup,           // the class lesson already belongs to a common group (number)
  kHasTeachers,       // the class lesson is already given to a teacher
  kGroupHasTeachers,  // a member of the common group is already given to a teacher
  kSameClass,         // the common group already has a lesson of the class
  kOtherHours,        // the common group's lessons have other weekly hours
  kHasRooms,          // the class lesson already has a classroom
  kOtherLesson,       // the common group's members are another lesson
  kListFull,          // 15 members, teachers or classrooms already
  kPlaced,            // the lesson has placed hours in the class
  kAlreadyGiven,      // the teacher already gives the lesson
  kAskAnother,        // the lesson has teachers: giving it to one more needs a yes
  kSnapshotMismatch,  // the kept timetables no longer fit the lessons as they are now
  kBadStartTime,      // a lesson start time is not a clock time SS:DD (number = the hour)
};

struct Change {
  Outcome outcome = Outcome::kUnchanged;
  FileSet files;
  int number = 0;  // the record concerned (the new one after a save)
  int day = 0;     // the day (1..5) an hour problem was found on

  bool done() const { return outcome == Outcome::kDone; }
};

inline Change Refused(Outcome outcome, int day = 0) { return Change{outcome, {}, 0, day}; }

}  // namespace kalvodrin
