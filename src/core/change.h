#pragma once
// What a command that may change the school did, so that its window (or the
// command line) can show the right text and save exactly the files it changed. Every
// area's operations return a Change; the words for a refusal belong to the area.

#include "core/data_files.h"

namespace kalvodrin {

// An area that needs a refusal of its own adds it here, with a line saying when it
// happens; its text is worded by the area.
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

struct Change {
  Outcome outcome = Outcome::kUnchanged;
  FileSet files;
  int number = 0;  // the record concerned (the new one after a save)
  int day = 0;     // the day (1..5) an hour problem was found on

  bool done() const { return outcome == Outcome::kDone; }
};

inline Change Refused(Outcome outcome, int day = 0) { return Change{outcome, {}, 0, day}; }

}  // namespace kalvodrin
