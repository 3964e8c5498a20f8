#pragma once
// Which block lengths occur in the school, and which block of a class lesson comes
// next.

#include <vector>

#include "core/school.h"

namespace kalvodrin {

// The distinct block lengths of every class lesson's placement pattern, ascending,
// after a leading 0: {0, 1, 2, 3} for a school of 2+2+1 and 3+2 lessons. Only {0}
// when no class lesson has a pattern.
std::vector<int> BlockSizes(const School& school);

// The length of the next block to place of lesson `lesson` in class `classNo`, 0 when
// nothing is left. With R hours still missing: R itself when R <= 1; otherwise the
// first part of the class lesson's pattern that no run of the lesson in the class's
// timetable matches (a run is a maximal stretch of consecutive hours of one day, and
// matches a part of exactly its length; each run matches one part), cut to R; 0 when
// every part is matched or the class lesson does not exist.
int NextBlockLength(const School& school, int classNo, int lesson);

}  // namespace kalvodrin
