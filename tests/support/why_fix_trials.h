#pragma once
// Whether the why-not's cheapest fixes work: for every lesson left, the change the
// report names is made on a copy of the school and a run at the start hour it was the
// only blocker of must place the lesson's next block. Shared by the quick test over the
// real schools, the longer trial after a timed run (scripts/why-fixes) and the command
// line's why-not test.

#include <string>
#include <vector>

#include "core/school.h"
#include "scheduler/why_not.h"

namespace kalvodrin {

struct FixTrial {
  int teacher = 0;
  int classNo = 0;
  int lesson = 0;
  int length = 0;
  Reason fix;
  int startCell = 0;
  bool worked = false;
  std::string why;  // when it did not work: what stood there after the change
};

struct FixTrials {
  std::vector<FixTrial> trials;  // one per lesson left with a named fix
  std::vector<std::string> without;  // lessons left for which no single fix was named
  int worked() const;
};

// Makes the change `fix` names on the school. False when it names nothing one can change.
bool ApplyFix(School& school, const Reason& fix);

FixTrials TryEveryCheapestFix(const School& school);

// One line per trial that did not work and per lesson without a fix, for a reader.
std::string Describe(const School& school, const FixTrials& trials);

}  // namespace kalvodrin
