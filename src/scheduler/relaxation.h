#pragma once
// Relaxing the settings between the pass sets of a whole-school run, one setting a
// step, while hours remain and the school allows it.

#include "core/settings_record.h"

namespace kalvodrin {

// Makes one setting of the in-memory record milder and answers true, or answers false
// when everything is placed, automatic relaxation is off, or no step applies. The
// steps, first applicable wins: widen the lesson-group rule once; drop "different
// hours"; drop "a day between"; the gap step while at most 1 weekly gap; widen the
// lesson-group rule a second time; drop "different days for one teacher's two
// lessons"; the gap step while at most 2 weekly gaps. The gap step widens the longest
// gap up to the weekly gaps, else allows one more weekly gap.
bool RelaxationStep(TSettingsRec& settings, int& relaxPasses, bool allPlaced);

// The settings as the last relaxation step of a whole-school run that never places
// everything leaves them: the loosest the run reaches.
TSettingsRec LoosestSettings(const TSettingsRec& settings);

}  // namespace kalvodrin
