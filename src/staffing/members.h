#pragma once
// A class lesson and, for a common lesson, the other members of its group: the class
// lessons a teacher or a classroom is given together.

#include <vector>

#include "core/school.h"

namespace kalvodrin {

struct ClassLessonKey {
  int classNo;
  int lesson;
};

// Every member of the class lesson's common group in member order, or the class
// lesson alone when it is in no group.
std::vector<ClassLessonKey> MembersOf(const School& school, int classNo, int lesson);

}  // namespace kalvodrin
