#include "school_builder.h"

#include <stdexcept>

#include "core/cells.h"
#include "core/numbered_list.h"
#include "core/ordering.h"
#include "core/pattern.h"
#include "core/record_creation.h"
#include "core/turkish_text.h"
#include "engine/block_operations.h"
#include "engine/class_lesson_lists.h"
#include "engine/counts.h"

namespace kalvodrin {
namespace {

[[noreturn]] void Fail(const std::string& what) { throw std::invalid_argument(what); }

std::string Stored(std::string_view utf8) { return UserTextToCp1254(utf8); }

template <typename List, typename NameOf>
int FindByName(const List& list, std::string_view utf8, NameOf nameOf) {
  const std::string key = Stored(utf8);
  for (const auto& r : list)
    if (nameOf(r) == key) return r.number;
  return 0;
}

// A new teacher, class or room with its empty timetable; returns its number.
template <typename List, typename GridList, typename Create>
int AddWithGrid(List& list, GridList& grids, Create create) {
  const int n = list.nextFreeNumber();
  create(n);
  list.reindex();
  grids.reindex();
  return n;
}

// Runs `each(classNo, lesson)` for every member of the class lesson's common group, or
// for the class lesson itself when it is not a common one.
template <typename Each>
void EachMember(School& school, const TClassLessonRec& cl, int classNo, int lesson,
                Each each) {
  const TCommonGroupRec* g =
      cl.commonGroup != 0 ? school.CommonGroupByNo(cl.commonGroup) : nullptr;
  const int members = g != nullptr ? g->count : 1;
  for (int k = 0; k < members; ++k) {
    const int c = g != nullptr ? g->classes[static_cast<std::size_t>(k)] : classNo;
    const int l = g != nullptr ? g->lessons[static_cast<std::size_t>(k)] : lesson;
    each(c, l);
  }
}

}  // namespace

SchoolBuilder SmallTimetableSchool() {
  SchoolBuilder b;
  b.Room("LAB").Class("9", "A").Class("9", "B");
  b.In("9 A").Lesson("MATEMATİK", 4, "2+2").Teacher("AYŞE").Teach().InRoom("LAB");
  b.Lesson("FİZİK", 3, "2+1").Teach().Teacher("CAN").Teach();
  b.In("9 B").Lesson("KİMYA", 2, "1+1").Teach("AYŞE", "9 B", "KİMYA");
  return b;
}

std::string ClassKey(const School& school, int classNo) {
  const TClassRec* c = school.ClassByNo(classNo);
  if (c == nullptr) return {};
  std::string key = Cp1254ToUtf8(c->name.view());
  if (!c->section.empty()) key += " " + Cp1254ToUtf8(c->section.view());
  return key;
}

SchoolBuilder::SchoolBuilder() { school_.Annex.bytes.fill(0); }

SchoolBuilder& SchoolBuilder::Group(std::string_view name) {
  AddLessonGroup(school_, school_.LessonGroups.nextFreeNumber(), Stored(name));
  school_.ReindexLessonGroups();
  return *this;
}

SchoolBuilder& SchoolBuilder::Class(std::string_view name, std::string_view section) {
  class_ = AddWithGrid(school_.Classes, school_.ClassGrids, [&](int n) {
    AddClass(school_, n, Stored(name), Stored(section));
    NewClassGrid(school_, n);
  });
  return *this;
}

SchoolBuilder& SchoolBuilder::In(std::string_view classKey) {
  class_ = ClassNo(classKey);
  return *this;
}

SchoolBuilder& SchoolBuilder::Lesson(std::string_view name, int weeklyHours,
                                     std::string_view pattern, std::string_view group,
                                     bool divisible) {
  int n = LessonNo(name);
  if (n == 0) {
    const ParsedPattern p = ParsePattern(weeklyHours, pattern);
    if (!p.valid) Fail("invalid pattern " + std::string(pattern));
    int g = 0;
    if (!group.empty() && (g = FindLessonGroup(school_, Stored(group))) == 0)
      Fail("unknown lesson group " + std::string(group));
    n = school_.Lessons.nextFreeNumber();
    AddLesson(school_, n, Stored(name), "", g, weeklyHours, p.blocks, divisible ? 1 : 0);
    SortLessons(school_);
  }
  lesson_ = n;
  if (class_ != 0 && ClassLessonFree(school_, class_, n) == 1) {
    AddClassLesson(school_, class_, n);
    PlaceClassLesson(school_, class_, n);
  }
  return *this;
}

SchoolBuilder& SchoolBuilder::Teacher(std::string_view name, std::string_view branch) {
  teacher_ = AddWithGrid(school_.Teachers, school_.TeacherGrids, [&](int n) {
    AddTeacher(school_, n, Stored(name), Stored(branch), "", "");
    NewTeacherGrid(school_, n);
  });
  return *this;
}

SchoolBuilder& SchoolBuilder::Room(std::string_view name) {
  AddWithGrid(school_.Rooms, school_.RoomGrids, [&](int n) {
    AddRoom(school_, n, Stored(name));
    NewRoomGrid(school_, n);
  });
  return *this;
}

SchoolBuilder& SchoolBuilder::Teach() {
  const TClassLessonRec* cl = school_.ClassLessonAt(class_, lesson_);
  if (teacher_ == 0 || cl == nullptr) Fail("Teach needs a teacher and a class lesson");
  EachMember(school_, *cl, class_, lesson_, [&](int c, int l) {
    if (!AddTeacherLesson(school_, teacher_, c, l)) Fail("class lesson has 15 teachers");
    PlaceTeacherLesson(school_, teacher_, c, l);
  });
  return *this;
}

SchoolBuilder& SchoolBuilder::Teach(std::string_view teacher, std::string_view classKey,
                                    std::string_view lesson) {
  teacher_ = TeacherNo(teacher);
  class_ = ClassNo(classKey);
  lesson_ = LessonNo(lesson);
  return Teach();
}

SchoolBuilder& SchoolBuilder::InRoom(std::string_view room) {
  const int r = RoomNo(room);
  const TClassLessonRec* cl = school_.ClassLessonAt(class_, lesson_);
  if (cl == nullptr) Fail("InRoom needs a class lesson");
  EachMember(school_, *cl, class_, lesson_, [&](int c, int l) {
    if (!AttachRoom(school_, r, c, l)) Fail("room refused");
  });
  return *this;
}

SchoolBuilder& SchoolBuilder::Common(std::initializer_list<std::string_view> classKeys,
                                     std::string_view lesson) {
  const int l = LessonNo(lesson);
  const int g = school_.CommonGroups.nextFreeNumber();
  AddCommonGroup(school_, g);
  school_.ReindexCommonGroups();
  for (std::string_view key : classKeys) {
    const int c = ClassNo(key);
    if (school_.ClassLessonAt(c, l) == nullptr) Fail("class does not take the lesson");
    if (!AddCommonMember(school_, g, c, l)) Fail("common group is full");
  }
  class_ = ClassNo(*classKeys.begin());
  lesson_ = l;
  return *this;
}

TClassGridRec& SchoolBuilder::CurrentClassGrid() {
  TClassGridRec* g = school_.ClassGridByNo(class_);
  if (g == nullptr) Fail("no current class");
  return *g;
}

SchoolBuilder& SchoolBuilder::Hours(int firstHour, int lastHour) {
  for (int d = 1; d <= kDays; ++d) Hours(d, firstHour, lastHour);
  return *this;
}

SchoolBuilder& SchoolBuilder::Hours(int day, int firstHour, int lastHour) {
  TClassGridRec& g = CurrentClassGrid();
  const auto d = static_cast<std::size_t>(day - 1);
  g.firstHour.at(d) = static_cast<uint8_t>(firstHour);
  g.lastHour.at(d) = static_cast<uint8_t>(lastHour);
  g.freeHours.at(d) = static_cast<uint8_t>(DayWindowLength(g, d));  // 0/0: no lessons
  return *this;
}

SchoolBuilder& SchoolBuilder::Annex() {
  if (class_ < 1 || class_ > kAnnexClasses) Fail("no current class in the annex range");
  school_.Annex.bytes[static_cast<std::size_t>(class_ - 1)] = 1;
  return *this;
}

SchoolBuilder& SchoolBuilder::Special(const TeacherRules& rules) {
  TTeacherGridRec* g = school_.TeacherGridByNo(teacher_);
  if (g == nullptr) Fail("no current teacher");
  g->special = rules;
  return *this;
}

SchoolBuilder& SchoolBuilder::Place(std::string_view classKey, std::string_view lesson,
                                    int length, int day, int hour) {
  const std::optional<Block> block = MakeBlock(
      school_, ClassNo(classKey), LessonNo(lesson), length, CellIndex(day, hour));
  if (!block || day < 1 || day > kDays || !PlaceBlock(school_, *block, nullptr))
    Fail("the engine refused to place " + std::string(lesson));
  return *this;
}

int SchoolBuilder::ClassNo(std::string_view classKey) const {
  for (const TClassRec& c : school_.Classes)
    if (ClassKey(school_, c.number) == Cp1254ToUtf8(Stored(classKey))) return c.number;
  Fail("unknown class " + std::string(classKey));
}

int SchoolBuilder::LessonNo(std::string_view name) const {
  return FindByName(school_.Lessons, name,
                    [](const TLessonRec& r) { return r.name.str(); });
}

int SchoolBuilder::TeacherNo(std::string_view name) const {
  const int n = FindByName(school_.Teachers, name,
                           [](const TTeacherRec& r) { return r.name.str(); });
  if (n == 0) Fail("unknown teacher " + std::string(name));
  return n;
}

int SchoolBuilder::RoomNo(std::string_view name) const {
  const int n =
      FindByName(school_.Rooms, name, [](const TRoomRec& r) { return r.name.str(); });
  if (n == 0) Fail("unknown room " + std::string(name));
  return n;
}

School SchoolBuilder::Build() {
  school_.ReindexAll();
  return school_;
}

}  // namespace kalvodrin
