#include "core/record_creation.h"

#include <cstring>

namespace kalvodrin {
namespace {

template <typename Rec>
Rec& AppendZeroed(std::vector<Rec>& list) {
  Rec r;
  std::memset(&r, 0, sizeof r);
  list.push_back(r);
  return list.back();
}

uint8_t Byte(int value) { return static_cast<uint8_t>(value); }

}  // namespace

TLessonGroupRec& AddLessonGroup(School& school, int number, std::string_view name) {
  TLessonGroupRec& r = AppendZeroed(school.LessonGroups);
  r.number = Byte(number);
  r.name.assign(name);
  return r;
}

int FindLessonGroup(const School& school, std::string_view name) {
  for (const TLessonGroupRec& g : school.LessonGroups)
    if (g.name.view() == name) return g.number;
  return 0;
}

TLessonRec& AddLesson(School& school, int number, std::string_view name,
                      std::string_view shortName, int group, int weeklyHours,
                      const PatternBytes& pattern, int divisible) {
  TLessonRec& r = AppendZeroed(school.Lessons);
  r.number = Byte(number);
  r.name.assign(name);
  r.shortName.assign(shortName);
  r.group = Byte(group);
  r.weeklyHours = Byte(weeklyHours);
  r.divisible = Byte(divisible);
  r.pattern = pattern;
  r.blockCount = Byte(CountBlocks(pattern));
  return r;
}

TClassRec& AddClass(School& school, int number, std::string_view name,
                    std::string_view section) {
  const auto order = Byte(static_cast<int>(school.Classes.size()) + 1);
  TClassRec& r = AppendZeroed(school.Classes);
  r.order = order;
  r.number = Byte(number);
  r.name.assign(name);
  r.section.assign(section);
  return r;
}

TRoomRec& AddRoom(School& school, int number, std::string_view name) {
  const auto order = Byte(static_cast<int>(school.Rooms.size()) + 1);
  TRoomRec& r = AppendZeroed(school.Rooms);
  r.order = order;
  r.number = Byte(number);
  r.name.assign(name);
  return r;
}

TTeacherRec& AddTeacher(School& school, int number, std::string_view name,
                        std::string_view branch, std::string_view classTeacherOf,
                        std::string_view club) {
  const auto order = Byte(static_cast<int>(school.Teachers.size()) + 1);
  TTeacherRec& r = AppendZeroed(school.Teachers);
  r.order = order;
  r.number = Byte(number);
  r.name.assign(name);
  r.branch.assign(branch);
  r.classTeacherOf.assign(classTeacherOf);
  r.club.assign(club);
  return r;
}

TDutyPlaceRec& AddDutyPlace(School& school, int number, std::string_view name) {
  const auto order = Byte(static_cast<int>(school.DutyPlaces.size()) + 1);
  TDutyPlaceRec& r = AppendZeroed(school.DutyPlaces);
  r.order = order;
  r.number = Byte(number);
  r.name.assign(name);
  return r;
}

int ClassLessonFree(const School& school, int classNo, int lesson) {
  return school.ClassLessonAt(classNo, lesson) == nullptr ? 1 : 0;
}

TClassLessonRec& AddClassLesson(School& school, int classNo, int lesson) {
  const TLessonRec* l = school.LessonByNo(lesson);
  TClassLessonRec& r = AppendZeroed(school.ClassLessons);
  r.classNo = Byte(classNo);
  r.lesson = Byte(lesson);
  if (l != nullptr) {
    r.divisible = l->divisible;
    r.blockCount = l->blockCount;
    r.pattern = l->pattern;
  }
  return r;
}

TCommonGroupRec& AddCommonGroup(School& school, int number) {
  TCommonGroupRec& r = AppendZeroed(school.CommonGroups);
  r.number = Byte(number);
  return r;
}

bool AddCommonMember(School& school, int group, int classNo, int lesson) {
  TCommonGroupRec* g = school.CommonGroupByNo(group);
  if (g == nullptr || g->count >= kMaxListed) return false;
  g->classes[g->count] = Byte(classNo);
  g->lessons[g->count] = Byte(lesson);
  ++g->count;
  if (TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson)) cl->commonGroup = Byte(group);
  return true;
}

TDutyRec& AddDuty(School& school, int place, int day, int teacher) {
  school.Duties.push_back({Byte(place), Byte(day), Byte(teacher)});
  if (TDutyPlaceRec* p = school.DutyPlaceByNo(place); p != nullptr && day >= 1 && day <= 7)
    ++p->perDay[static_cast<std::size_t>(day - 1)];
  return school.Duties.back();
}

bool AttachTeacher(School& school, int teacher, int classNo, int lesson) {
  TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  if (cl == nullptr || cl->teacherCount >= kMaxListed) return false;
  cl->teachers[cl->teacherCount] = Byte(teacher);
  ++cl->teacherCount;
  return true;
}

bool AddTeacherLesson(School& school, int teacher, int classNo, int lesson) {
  if (!AttachTeacher(school, teacher, classNo, lesson)) return false;
  school.TeacherLessons.push_back({Byte(teacher), Byte(classNo), Byte(lesson)});
  return true;
}

TTeacherGridRec DefaultTeacherGrid(int teacher) {
  TTeacherGridRec g;
  std::memset(&g, 0, sizeof g);
  g.teacher = Byte(teacher);
  g.effective = kDefaultTeacherRules;
  g.special = kDefaultTeacherRules;
  g.open.fill(1);
  return g;
}

TClassGridRec DefaultClassGrid(int classNo) {
  TClassGridRec g;
  std::memset(&g, 0, sizeof g);
  g.classNo = Byte(classNo);
  g.freeHours.fill(6);
  g.firstHour.fill(1);
  g.lastHour.fill(6);
  g.open.fill(1);
  return g;
}

TRoomGridRec DefaultRoomGrid(int room) {
  TRoomGridRec g;
  std::memset(&g, 0, sizeof g);
  g.room = Byte(room);
  g.open.fill(1);
  return g;
}

TTeacherGridRec& NewTeacherGrid(School& school, int teacher) {
  school.TeacherGrids.push_back(DefaultTeacherGrid(teacher));
  return school.TeacherGrids.back();
}

TClassGridRec& NewClassGrid(School& school, int classNo) {
  school.ClassGrids.push_back(DefaultClassGrid(classNo));
  return school.ClassGrids.back();
}

TRoomGridRec& NewRoomGrid(School& school, int room) {
  school.RoomGrids.push_back(DefaultRoomGrid(room));
  return school.RoomGrids.back();
}

}  // namespace kalvodrin
