#include "scheduler/unplaced_report.h"

#include "engine/counts.h"

namespace kalvodrin {

namespace {

std::string ClassText(const School& school, int classNo) {
  const TClassRec* cls = school.ClassByNo(classNo);
  if (cls == nullptr) return {};
  std::string text = cls->name.str() + " " + cls->section.str();
  if (text.size() > 13) text.resize(13);
  return text;
}

}  // namespace

UnplacedReport BuildUnplacedReport(const School& school) {
  UnplacedReport report;
  for (const TTeacherRec& teacher : school.Teachers) {
    for (const TTeacherLessonRec& tl : school.TeacherLessons) {
      if (tl.teacher != teacher.number) continue;
      const TLessonRec* lesson = school.LessonByNo(tl.lesson);
      const int weekly = lesson != nullptr ? lesson->weeklyHours : 0;
      const int remaining = weekly - PlacedHours(school, tl.classNo, tl.lesson);
      report.total += remaining;
      if (remaining == 0) continue;
      UnplacedRow row;
      row.teacher = tl.teacher;
      row.classNo = tl.classNo;
      row.lesson = tl.lesson;
      row.teacherName = teacher.name.str();
      row.classText = ClassText(school, tl.classNo);
      row.lessonName = lesson != nullptr ? lesson->name.str() : std::string();
      row.remaining = remaining;
      report.rows.push_back(std::move(row));
    }
  }
  return report;
}

}  // namespace kalvodrin
