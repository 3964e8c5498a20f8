#include "curriculum/copy_lessons.h"

#include <vector>

#include "core/record_creation.h"

namespace kalvodrin {

int ProposedCopySource(const School& school, int target) {
  const TClassRec* t = school.ClassByNo(target);
  if (t == nullptr) return 0;
  for (const TClassRec& c : school.Classes)
    if (c.order + 1 == t->order) return c.number;
  return target;
}

Change CopyClassLessons(School& school, int source, int target) {
  if (school.ClassByNo(source) == nullptr || school.ClassByNo(target) == nullptr)
    return Refused(Outcome::kNotFound);
  // Read first: appending may move the records of the list.
  std::vector<int> lessons;
  for (const TClassLessonRec& cl : school.ClassLessons)
    if (cl.classNo == source) lessons.push_back(cl.lesson);
  int copied = 0;
  for (int lesson : lessons) {
    if (ClassLessonFree(school, target, lesson) == 0) continue;
    AddClassLesson(school, target, lesson);
    school.ReindexClassLessons();
    ++copied;
  }
  if (copied == 0) return Refused(Outcome::kUnchanged);
  return {Outcome::kDone, {DataFile::kClassLessons}, copied};
}

}  // namespace kalvodrin
