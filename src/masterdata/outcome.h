#pragma once
// What a master-data command did, so that the window can show the right text and
// save exactly the files the command changed.

#include <string>

#include "core/data_files.h"

namespace kalvodrin {

enum class Outcome {
  kDone,            // the school changed; save `files`
  kUnchanged,       // nothing to do, nothing to save (reorder at an end, ...)
  kInvalid,         // the entry fields fail the window's validation
  kFull,            // all 255 numbers of the kind are in use
  kNotFound,        // no record carries the number
  kHourOutOfRange,  // a lesson hour above 16
  kFirstAfterLast,  // a day's first lesson hour lies after its last one
  kNoAnnexFlag,     // class numbers above 250 have no annex flag
};

// The kinds of master data the list windows keep.
enum class EntityKind { kLessonGroup, kLesson, kClass, kRoom, kTeacher };

struct Change {
  Outcome outcome = Outcome::kUnchanged;
  FileSet files;
  int number = 0;  // the record concerned (the new one after a save)
  int day = 0;     // the day (1..5) an hour problem was found on

  bool done() const { return outcome == Outcome::kDone; }
};

inline Change Refused(Outcome outcome, int day = 0) { return Change{outcome, {}, 0, day}; }

// The notice the window shows for a refused command, in UTF-8; empty for kDone and
// kUnchanged, which need none. `day` (1..5) names the day of an hour problem.
std::string NoticeText(Outcome outcome, EntityKind kind, int day = 0);

}  // namespace kalvodrin
