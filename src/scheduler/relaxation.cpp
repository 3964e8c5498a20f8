#include "scheduler/relaxation.h"

namespace kalvodrin {

namespace {

// Which relaxations the user allows, in the order of the automatic-settings window.
bool MayRelaxGaps(const TSettingsRec& s) { return s.autoOptions[0] == 1; }
bool MayRelaxSameClass(const TSettingsRec& s) { return s.autoOptions[1] == 1; }
bool MayRelaxDays(const TSettingsRec& s) { return s.autoOptions[2] == 1; }
bool MayRelaxGroups(const TSettingsRec& s) { return s.autoOptions[3] == 1; }

void GapStep(TSettingsRec& s) {
  if (s.maxGapBetweenLessons < s.maxGapsPerWeek) {
    ++s.maxGapBetweenLessons;
    return;
  }
  ++s.maxGapsPerWeek;
  if (s.maxGapBetweenLessons == 0) s.maxGapBetweenLessons = 1;
}

}  // namespace

bool RelaxationStep(TSettingsRec& s, int& relaxPasses, bool allPlaced) {
  if (allPlaced || s.autoRelax == 0) return false;
  const bool groups = MayRelaxGroups(s) && s.groupDifferentDays == 1;
  if (groups && relaxPasses < 1) {
    ++relaxPasses;
  } else if (MayRelaxDays(s) && s.differentHours == 1) {
    s.differentHours = 0;
  } else if (MayRelaxDays(s) && s.dayBetweenDays == 1) {
    s.dayBetweenDays = 0;
  } else if (MayRelaxGaps(s) && s.maxGapsPerWeek < 2) {
    GapStep(s);
  } else if (groups && relaxPasses < 2) {
    ++relaxPasses;
  } else if (MayRelaxSameClass(s) && s.sameClassDifferentDays == 1) {
    s.sameClassDifferentDays = 0;
  } else if (MayRelaxGaps(s) && s.maxGapsPerWeek < 3) {
    GapStep(s);
  } else {
    return false;
  }
  return true;
}

TSettingsRec LoosestSettings(const TSettingsRec& settings) {
  TSettingsRec s = settings;
  int passes = 0;
  while (RelaxationStep(s, passes, false)) {
  }
  return s;
}

}  // namespace kalvodrin
