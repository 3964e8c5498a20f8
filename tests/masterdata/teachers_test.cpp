#include <gtest/gtest.h>

#include "core/record_creation.h"
#include "masterdata/teachers.h"
#include "typed.h"

namespace kalvodrin {
namespace {

TEST(NewTeacher, FieldsAreCutToTheirWidthsAndATimetableIsCreated) {
  School school;
  const Change c = SaveNewTeacher(
      school, {Cp("ayşe yılmaz"), Cp("matematik öğr"), Cp("9-a sınıfı"), Cp("fen bilim kulüb")});
  ASSERT_EQ(c.outcome, Outcome::kDone);
  EXPECT_EQ(c.files, (FileSet{DataFile::kTeachers, DataFile::kTeacherGrids}));
  const TTeacherRec& t = *school.TeacherByNo(1);
  EXPECT_EQ(t.order, 1);
  EXPECT_EQ(Utf(t.name.view()), "AYŞE YILMAZ");
  EXPECT_EQ(Utf(t.branch.view()), "MATEMATİK ÖĞ");
  EXPECT_EQ(Utf(t.classTeacherOf.view()), "9-A SINI");
  EXPECT_EQ(Utf(t.club.view()), "FEN BİLİM KU");  // 15 typed, 12 kept
  const TTeacherGridRec* g = school.TeacherGridByNo(1);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->special.maxHoursPerDay, 6);
  EXPECT_EQ(g->special.sameClassDifferentDays, 1);
  EXPECT_EQ(SaveNewTeacher(school, {"", "X", "", ""}).outcome, Outcome::kInvalid);
}

TEST(NewTeacher, A256thTeacherIsRefused) {
  School school;
  for (int n = 1; n <= 255; ++n) AddTeacher(school, n, "T", "", "", "");
  school.ReindexTeachers();
  const Change c = SaveNewTeacher(school, {"YENİ", "", "", ""});
  EXPECT_EQ(c.outcome, Outcome::kFull);
  EXPECT_EQ(school.Teachers.size(), 255u);
  EXPECT_TRUE(school.TeacherGrids.empty());
}

TEST(TeacherEdit, ShowsAndReplacesTheFourTexts) {
  School school;
  SaveNewTeacher(school, {Cp("ALİ"), Cp("FİZİK"), "", ""});
  TeacherFields f = TeacherFieldsOf(school, 1);
  EXPECT_EQ(Utf(f.branch), "FİZİK");
  f.club = Cp("münazara");
  const Change c = SaveTeacherEdit(school, 1, f);
  EXPECT_EQ(c.files, FileSet{DataFile::kTeachers});
  EXPECT_EQ(Utf(school.TeacherByNo(1)->club.view()), "MÜNAZARA");
  f.name.clear();
  EXPECT_EQ(SaveTeacherEdit(school, 1, f).outcome, Outcome::kInvalid);
  EXPECT_EQ(Utf(school.TeacherByNo(1)->name.view()), "ALİ");
}

TEST(TeacherOrder, MoveDownSwapsAndTheLastRowWritesNothing) {
  School school;
  for (const char* n : {"A", "B", "C"}) SaveNewTeacher(school, {n, "", "", ""});
  EXPECT_TRUE(MoveTeacher(school, 3, MoveDirection::kDown).files.empty());
  EXPECT_EQ(MoveTeacher(school, 1, MoveDirection::kDown).files, FileSet{DataFile::kTeachers});
  EXPECT_EQ(school.Teachers[0].number, 2);
  EXPECT_EQ(school.Teachers[1].number, 1);
  EXPECT_EQ(school.TeacherByNo(1)->order, 2);
  EXPECT_EQ(MoveTeacher(school, 8, MoveDirection::kUp).outcome, Outcome::kNotFound);
}

}  // namespace
}  // namespace kalvodrin
