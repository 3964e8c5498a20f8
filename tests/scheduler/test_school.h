#pragma once
// Small schools for the scheduler tests, built in a few lines:
//   TestSchool t;
//   t.Lesson(1, 5, {2, 2, 1}).Class(1).Teacher(1).Give(1, 1, {1});
//   t.Done();
// Classes get the new-record window (hours 1..6 every day), timetables are created
// for every class, teacher and room, and Done() reindexes and counts the hours.

#include <initializer_list>
#include <optional>
#include <string>

#include "core/cells.h"
#include "core/pattern.h"
#include "core/record_creation.h"
#include "core/school.h"
#include "engine/block.h"
#include "engine/block_operations.h"
#include "engine/consistency.h"
#include "engine/counts.h"

namespace kalvodrin {

class TestSchool {
 public:
  School school;

  TestSchool() { school.Settings = DefaultSettings(); }

  TestSchool& Lesson(int no, int weekly, PatternBytes pattern, int divisible = 1,
                     int group = 0) {
    AddLesson(school, no, "DERS" + std::to_string(no), "D" + std::to_string(no), group,
              weekly, pattern, divisible);
    school.ReindexLessons();
    return *this;
  }
  TestSchool& Class(int no, int firstHour = 1, int lastHour = 6) {
    AddClass(school, no, std::to_string(no), "A");
    TClassGridRec& grid = NewClassGrid(school, no);
    for (int d = 0; d < kDays; ++d) {
      grid.firstHour[static_cast<std::size_t>(d)] = static_cast<uint8_t>(firstHour);
      grid.lastHour[static_cast<std::size_t>(d)] = static_cast<uint8_t>(lastHour);
      grid.freeHours[static_cast<std::size_t>(d)] =
          static_cast<uint8_t>(lastHour - firstHour + 1);
    }
    school.ReindexClasses();
    school.ReindexClassGrids();
    return *this;
  }
  TestSchool& Teacher(int no) {
    AddTeacher(school, no, "OGRETMEN" + std::to_string(no), "", "", "");
    school.Teachers.back().order = static_cast<uint8_t>(no);
    NewTeacherGrid(school, no);
    school.ReindexTeachers();
    school.ReindexTeacherGrids();
    return *this;
  }
  TestSchool& Room(int no) {
    AddRoom(school, no, "ODA" + std::to_string(no));
    NewRoomGrid(school, no);
    school.ReindexRooms();
    school.ReindexRoomGrids();
    return *this;
  }
  // The class takes the lesson, given by the teachers, in the rooms.
  TestSchool& Give(int cls, int lesson, std::initializer_list<int> teachers,
                   std::initializer_list<int> rooms = {}) {
    if (school.ClassLessonAt(cls, lesson) == nullptr) {
      AddClassLesson(school, cls, lesson);
      school.ReindexClassLessons();
    }
    for (int t : teachers) AddTeacherLesson(school, t, cls, lesson);
    TClassLessonRec* cl = school.ClassLessonAt(cls, lesson);
    for (int r : rooms) cl->rooms[cl->roomCount++] = static_cast<uint8_t>(r);
    return *this;
  }
  // The classes take the lesson together as common group `group`.
  TestSchool& Common(int group, int lesson, std::initializer_list<int> classes) {
    AddCommonGroup(school, group);
    school.ReindexCommonGroups();
    for (int c : classes) AddCommonMember(school, group, c, lesson);
    return *this;
  }
  TestSchool& Done() {
    school.ReindexAll();
    CountAllHours(school);
    return *this;
  }

  // Places a block by hand, as an earlier run would have.
  bool Put(int cls, int lesson, int length, int day, int hour) {
    std::optional<Block> block = MakeBlock(school, cls, lesson, length,
                                           CellIndex(day, hour));
    return block && PlaceBlock(school, *block, nullptr);
  }

  TTeacherGridRec& T(int no) { return *school.TeacherGridByNo(no); }
  TClassGridRec& C(int no) { return *school.ClassGridByNo(no); }
  // The lesson the class holds in the cell of (day, hour).
  int At(int cls, int day, int hour) {
    return C(cls).occupant[static_cast<std::size_t>(CellIndex(day, hour) - 1)];
  }
};

// Text of the consistency check's findings, empty when the timetables agree.
inline std::string Problems(const School& school) {
  std::string text;
  for (const std::string& line : CheckConsistency(school)) text += line + "\n";
  return text;
}

}  // namespace kalvodrin
