// Which lessons a class takes: the capacity its week allows, the order its lessons
// are listed in, and what goes with a class lesson that is taken away.

#include <gtest/gtest.h>

#include "core/cells.h"
#include "engine/cell_writes.h"
#include "curriculum/class_lessons.h"
#include "curriculum/curriculum_rows.h"
#include "curriculum/curriculum_texts.h"
#include "engine/consistency.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

std::vector<std::string> LessonNames(const School& school, int classNo) {
  std::vector<std::string> names;
  for (const ListRow& row : ClassLessonRows(school, classNo)) names.push_back(row.cells[2]);
  return names;
}

TEST(ClassCapacity, CountsOpenOrOccupiedHoursOfTheDayWindows) {
  SchoolBuilder b;
  b.Class("9", "A").Lesson("MATEMATİK", 2, "2").Teacher("ALİ").Teach();
  School s = b.Build();
  const int k = b.ClassNo("9 A");
  EXPECT_EQ(ClassCapacity(s, k), 30);
  TClassGridRec& g = *s.ClassGridByNo(k);
  g.firstHour[2] = 0;  // Wednesday without lessons
  EXPECT_EQ(ClassCapacity(s, k), 24);
  g.lastHour[3] = 0;  // a last hour of 0 closes Thursday as well
  EXPECT_EQ(ClassCapacity(s, k), 18);
  g.open[cells::At(CellIndex(1, 2))] = 0;  // closed and empty: not usable
  EXPECT_EQ(ClassCapacity(s, k), 17);
  // A closed hour that holds a lesson still counts.
  s = b.Place("9 A", "MATEMATİK", 1, 2, 3).Build();
  s.ClassGridByNo(k)->open[cells::At(CellIndex(2, 3))] = 0;
  EXPECT_EQ(ClassCapacity(s, k), 30);
}

TEST(GiveLessonToClass, RefusesOnlyWhatExceedsTheCapacity) {
  SchoolBuilder b;
  b.Lesson("TARİH", 4, "2+2").Lesson("EDEBİYAT", 26, "6+5+5+5+5")
      .Lesson("SANAT", 1, "1");
  b.Class("9", "A").Lesson("EDEBİYAT", 26, "");
  School s = b.Build();
  const int k = b.ClassNo("9 A");
  // 26 + 4 = 30 fits exactly.
  Change c = GiveLessonToClass(s, k, b.LessonNo("TARİH"));
  EXPECT_EQ(c.outcome, Outcome::kDone);
  EXPECT_EQ(c.files, FileSet{DataFile::kClassLessons});
  // 30 + 1 does not; nothing changes and the notice names the capacity.
  c = GiveLessonToClass(s, k, b.LessonNo("SANAT"));
  EXPECT_EQ(c.outcome, Outcome::kOverCapacity);
  EXPECT_EQ(c.number, 30);
  EXPECT_TRUE(c.files.empty());
  EXPECT_EQ(s.ClassLessonAt(k, b.LessonNo("SANAT")), nullptr);
  EXPECT_EQ(CurriculumNotice(c).substr(0, 46),
            "Bu sınıfa 30 den fazla ders veremezsiniz. Bu");
  // Taken twice, a lesson stays one class lesson and nothing is said.
  School t = SchoolBuilder().Lesson("REHBERLİK", 1, "1").Class("9", "B").Build();
  EXPECT_TRUE(GiveLessonToClass(t, 1, 1).done());
  EXPECT_EQ(GiveLessonToClass(t, 1, 1).outcome, Outcome::kUnchanged);
  EXPECT_EQ(t.ClassLessons.size(), 1u);
  EXPECT_EQ(GiveLessonToClass(t, 1, 9).outcome, Outcome::kNotFound);
  EXPECT_EQ(GiveLessonToClass(t, 9, 1).outcome, Outcome::kNotFound);
}

