#include "staffing/teacher_lessons.h"

#include <algorithm>

#include "core/ordering.h"
#include "core/record_creation.h"
#include "engine/cascade.h"
#include "engine/counts.h"
#include "staffing/members.h"

namespace kalvodrin {
namespace {

bool Lists(const TClassLessonRec& cl, int teacher) {
  const int n = std::min<int>(cl.teacherCount, kMaxListed);
  return std::find(cl.teachers.begin(), cl.teachers.begin() + n, teacher) !=
         cl.teachers.begin() + n;
}

void CountMembers(School& school, int teacher, const std::vector<ClassLessonKey>& members) {
  CountTeacherHours(school, teacher);
  for (const ClassLessonKey& m : members) CountClassHours(school, m.classNo);
}

}  // namespace

Change GiveLessonToTeacher(School& school, int teacher, int classNo, int lesson,
                           bool anotherConfirmed) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  if (cl == nullptr || school.TeacherByNo(teacher) == nullptr)
    return Refused(Outcome::kNotFound);
  // Placed hours hold their teachers' cells; a new teacher would have none.
  if (PlacedHours(school, classNo, lesson) > 0) return Refused(Outcome::kPlaced);
  if (Lists(*cl, teacher)) return Refused(Outcome::kAlreadyGiven);
  if (cl->teacherCount > 0 && !anotherConfirmed) return Refused(Outcome::kAskAnother);
  const std::vector<ClassLessonKey> members = MembersOf(school, classNo, lesson);
  // Checked for every member before any is given, so that a common lesson is never
  // left given to some of its classes only.
  for (const ClassLessonKey& m : members) {
    const TClassLessonRec* member = school.ClassLessonAt(m.classNo, m.lesson);
    if (member == nullptr) return Refused(Outcome::kNotFound);
    if (member->teacherCount >= kMaxListed) return Refused(Outcome::kListFull);
  }
  for (const ClassLessonKey& m : members) {
    if (Lists(*school.ClassLessonAt(m.classNo, m.lesson), teacher)) continue;
    AddTeacherLesson(school, teacher, m.classNo, m.lesson);
    PlaceTeacherLesson(school, teacher, m.classNo, m.lesson);
  }
  CountMembers(school, teacher, members);
  return {Outcome::kDone,
          {DataFile::kTeacherLessons, DataFile::kClassLessons, DataFile::kTeacherGrids,
           DataFile::kClassGrids},
          teacher};
}

Change TakeLessonFromTeacher(School& school, int teacher, int classNo, int lesson) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  if (cl == nullptr || !Lists(*cl, teacher)) return Refused(Outcome::kNotFound);
  const std::size_t before = school.TeacherLessons.size();
  FileSet files = UnassignTeacher(school, teacher, classNo, lesson);
  CountAllHours(school);
  files.add(FileSet{DataFile::kTeacherLessons, DataFile::kClassLessons,
                    DataFile::kTeacherGrids, DataFile::kClassGrids, DataFile::kRoomGrids});
  return {Outcome::kDone, files, static_cast<int>(before - school.TeacherLessons.size())};
}

int RowAfterTakeAway(int oldRow, int newCount, int removed) {
  if (newCount <= 0) return 0;
  if (newCount == 1) return 1;
  if (oldRow >= 1 && oldRow <= newCount) return oldRow;
  return std::clamp(oldRow - removed, 1, newCount);
}

std::vector<TTeacherLessonRec> LessonsOfTeacher(const School& school, int teacher) {
  std::vector<TTeacherLessonRec> lessons;
  for (const TTeacherLessonRec& tl : school.TeacherLessons)
    if (tl.teacher == teacher) lessons.push_back(tl);
  return lessons;
}

TeacherTotals CountTeacherTotals(School& school, int teacher) {
  CountTeacherHours(school, teacher);
  TeacherTotals totals;
  totals.lessons = static_cast<int>(LessonsOfTeacher(school, teacher).size());
  if (const TTeacherGridRec* g = school.TeacherGridByNo(teacher)) {
    totals.morning = g->morningHours;
    totals.afternoon = g->afternoonHours;
    totals.total = g->weeklyHours;
  }
  return totals;
}

}  // namespace kalvodrin
