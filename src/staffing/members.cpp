#include "staffing/members.h"

#include <algorithm>

namespace kalvodrin {

std::vector<ClassLessonKey> MembersOf(const School& school, int classNo, int lesson) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  const TCommonGroupRec* group = cl != nullptr && cl->commonGroup != 0
                                     ? school.CommonGroupByNo(cl->commonGroup)
                                     : nullptr;
  if (group == nullptr || group->count == 0) return {{classNo, lesson}};
  std::vector<ClassLessonKey> members;
  for (int k = 0; k < std::min<int>(group->count, kMaxListed); ++k)
    members.push_back({group->classes[static_cast<std::size_t>(k)],
                       group->lessons[static_cast<std::size_t>(k)]});
  return members;
}

}  // namespace kalvodrin
