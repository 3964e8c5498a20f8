#include "staffing/staffing_rows.h"

#include <algorithm>

#include "core/pick_rows.h"
#include "core/turkish_text.h"
#include "staffing/classrooms.h"

namespace kalvodrin {
namespace {

std::string Number(int n) { return std::to_string(n); }

std::string ClassName(const School& school, int classNo) {
  const TClassRec* c = school.ClassByNo(classNo);
  return c == nullptr ? std::string() : Cp1254ToUtf8(c->name.view());
}

std::string Section(const School& school, int classNo) {
  const TClassRec* c = school.ClassByNo(classNo);
  return c == nullptr ? std::string() : Cp1254ToUtf8(c->section.view());
}

std::string RoomName(const School& school, int room) {
  const TRoomRec* r = school.RoomByNo(room);
  return r == nullptr ? std::string() : Cp1254ToUtf8(r->name.view());
}

// A class lesson row: hidden numbers first, then class, section, lesson and hours.
ListRow LessonRow(const School& school, int position, std::vector<std::string> hidden,
                  int classNo, int lesson) {
  hidden.insert(hidden.end(),
                {ClassName(school, classNo), Section(school, classNo),
                 LessonTitle(school, lesson), Number(LessonWeeklyHours(school, lesson))});
  return {position, std::move(hidden)};
}

}  // namespace

std::vector<ListColumn> TeacherPickColumns() {
  return {{"NO", true}, {"NO"}, {"ADI SOYADI"}, {"BRANŞI"}};
}

std::vector<ListRow> TeacherPickRows(const School& school) {
  std::vector<ListRow> rows;
  for (const TTeacherRec& t : school.Teachers)
    rows.push_back({t.number, {Number(t.number), Number(t.order), Cp1254ToUtf8(t.name.view()),
                               Cp1254ToUtf8(t.branch.view())}});
  return rows;
}

std::vector<ListColumn> TeacherLessonColumns() {
  return {{"TeacherNo", true}, {"ClassNo", true}, {"LessonNo", true}, {"SINIF"},
          {"BÖLÜM"},           {"DERSİN ADI"},    {"HDS"}};
}

std::vector<ListRow> TeacherLessonRows(const School& school, int teacher) {
  std::vector<ListRow> rows;
  for (const TTeacherLessonRec& tl : LessonsOfTeacher(school, teacher))
    rows.push_back(LessonRow(school, static_cast<int>(rows.size()) + 1,
                             {Number(tl.teacher), Number(tl.classNo), Number(tl.lesson)},
                             tl.classNo, tl.lesson));
  return rows;
}

std::string TeacherTotalsText(const TeacherTotals& totals) {
  return "DERS SAYISI=" + Number(totals.lessons) + ", SBH=" + Number(totals.morning) +
         ", ÖĞL=" + Number(totals.afternoon) + ", TOP.=" + Number(totals.total);
}

std::string ShiftText(const School& school, int classNo) {
  const TClassGridRec* g = school.ClassGridByNo(classNo);
  return g != nullptr && IsAfternoonClass(*g) ? "ÖĞLE" : "SABAH";
}

std::vector<ListColumn> UnassignedColumns() {
  return {{"CNO", true}, {"LNO", true}, {"SINIF"}, {"BÖLÜM"}, {"DERSİN ADI"}, {"HDS"}};
}

std::vector<ListRow> UnassignedRows(const School& school) {
  std::vector<ListRow> rows;
  for (const TClassLessonRec& cl : school.ClassLessons)
    if (cl.teacherCount == 0)
      rows.push_back(LessonRow(school, static_cast<int>(rows.size()) + 1,
                               {Number(cl.classNo), Number(cl.lesson)}, cl.classNo,
                               cl.lesson));
  return rows;
}

std::string UnassignedSummary(const School& school) {
  int count = 0;
  int hours = 0;
  for (const TClassLessonRec& cl : school.ClassLessons)
    if (cl.teacherCount == 0) {
      ++count;
      hours += LessonWeeklyHours(school, cl.lesson);
    }
  return "DERS SAYISI = " + Number(count) + "    TOPLAM SAAT = " + Number(hours);
}

std::vector<ListColumn> RoomLoadColumns() {
  return {{"NO", true}, {"DERSHANE ADI"}, {"TOP"}};
}

std::vector<ListRow> RoomLoadRows(const School& school) {
  const RoomLoads loads = CountRoomLoads(school);
  std::vector<ListRow> rows;
  for (const TRoomRec& r : school.Rooms)
    rows.push_back({r.number, {Number(r.number), Cp1254ToUtf8(r.name.view()),
                               Number(loads[r.number])}});
  return rows;
}

std::vector<ListColumn> LessonRoomColumns() { return {{"NO", true}, {"DERSHANE ADI"}}; }

std::vector<ListRow> LessonRoomRows(const School& school, int classNo, int lesson) {
  std::vector<ListRow> rows;
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  if (cl == nullptr) return rows;
  for (int k = 0; k < std::min<int>(cl->roomCount, kMaxListed); ++k) {
    const int room = cl->rooms[static_cast<std::size_t>(k)];
    rows.push_back({room, {Number(room), RoomName(school, room)}});
  }
  return rows;
}

}  // namespace kalvodrin
