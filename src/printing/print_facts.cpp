#include "printing/print_facts.h"

#include <algorithm>

#include "core/cells.h"
#include "core/turkish_text.h"

namespace kalvodrin {
namespace {

int Clamp(int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); }

}  // namespace

int NHours(const School& school) {
  int n = 1;
  for (const TClassGridRec& g : school.ClassGrids)
    for (uint8_t last : g.lastHour) n = std::max<int>(n, last);
  return Clamp(n, 1, kHoursPerDay);
}

int NHalf(const School& school) {
  int n = 2;
  for (const TClassGridRec& g : school.ClassGrids)
    for (std::size_t d = 0; d < kDays; ++d)
      if (g.lastHour[d] >= g.firstHour[d]) n = std::max(n, g.lastHour[d] - g.firstHour[d] + 1);
  return Clamp(n, 2, kHoursPerDay);
}

int Boundary(const School& school, int day) {
  int b = kHoursPerDay;
  // A class without lessons that day has no end to count.
  for (const TClassGridRec& g : school.ClassGrids)
    if (const int last = g.lastHour[static_cast<std::size_t>(day - 1)]; last != 0)
      b = std::min(b, last + 1);
  return Clamp(b, 1, kHoursPerDay);
}

int AfternoonStart(const School& school, int day) {
  int start = Boundary(school, day);
  for (const TClassGridRec& g : school.ClassGrids) {
    const int first = g.firstHour[static_cast<std::size_t>(day - 1)];
    if (IsAfternoonClass(g) && first >= 1) start = std::min(start, first);
  }
  return start;
}

bool IsMorningClass(const School& school, int classNo) {
  const TClassGridRec* g = school.ClassGridByNo(classNo);
  return g == nullptr || !IsAfternoonClass(*g);
}

bool AnyClassHasSection(const School& school) {
  return std::any_of(school.Classes.begin(), school.Classes.end(),
                     [](const TClassRec& c) { return !c.section.empty(); });
}

std::string ShortClass(const School& school, int classNo) {
  const TClassRec* c = school.ClassByNo(classNo);
  if (c == nullptr) return {};
  if (c->section.empty()) return c->name.str();
  return c->name.str() + " " + c->section.str();
}

std::string ClassName(const School& school, int classNo) {
  const TClassRec* c = school.ClassByNo(classNo);
  return c != nullptr ? c->name.str() : std::string();
}

std::string ClassSection(const School& school, int classNo) {
  const TClassRec* c = school.ClassByNo(classNo);
  return c != nullptr ? c->section.str() : std::string();
}

std::string LessonName(const School& school, int lesson) {
  const TLessonRec* l = school.LessonByNo(lesson);
  return l != nullptr ? l->name.str() : std::string();
}

std::string LessonShortName(const School& school, int lesson) {
  const TLessonRec* l = school.LessonByNo(lesson);
  return l != nullptr ? l->shortName.str() : std::string();
}

std::string TeacherName(const School& school, int teacher) {
  const TTeacherRec* t = school.TeacherByNo(teacher);
  return t != nullptr ? t->name.str() : std::string();
}

std::string RoomName(const School& school, int room) {
  const TRoomRec* r = school.RoomByNo(room);
  return r != nullptr ? r->name.str() : std::string();
}

int ClassLessonNoAt(const School& school, int classNo, int cell) {
  const TClassGridRec* g = school.ClassGridByNo(classNo);
  if (g == nullptr || !IsCell(cell)) return 0;
  return g->occupant[static_cast<std::size_t>(cell - 1)];
}

const TClassLessonRec* ClassLessonAtCell(const School& school, int classNo, int cell) {
  const int lesson = ClassLessonNoAt(school, classNo, cell);
  return lesson != 0 ? school.ClassLessonAt(classNo, lesson) : nullptr;
}

std::string FirstTeacherOrder(const School& school, const TClassLessonRec* cl) {
  if (cl == nullptr || cl->teacherCount == 0) return {};
  const TTeacherRec* t = school.TeacherByNo(cl->teachers[0]);
  return t != nullptr ? std::to_string(t->order) : std::string();
}

std::string FirstRoomName(const School& school, const TClassLessonRec* cl) {
  if (cl == nullptr || cl->roomCount == 0) return {};
  return RoomName(school, cl->rooms[0]);
}

std::vector<TeacherDuty> TeacherDuties(const School& school, int teacher) {
  std::vector<TeacherDuty> duties;
  for (const TDutyRec& d : school.Duties) {
    const TDutyPlaceRec* place = school.DutyPlaceByNo(d.place);
    if (d.teacher != teacher || place == nullptr || d.day < 1 || d.day > 7) continue;
    duties.push_back({DayAbbrevs[static_cast<std::size_t>(d.day - 1)], place->name.view()});
  }
  return duties;
}

std::string DutyText(const School& school, int teacher) {
  std::string text;
  for (const TeacherDuty& d : TeacherDuties(school, teacher)) {
    if (!text.empty()) text += ", ";
    text += std::string(d.day) + " " + Cp1254ToUtf8(d.place);
  }
  return text;
}

}  // namespace kalvodrin
