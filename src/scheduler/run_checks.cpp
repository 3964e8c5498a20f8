#include "scheduler/run_checks.h"

#include <algorithm>

#include "core/turkish_text.h"
#include "engine/counts.h"

namespace kalvodrin {

int ClassHoursNeeded(const School& school, int classNo) {
  int hours = 0;
  for (const TClassLessonRec& cl : school.ClassLessons) {
    if (cl.classNo != classNo || cl.teacherCount == 0) continue;
    if (const TLessonRec* lesson = school.LessonByNo(cl.lesson))
      hours += lesson->weeklyHours;
  }
  return hours;
}

std::optional<ClassCheckFailure> CheckClassRoom(const School& school) {
  for (const TClassRec& cls : school.Classes) {
    if (UsableCells(school, cls.number) >= ClassHoursNeeded(school, cls.number))
      continue;
    ClassCheckFailure failure;
    failure.classNo = cls.number;
    failure.notice = Cp1254ToUtf8(cls.name.view()) + " " +
                     Cp1254ToUtf8(cls.section.view()) +
                     "! sınıfında fazla alan kapatılmış. Bu sınıfta bazı alanları açın.";
    return failure;
  }
  return std::nullopt;
}

std::string RunOrderKey(const TTeacherGridRec* grid) {
  if (grid == nullptr) return "099";
  const bool bothShifts = grid->morningHours != 0 && grid->afternoonHours != 0;
  return (bothShifts ? "1" : "0") + std::to_string(99 - int{grid->slack});
}

void SortTeachersForRun(School& school) {
  // Neighbours swapped until none is out of order: a stable sort, descending.
  std::stable_sort(school.Teachers.begin(), school.Teachers.end(),
                   [&school](const TTeacherRec& a, const TTeacherRec& b) {
                     return RunOrderKey(school.TeacherGridByNo(a.number)) >
                            RunOrderKey(school.TeacherGridByNo(b.number));
                   });
  school.ReindexTeachers();
}

}  // namespace kalvodrin
