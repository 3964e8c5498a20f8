#include "timetables/timetable_rows.h"

#include <algorithm>

#include "core/turkish_text.h"
#include "engine/counts.h"

namespace kalvodrin {
namespace {

std::string Text(std::string_view cp1254) { return Cp1254ToUtf8(cp1254); }

LessonRow RowOf(const School& school, const TTeacherLessonRec& tl) {
  LessonRow row;
  row.teacher = tl.teacher;
  row.classNo = tl.classNo;
  row.lesson = tl.lesson;
  if (const TClassRec* c = school.ClassByNo(tl.classNo)) {
    row.className = Text(c->name.view());
    row.section = Text(c->section.view());
  }
  if (const TLessonRec* l = school.LessonByNo(tl.lesson)) {
    row.lessonName = Text(l->name.view());
    row.weeklyHours = l->weeklyHours;
  }
  if (const TTeacherRec* t = school.TeacherByNo(tl.teacher)) row.teacherName = Text(t->name.view());
  return row;
}

bool ListsRoom(const TClassLessonRec& cl, int room) {
  const int count = std::min<int>(cl.roomCount, kMaxListed);
  for (int k = 0; k < count; ++k)
    if (cl.rooms[static_cast<std::size_t>(k)] == room) return true;
  return false;
}

// The lesson's weekly hours minus those placed in the class.
int Remaining(const School& school, int classNo, int lesson) {
  const TLessonRec* l = school.LessonByNo(lesson);
  if (l == nullptr) return 0;
  return l->weeklyHours - PlacedHours(school, classNo, lesson);
}

}  // namespace

std::vector<OwnerRow> TimetableTeachers(const School& school) {
  std::vector<OwnerRow> rows;
  for (const TTeacherRec& t : school.Teachers) {
    const TTeacherGridRec* g = school.TeacherGridByNo(t.number);
    if (g != nullptr && g->weeklyHours > 0) rows.push_back({t.number, Text(t.name.view()), {}});
  }
  return rows;
}

std::vector<OwnerRow> TimetableClasses(const School& school) {
  std::vector<OwnerRow> rows;
  for (const TClassRec& c : school.Classes) {
    const TClassGridRec* g = school.ClassGridByNo(c.number);
    if (g != nullptr && g->weeklyHours > 0)
      rows.push_back({c.number, Text(c.name.view()), Text(c.section.view())});
  }
  return rows;
}

std::vector<OwnerRow> TimetableRooms(const School& school) {
  std::vector<OwnerRow> rows;
  for (const TRoomRec& r : school.Rooms) {
    const TRoomGridRec* g = school.RoomGridByNo(r.number);
    if (g != nullptr && g->weeklyHours > 0) rows.push_back({r.number, Text(r.name.view()), {}});
  }
  return rows;
}

std::vector<LessonRow> TimetableTeacherLessons(const School& school, int teacher) {
  std::vector<LessonRow> rows;
  for (const TTeacherLessonRec& tl : school.TeacherLessons)
    if (tl.teacher == teacher) rows.push_back(RowOf(school, tl));
  return rows;
}

std::vector<LessonRow> TimetableClassLessons(const School& school, int classNo) {
  std::vector<LessonRow> rows;
  for (const TClassLessonRec& cl : school.ClassLessons) {
    if (cl.classNo != classNo) continue;
    const int count = std::min<int>(cl.teacherCount, kMaxListed);
    for (int k = 0; k < count; ++k)
      rows.push_back(RowOf(school, TTeacherLessonRec{cl.teachers[static_cast<std::size_t>(k)],
                                                     cl.classNo, cl.lesson}));
  }
  return rows;
}

std::vector<LessonRow> TimetableRoomLessons(const School& school, int room) {
  std::vector<LessonRow> rows;
  for (const TTeacherLessonRec& tl : school.TeacherLessons) {
    const TClassLessonRec* cl = school.ClassLessonAt(tl.classNo, tl.lesson);
    if (cl == nullptr || !ListsRoom(*cl, room)) continue;
    rows.push_back(RowOf(school, tl));
    rows.back().room = room;
  }
  return rows;
}

int FindLessonRow(const std::vector<LessonRow>& rows, int teacher, int classNo, int lesson) {
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].teacher == teacher && rows[i].classNo == classNo && rows[i].lesson == lesson)
      return static_cast<int>(i);
  return -1;
}

TeacherCounters CountTeacherWindow(const School& school, int teacher, int classNo, int lesson) {
  TeacherCounters k;
  if (const TTeacherGridRec* g = school.TeacherGridByNo(teacher)) {
    k.morning = g->morningHours;
    k.afternoon = g->afternoonHours;
    k.total = g->weeklyHours;
    k.remaining = g->weeklyHours - g->placedHours;
  }
  k.lessonRemaining = Remaining(school, classNo, lesson);
  return k;
}

ClassCounters CountClassWindow(const School& school, int classNo, int lesson) {
  const ClassLessonTotals totals = CountClassLessonTotals(school, classNo);
  return ClassCounters{totals.weekly, totals.unplaced, Remaining(school, classNo, lesson)};
}

}  // namespace kalvodrin
