#pragma once
// Small schools for the scheduler tests, numbered the way the tests think of them,
// built through the shared SchoolBuilder:
//   TestSchool t;
//   t.Lesson(1, 5, {2, 2, 1}).Class(1).Teacher(1).Give(1, 1, {1}).Done();
// Lesson n is "DERSn", class n is "n A", teacher n "OGRETMENn", room n "ODAn"; each
// kind must be declared in number order. Declare lessons before classes (the builder
// lets the current class take a new lesson). Done() builds the school and counts its
// hours; change the built school (t.school) only after Done().

#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/cells.h"
#include "core/pattern.h"
#include "engine/block.h"
#include "engine/block_operations.h"
#include "engine/consistency.h"
#include "engine/counts.h"
#include "grid_image.h"
#include "school_builder.h"

namespace kalvodrin {

class TestSchool {
 public:
  SchoolBuilder builder;
  School school;

  static std::string LessonName(int no) { return "DERS" + std::to_string(no); }
  static std::string ClassName(int no) { return std::to_string(no) + " A"; }
  static std::string TeacherName(int no) { return "OGRETMEN" + std::to_string(no); }
  static std::string RoomName(int no) { return "ODA" + std::to_string(no); }

  TestSchool& Lesson(int no, int weekly, const PatternBytes& pattern,
                     bool divisible = true) {
    builder.Lesson(LessonName(no), weekly, PatternText(pattern), "", divisible);
    Expect(builder.LessonNo(LessonName(no)), no);
    return *this;
  }
  TestSchool& Class(int no, int firstHour = 1, int lastHour = 6) {
    builder.Class(std::to_string(no), "A").Hours(firstHour, lastHour);
    Expect(builder.ClassNo(ClassName(no)), no);
    return *this;
  }
  TestSchool& Teacher(int no) {
    builder.Teacher(TeacherName(no));
    Expect(builder.TeacherNo(TeacherName(no)), no);
    return *this;
  }
  TestSchool& Room(int no) {
    builder.Room(RoomName(no));
    Expect(builder.RoomNo(RoomName(no)), no);
    return *this;
  }
  // The class takes the lesson, given by the teachers (every member of a common
  // lesson when it is one), in the rooms.
  TestSchool& Give(int cls, int lesson, std::initializer_list<int> teachers,
                   std::initializer_list<int> rooms = {}) {
    builder.In(ClassName(cls)).Lesson(LessonName(lesson), 0, "");
    for (int t : teachers) builder.Teach(TeacherName(t), ClassName(cls), LessonName(lesson));
    for (int r : rooms) builder.InRoom(RoomName(r));
    return *this;
  }
  // Two classes that both take the lesson take it together; give it teachers after.
  TestSchool& Common(int lesson, int first, int second) {
    const std::string a = ClassName(first);
    const std::string b = ClassName(second);
    builder.Common({a, b}, LessonName(lesson));
    return *this;
  }
  TestSchool& Done() {
    school = builder.Build();
    CountAllHours(school);
    return *this;
  }

  // Places a block by hand, as an earlier run would have.
  bool Put(int cls, int lesson, int length, int day, int hour) {
    std::optional<Block> block =
        MakeBlock(school, cls, lesson, length, CellIndex(day, hour));
    return block && PlaceBlock(school, *block, nullptr);
  }

  TTeacherGridRec& T(int no) { return *school.TeacherGridByNo(no); }
  TClassGridRec& C(int no) { return *school.ClassGridByNo(no); }
  TLessonRec& L(int no) { return *school.LessonByNo(no); }
  // The lesson the class holds in the cell of (day, hour).
  int At(int cls, int day, int hour) {
    return C(cls).occupant[static_cast<std::size_t>(CellIndex(day, hour) - 1)];
  }

 private:
  static void Expect(int got, int wanted) {
    if (got != wanted) throw std::logic_error("declare test entities in number order");
  }
};

// Text of the consistency check's findings, empty when the timetables agree.
inline std::string Problems(const School& school) {
  std::string text;
  for (const std::string& line : CheckConsistency(school)) text += line + "\n";
  return text;
}

}  // namespace kalvodrin
