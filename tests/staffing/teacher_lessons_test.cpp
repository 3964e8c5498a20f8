// Giving class lessons to teachers and taking them away: the refusals, common
// lessons given to every member, the teacher's order and totals, the cursor rule.

#include <gtest/gtest.h>

#include "core/cells.h"
#include "engine/cell_writes.h"
#include "engine/consistency.h"
#include "engine/counts.h"
#include "school_builder.h"
#include "staffing/staffing_rows.h"
#include "staffing/staffing_texts.h"
#include "staffing/teacher_lessons.h"

namespace kalvodrin {
namespace {

std::vector<std::string> Listed(const School& school, int teacher) {
  std::vector<std::string> rows;
  for (const ListRow& r : TeacherLessonRows(school, teacher))
    rows.push_back(r.cells[3] + r.cells[4] + " " + r.cells[5]);
  return rows;
}

TEST(GiveLesson, RefusesPlacedAndRepeatedAndAsksBeforeASecondTeacher) {
  SchoolBuilder b;
  b.Teacher("ALİ").Teacher("VELİ").Teacher("AYŞE");
  b.Class("9", "A").Lesson("MATEMATİK", 4, "2+2").Lesson("FİZİK", 2, "2");
  b.Place("9 A", "FİZİK", 1, 1, 1);  // one hour, placed while nobody teaches it
  School s = b.Build();
  const int k = b.ClassNo("9 A"), mat = b.LessonNo("MATEMATİK"), fiz = b.LessonNo("FİZİK");
  const int ali = b.TeacherNo("ALİ"), veli = b.TeacherNo("VELİ");

  Change c = GiveLessonToTeacher(s, ali, k, fiz);
  EXPECT_EQ(c.outcome, Outcome::kPlaced);
  EXPECT_TRUE(
      TeacherLessonNotice(c).starts_with("Bu ders, haftalık ders programında yerleştirilmiş."));
  EXPECT_TRUE(s.TeacherLessons.empty());

  c = GiveLessonToTeacher(s, ali, k, mat);
  ASSERT_TRUE(c.done());
  EXPECT_EQ(c.files, (FileSet{DataFile::kTeacherLessons, DataFile::kClassLessons,
                              DataFile::kTeacherGrids, DataFile::kClassGrids}));
  EXPECT_EQ(GiveLessonToTeacher(s, ali, k, mat, true).outcome, Outcome::kAlreadyGiven);
  // A second teacher: asked first, given only once confirmed.
  EXPECT_EQ(GiveLessonToTeacher(s, veli, k, mat).outcome, Outcome::kAskAnother);
  EXPECT_EQ(s.ClassLessonAt(k, mat)->teacherCount, 1);
  EXPECT_EQ(CurrentTeachersText(s, k, mat), " ALİ,");
  ASSERT_TRUE(GiveLessonToTeacher(s, veli, k, mat, true).done());
  EXPECT_EQ(CurrentTeachersText(s, k, mat), " ALİ, VELİ,");
  EXPECT_EQ(s.TeacherLessons.size(), 2u);
  // Both teachers count the lesson; the class counts it twice.
  EXPECT_EQ(s.TeacherGridByNo(veli)->weeklyHours, 4);
  EXPECT_EQ(s.ClassGridByNo(k)->weeklyHours, 8);
  EXPECT_EQ(GiveLessonToTeacher(s, 9, k, mat).outcome, Outcome::kNotFound);
}

TEST(GiveLesson, ASixteenthTeacherIsRefusedAndTheRoomsStayWhole) {
  SchoolBuilder b;
  b.Room("LAB").Class("9", "A").Lesson("BEDEN", 2, "2").InRoom("LAB");
  for (int t = 1; t <= 16; ++t) b.Teacher("T" + std::to_string(t));
  School s = b.Build();
  for (int t = 1; t <= 15; ++t) ASSERT_TRUE(GiveLessonToTeacher(s, t, 1, 1, true).done()) << t;
  const Change c = GiveLessonToTeacher(s, 16, 1, 1, true);
  EXPECT_EQ(c.outcome, Outcome::kListFull);
  EXPECT_FALSE(TeacherLessonNotice(c).empty());
  const TClassLessonRec& cl = *s.ClassLessonAt(1, 1);
  EXPECT_EQ(cl.teacherCount, 15);
  EXPECT_EQ(cl.roomCount, 1);
  EXPECT_EQ(cl.rooms[0], 1);
  EXPECT_EQ(s.TeacherLessons.size(), 15u);
}

TEST(GiveLesson, ACommonLessonGoesToEveryMemberAndCountsOnce) {
  SchoolBuilder b;
  b.Teacher("ALİ");
  b.Class("9", "A").Lesson("BEDEN", 2, "2").Lesson("TARİH", 3, "2+1");
  b.Class("9", "B").Lesson("BEDEN", 2, "2");
  b.Class("12", "A").Hours(5, 10).Lesson("BEDEN", 2, "2");  // afternoon shift
  b.Common({"9 A", "9 B"}, "BEDEN");
  School s = b.Build();
  const int bed = b.LessonNo("BEDEN");
  ASSERT_TRUE(GiveLessonToTeacher(s, 1, b.ClassNo("9 B"), bed).done());
  ASSERT_TRUE(GiveLessonToTeacher(s, 1, b.ClassNo("9 A"), b.LessonNo("TARİH")).done());
  ASSERT_TRUE(GiveLessonToTeacher(s, 1, b.ClassNo("12 A"), bed).done());
  // Most weekly hours first, then the lesson name, then the class.
  EXPECT_EQ(Listed(s, 1), (std::vector<std::string>{"9A TARİH", "9A BEDEN", "9B BEDEN",
                                                     "12A BEDEN"}));
  EXPECT_EQ(s.ClassLessonAt(b.ClassNo("9 A"), bed)->teacherCount, 1);
  const TeacherTotals totals = CountTeacherTotals(s, 1);
  EXPECT_EQ(totals.lessons, 4);
  EXPECT_EQ(totals.morning, 5);  // TARİH 3 + the joint BEDEN once
  EXPECT_EQ(totals.afternoon, 2);
  EXPECT_EQ(totals.total, 7);
  EXPECT_EQ(TeacherTotalsText(totals), "DERS SAYISI=4, SBH=5, ÖĞL=2, TOP.=7");
  EXPECT_EQ(ShiftText(s, b.ClassNo("12 A")), "ÖĞLE");
  EXPECT_EQ(ShiftText(s, b.ClassNo("9 A")), "SABAH");
}

// A group record naming a class lesson that is gone (a damaged file set) keeps the
// lesson from every member: a common lesson is never given to some classes only.
TEST(GiveLesson, ACommonLessonWithAGoneMemberIsRefusedWhole) {
  SchoolBuilder b;
  b.Teacher("ALİ");
  b.Class("9", "A").Lesson("BEDEN", 2, "2");
  b.Class("9", "B").Lesson("BEDEN", 2, "2");
  b.Common({"9 A", "9 B"}, "BEDEN");
  School s = b.Build();
  const int a = b.ClassNo("9 A");
  const int bed = b.LessonNo("BEDEN");
  s.CommonGroupByNo(s.ClassLessonAt(a, bed)->commonGroup)->lessons[1] = 77;
  EXPECT_EQ(GiveLessonToTeacher(s, 1, a, bed).outcome, Outcome::kNotFound);
  EXPECT_TRUE(s.TeacherLessons.empty());
  EXPECT_EQ(s.ClassLessonAt(a, bed)->teacherCount, 0);
  // Unknown numbers read as nothing.
  const TeacherTotals none = CountTeacherTotals(s, 9);
  EXPECT_EQ(none.lessons + none.morning + none.afternoon + none.total, 0);
  EXPECT_EQ(ShiftText(s, 99), "SABAH");
  EXPECT_EQ(CurrentTeachersText(s, a, 99), "");
  EXPECT_EQ(TakeLessonFromTeacher(s, 1, a, bed).outcome, Outcome::kNotFound);
}

TEST(TakeLesson, RemovesEveryMembersEntryAndPlacedHoursEverywhere) {
  SchoolBuilder b;
  b.Teacher("ALİ").Room("SALON");
  for (const char* section : {"A", "B", "C"})
    b.Class("9", section).Lesson("BEDEN", 2, "2").Lesson("MÜZİK", 1, "1");
  b.Common({"9 A", "9 B", "9 C"}, "BEDEN").InRoom("SALON").Teach("ALİ", "9 A", "BEDEN");
  b.Teach("ALİ", "9 A", "MÜZİK");
  b.Place("9 B", "BEDEN", 2, 2, 3).Place("9 A", "MÜZİK", 1, 1, 1);
  School s = b.Build();
  CountAllHours(s);
  ASSERT_EQ(TeacherLessonRows(s, 1).size(), 4u);
  const Change c = TakeLessonFromTeacher(s, 1, b.ClassNo("9 C"), b.LessonNo("BEDEN"));
  ASSERT_TRUE(c.done());
  EXPECT_EQ(c.number, 3);
  EXPECT_TRUE(c.files.has(DataFile::kRoomGrids));
  EXPECT_EQ(Listed(s, 1), std::vector<std::string>{"9A MÜZİK"});
  const int cell = cells::At(CellIndex(2, 3));
  for (const char* k : {"9 A", "9 B", "9 C"})
    EXPECT_EQ(s.ClassGridByNo(b.ClassNo(k))->occupant[cell], 0) << k;
  EXPECT_EQ(s.RoomGridByNo(1)->occupant[cell], 0);
  EXPECT_EQ(s.TeacherGridByNo(1)->occupant[cell], 0);
  EXPECT_EQ(s.TeacherGridByNo(1)->placedHours, 1);
  EXPECT_EQ(s.TeacherGridByNo(1)->weeklyHours, 1);
  EXPECT_EQ(CheckConsistency(s), std::vector<std::string>{});
  EXPECT_EQ(TakeLessonFromTeacher(s, 1, b.ClassNo("9 C"), b.LessonNo("BEDEN")).outcome,
            Outcome::kNotFound);
}

TEST(TakeLesson, TheCursorStaysOrMovesUpByTheEntriesRemoved) {
  EXPECT_EQ(RowAfterTakeAway(2, 4, 1), 2);   // the row still exists
  EXPECT_EQ(RowAfterTakeAway(4, 4, 1), 4);
  EXPECT_EQ(RowAfterTakeAway(5, 4, 1), 4);   // the last row went
  EXPECT_EQ(RowAfterTakeAway(7, 4, 3), 4);   // a common lesson of 3 at the end
  EXPECT_EQ(RowAfterTakeAway(6, 4, 3), 3);
  EXPECT_EQ(RowAfterTakeAway(3, 1, 3), 1);   // one row left
  EXPECT_EQ(RowAfterTakeAway(1, 0, 1), 0);   // none left
  EXPECT_EQ(RowAfterTakeAway(0, 4, 1), 1);   // no row was chosen
}

TEST(Unassigned, ListsClassLessonsWithoutTeachersAndTheirHours) {
  SchoolBuilder b;
  b.Teacher("ALİ").Class("9", "A").Lesson("MATEMATİK", 4, "2+2").Teach()
      .Lesson("FİZİK", 2, "2").Class("10", "B").Lesson("TARİH", 3, "2+1");
  School s = b.Build();
  const std::vector<ListRow> rows = UnassignedRows(s);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"1", std::to_string(b.LessonNo("FİZİK")),
                                                     "9", "A", "FİZİK", "2"}));
  EXPECT_EQ(rows[1].cells[4], "TARİH");
  EXPECT_EQ(UnassignedSummary(s), "DERS SAYISI = 2    TOPLAM SAAT = 5");
  School none = SchoolBuilder().Build();
  EXPECT_EQ(UnassignedSummary(none), "DERS SAYISI = 0    TOPLAM SAAT = 0");
}

}  // namespace
}  // namespace kalvodrin
