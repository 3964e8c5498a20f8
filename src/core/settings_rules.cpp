#include "core/settings_rules.h"

#include <algorithm>

namespace kalvodrin {

void ApplyGeneralSettingsRules(TSettingsRec& settings, const School& school) {
  settings.maxGapBetweenLessons =
      std::min(settings.maxGapBetweenLessons, settings.maxGapsPerWeek);
  if (settings.maxGapsPerWeek != 0 && settings.maxGapBetweenLessons == 0)
    settings.maxGapBetweenLessons = 1;
  const auto grouped = std::count_if(school.Lessons.begin(), school.Lessons.end(),
                                     [](const TLessonRec& l) { return l.group != 0; });
  if (grouped < 2) settings.groupDifferentDays = 0;
}

}  // namespace kalvodrin