TEST(GiveLessonToClass, NewLessonCopiesThePatternAndTakesItsPlaceByName) {
  SchoolBuilder b;
  b.Lesson("BİYOLOJİ", 3, "2+1", "", true).Lesson("ÇİZİM", 1, "1").Lesson("ZOOLOJİ", 2, "2");
  b.Class("9", "A").Lesson("FİZİK", 2, "2").Class("9", "B").Lesson("AHLAK", 1, "1");
  School s = b.Build();
  const int k = b.ClassNo("9 A");
  for (const char* name : {"ZOOLOJİ", "BİYOLOJİ", "ÇİZİM"})
    ASSERT_TRUE(GiveLessonToClass(s, k, b.LessonNo(name)).done()) << name;
  // Turkish order: Ç after C, İ as its own letter; other classes are left alone.
  EXPECT_EQ(LessonNames(s, k),
            (std::vector<std::string>{"BİYOLOJİ", "ÇİZİM", "FİZİK", "ZOOLOJİ"}));
  EXPECT_EQ(LessonNames(s, b.ClassNo("9 B")), std::vector<std::string>{"AHLAK"});
  const TClassLessonRec& cl = *s.ClassLessonAt(k, b.LessonNo("BİYOLOJİ"));
  EXPECT_EQ(cl.pattern, (std::array<uint8_t, 5>{2, 1, 0, 0, 0}));
  EXPECT_EQ(cl.blockCount, 2);
  EXPECT_EQ(cl.divisible, 1);
  EXPECT_EQ(cl.teacherCount + cl.roomCount + cl.commonGroup, 0);
  EXPECT_EQ(ClassLessonSummary(s, k), "SEÇİLEN DERS=4  TOPLAM SAAT=8");
  EXPECT_EQ(ClassLessonSummary(s, 99), "SEÇİLEN DERS=0  TOPLAM SAAT=0");
}

TEST(RemoveClassLesson, TakesTeachersHoursAndAGroupOfTwoWithIt) {
  SchoolBuilder b;
  b.Teacher("VELİ").Room("SALON");
  for (const char* section : {"A", "B"})
    b.Class("9", section).Lesson("BEDEN", 2, "2").Lesson("MATEMATİK", 2, "2");
  b.Common({"9 A", "9 B"}, "BEDEN").InRoom("SALON").Teach("VELİ", "9 A", "BEDEN");
  b.Teach("VELİ", "9 B", "MATEMATİK");
  b.Place("9 A", "BEDEN", 2, 1, 1).Place("9 B", "MATEMATİK", 2, 2, 1);
  School s = b.Build();
  const int a = b.ClassNo("9 A"), bb = b.ClassNo("9 B"), bed = b.LessonNo("BEDEN");
  ASSERT_EQ(CheckConsistency(s), std::vector<std::string>{});

  const Change c = RemoveClassLesson(s, a, bed);
  ASSERT_TRUE(c.done());
  EXPECT_EQ(c.files, (FileSet{DataFile::kClassLessons, DataFile::kCommonGroups,
                              DataFile::kTeacherLessons, DataFile::kTeacherGrids,
                              DataFile::kClassGrids, DataFile::kRoomGrids}));
  EXPECT_EQ(s.ClassLessonAt(a, bed), nullptr);
  EXPECT_TRUE(s.CommonGroups.empty());
  const TClassLessonRec& left = *s.ClassLessonAt(bb, bed);
  EXPECT_EQ(left.commonGroup, 0);
  // The teacher was the common lesson's, so 9 B's BEDEN lost it too.
  EXPECT_EQ(left.teacherCount, 0);
  // The joint hours went from both classes; 9 B's own lesson stays placed.
  EXPECT_EQ(s.ClassGridByNo(bb)->occupant[cells::At(CellIndex(1, 1))], 0);
  EXPECT_EQ(s.ClassGridByNo(bb)->occupant[cells::At(CellIndex(2, 1))],
            b.LessonNo("MATEMATİK"));
  EXPECT_EQ(s.TeacherGridByNo(1)->weeklyHours, 2);  // 9 B's MATEMATİK
  EXPECT_EQ(CheckConsistency(s), std::vector<std::string>{});
  EXPECT_EQ(RemoveClassLesson(s, a, bed).outcome, Outcome::kNotFound);
  EXPECT_EQ(RemoveClassLessonConfirm(s, a, bed), "9 A Sınıfından BEDEN Dersi silinecek !");
}

}  // namespace
}  // namespace kalvodrin
