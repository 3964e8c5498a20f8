// Copying a class's lessons to another class.

#include <gtest/gtest.h>

#include "core/pick_rows.h"
#include "curriculum/copy_lessons.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

std::vector<std::string> Lessons(const School& school, int classNo) {
  std::vector<std::string> names;
  for (const ListRow& row : ClassLessonPickRows(school, classNo)) names.push_back(row.cells[2]);
  return names;
}

TEST(CopyLessons, AddsWhatTheTargetLacksInTheSourcesOrderWithoutCapacityCheck) {
  SchoolBuilder b;
  b.Teacher("ALİ").Room("LAB");
  b.Class("9", "A").Lesson("MATEMATİK", 20, "5+5+5+5").Teach().InRoom("LAB")
      .Lesson("ALMANCA", 2, "2").Lesson("FİZİK", 4, "2+2");
  b.Class("9", "B").Lesson("FİZİK", 4, "2+2").Lesson("TARİH", 10, "2+2+2+2+2");
  b.Class("9", "C");
  School s = b.Build();
  const int a = b.ClassNo("9 A"), bb = b.ClassNo("9 B");
  const Change c = CopyClassLessons(s, a, bb);
  ASSERT_EQ(c.outcome, Outcome::kDone);
  EXPECT_EQ(c.number, 2);
  EXPECT_EQ(c.files, FileSet{DataFile::kClassLessons});
  // Appended after the target's own lessons, in the source's order, not by name;
  // 36 hours exceed the 30 of the week and are copied all the same.
  EXPECT_EQ(Lessons(s, bb),
            (std::vector<std::string>{"FİZİK", "TARİH", "ALMANCA", "MATEMATİK"}));
  const TClassLessonRec& copied = *s.ClassLessonAt(bb, b.LessonNo("MATEMATİK"));
  EXPECT_EQ(copied.teacherCount + copied.roomCount + copied.commonGroup, 0);
  EXPECT_EQ(copied.pattern, (std::array<uint8_t, 5>{5, 5, 5, 5, 0}));
  // Onto itself, or from a class without lessons: nothing.
  EXPECT_EQ(CopyClassLessons(s, a, a).outcome, Outcome::kUnchanged);
  EXPECT_EQ(CopyClassLessons(s, b.ClassNo("9 C"), a).outcome, Outcome::kUnchanged);
  EXPECT_EQ(CopyClassLessons(s, a, 99).outcome, Outcome::kNotFound);
  EXPECT_EQ(CopyClassLessons(s, 99, a).outcome, Outcome::kNotFound);
}

TEST(CopyLessons, TheProposedSourceIsTheClassAboveOrTheFirstItself) {
  SchoolBuilder b;
  b.Class("9", "A").Class("9", "B").Class("10", "A");
  School s = b.Build();
  // Show 10 A first: order 1 is now class 3.
  s.ClassByNo(3)->order = 1;
  s.ClassByNo(1)->order = 2;
  s.ClassByNo(2)->order = 3;
  EXPECT_EQ(ProposedCopySource(s, 3), 3);
  EXPECT_EQ(ProposedCopySource(s, 1), 3);
  EXPECT_EQ(ProposedCopySource(s, 2), 1);
  EXPECT_EQ(ProposedCopySource(s, 7), 0);
}

}  // namespace
}  // namespace kalvodrin
