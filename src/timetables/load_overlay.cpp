#include "timetables/load_overlay.h"

#include <algorithm>
#include <cstddef>

#include "core/cells.h"
#include "timetables/painter_support.h"

namespace kalvodrin {
namespace {

using Table = std::array<int, kCells>;

void RaiseTo(Table& table, const Table& other) {
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = std::max(table[i], other[i]);
}

// V: the weekly hours of class C3's lessons whose teacher is closed at each cell of
// C3's day windows.
Table ClassLoad(const School& school, int teacher, int classC3) {
  Table v{};
  const TClassGridRec* c3 = school.ClassGridByNo(classC3);
  if (c3 == nullptr) return v;
  for (const TTeacherLessonRec& tl : school.TeacherLessons) {
    if (tl.classNo != classC3) continue;
    const TLessonRec* lesson = school.LessonByNo(tl.lesson);
    const TTeacherGridRec* t4 = school.TeacherGridByNo(tl.teacher);
    if (lesson == nullptr || t4 == nullptr) continue;
    for (int cell = 1; cell <= kCells; ++cell) {
      if (!InDayWindow(c3, cell)) continue;
      if (tl.teacher == teacher || !IsOpen(t4, cell))
        v[static_cast<std::size_t>(cell - 1)] += lesson->weeklyHours;
    }
  }
  return v;
}

// W for class C: only the last teacher of C in list order counts, each table
// before it being started again from zero.
Table TeacherLoad(const School& school, int teacher, int classC) {
  int lastTeacher = 0;
  for (const TTeacherLessonRec& tl : school.TeacherLessons)
    if (tl.classNo == classC) lastTeacher = tl.teacher;
  Table w{};
  if (lastTeacher == 0) return w;
  for (const TTeacherLessonRec& tl : school.TeacherLessons)
    if (tl.teacher == lastTeacher) RaiseTo(w, ClassLoad(school, teacher, tl.classNo));
  return w;
}

}  // namespace

Table LoadOverlay(const School& school, int teacher) {
  Table table{};
  for (const TTeacherLessonRec& tl : school.TeacherLessons)
    if (tl.teacher == teacher) RaiseTo(table, TeacherLoad(school, teacher, tl.classNo));
  return table;
}

}  // namespace kalvodrin
