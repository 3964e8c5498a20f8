// Tying class lessons to classrooms: common lessons together, the placed-lesson
// refusal, detaching a placed lesson, the classroom loads.

#include <gtest/gtest.h>

#include "core/cells.h"
#include "engine/cell_writes.h"
#include "engine/consistency.h"
#include "engine/hour_operations.h"
#include "list_checks.h"
#include "school_builder.h"
#include "staffing/classrooms.h"
#include "staffing/members.h"
#include "staffing/staffing_rows.h"
#include "staffing/staffing_texts.h"
#include "staffing/teacher_lessons.h"

namespace kalvodrin {
namespace {

class Rooms : public ::testing::Test {
 protected:
  void SetUp() override {
    b.Teacher("ALİ").Room("SALON").Room("LAB");
    for (const char* section : {"A", "B"})
      b.Class("9", section).Lesson("BEDEN", 2, "2").Lesson("FİZİK", 3, "2+1");
    b.Common({"9 A", "9 B"}, "BEDEN").Teach("ALİ", "9 A", "BEDEN");
    b.Teach("ALİ", "9 A", "FİZİK");
    s = b.Build();
    a = b.ClassNo("9 A");
    bb = b.ClassNo("9 B");
    bed = b.LessonNo("BEDEN");
    fiz = b.LessonNo("FİZİK");
  }
  SchoolBuilder b;
  School s;
  int a = 0, bb = 0, bed = 0, fiz = 0;
};

TEST_F(Rooms, ACommonLessonGetsAndLosesItsRoomInEveryMember) {
  const Change c = AttachRoomToClassLesson(s, bb, bed, 1);
  ASSERT_TRUE(c.done());
  EXPECT_EQ(c.files, (FileSet{DataFile::kClassLessons, DataFile::kRoomGrids}));
  EXPECT_EQ(s.RoomGridByNo(1)->weeklyHours, 2 + 2);  // both members' hours, at once
  EXPECT_EQ(s.RoomGridByNo(2)->weeklyHours, 0);
  EXPECT_TRUE(CheckConsistency(s).empty()) << CheckConsistency(s).front();
  EXPECT_EQ(s.ClassLessonAt(a, bed)->roomCount, 1);
  EXPECT_EQ(s.ClassLessonAt(bb, bed)->rooms[0], 1);
  EXPECT_EQ(AttachRoomToClassLesson(s, a, bed, 1).outcome, Outcome::kUnchanged);
  EXPECT_EQ(s.ClassLessonAt(a, bed)->roomCount, 1);
  // The same room for two lessons: its load is the sum, a joint lesson once per member.
  ASSERT_TRUE(AttachRoomToClassLesson(s, a, fiz, 1).done());
  EXPECT_EQ(CountRoomLoads(s)[1], 2 + 2 + 3);
  EXPECT_EQ(s.RoomGridByNo(1)->weeklyHours, 2 + 2 + 3);
  EXPECT_EQ(RoomLoadRows(s)[0].cells, (std::vector<std::string>{"1", "SALON", "7"}));
  EXPECT_EQ(LessonRoomRows(s, a, fiz)[0].cells[1], "SALON");

  const Change d = DetachRoomFromClassLesson(s, a, bed, 1);
  ASSERT_TRUE(d.done());
  EXPECT_EQ(d.files, (FileSet{DataFile::kClassLessons, DataFile::kRoomGrids}));
  EXPECT_EQ(s.ClassLessonAt(bb, bed)->roomCount, 0);
  EXPECT_EQ(CountRoomLoads(s)[1], 3);
  EXPECT_EQ(DetachRoomFromClassLesson(s, a, bed, 1).outcome, Outcome::kNotFound);
}

// All members or none: a member with fifteen classrooms already, or one whose class
// lesson is gone, keeps the classroom from every member.
TEST_F(Rooms, ACommonLessonTakesAClassroomOnlyWhenEveryMemberCan) {
  TClassLessonRec& other = *s.ClassLessonAt(bb, bed);
  other.roomCount = 14;
  for (std::size_t k = 0; k < 14; ++k) other.rooms[k] = static_cast<uint8_t>(100 + k);
  ASSERT_TRUE(AttachRoomToClassLesson(s, a, bed, 1).done());
  EXPECT_EQ(other.roomCount, 15);
  const Change full = AttachRoomToClassLesson(s, a, bed, 2);
  EXPECT_EQ(full.outcome, Outcome::kListFull);
  EXPECT_EQ(s.ClassLessonAt(a, bed)->roomCount, 1);
  EXPECT_EQ(other.roomCount, 15);

  s.CommonGroupByNo(other.commonGroup)->lessons[1] = 77;
  EXPECT_EQ(AttachRoomToClassLesson(s, a, bed, 2).outcome, Outcome::kNotFound);
  EXPECT_EQ(s.ClassLessonAt(a, bed)->roomCount, 1);
  EXPECT_TRUE(LessonRoomRows(s, a, 99).empty());
}

// Numbers that name no record are refused and change nothing, and texts and rows read
// them as empty: a damaged file set may hold any of them.
TEST_F(Rooms, UnknownNumbersAreRefusedAndReadAsNothing) {
  EXPECT_EQ(AttachRoomToClassLesson(s, a, 99, 1).outcome, Outcome::kNotFound);
  EXPECT_EQ(AttachRoomToClassLesson(s, a, fiz, 99).outcome, Outcome::kNotFound);
  EXPECT_EQ(DetachRoomFromClassLesson(s, a, 99, 1).outcome, Outcome::kNotFound);
  EXPECT_EQ(GiveLessonToTeacher(s, 1, a, 99).outcome, Outcome::kNotFound);
  EXPECT_EQ(GiveLessonToTeacher(s, 9, a, fiz).outcome, Outcome::kNotFound);
  EXPECT_EQ(TakeLessonFromTeacher(s, 1, a, 99).outcome, Outcome::kNotFound);
  EXPECT_EQ(s.ClassLessonAt(a, fiz)->roomCount, 0);
  EXPECT_EQ(s.ClassLessonAt(a, fiz)->teacherCount, 1);
  const std::vector<ClassLessonKey> alone = MembersOf(s, 99, 98);
  ASSERT_EQ(alone.size(), 1u);
  EXPECT_EQ(alone[0].classNo, 99);
  EXPECT_EQ(alone[0].lesson, 98);
  EXPECT_EQ(TakeAwayConfirm(s, 9, 99, 99), " adındaki öğretmenden,   sınıfının  Dersi silinecek !");
  EXPECT_EQ(LessonRoomsTitle(s, 99, 99), "  sınıfı  dersinin okutulduğu derslikler");
  // A classroom number naming no classroom, and a lesson record that is gone.
  ASSERT_TRUE(AttachRoomToClassLesson(s, a, fiz, 1).done());
  s.ClassLessonAt(a, fiz)->rooms[0] = 77;
  const std::vector<ListRow> rows = LessonRoomRows(s, a, fiz);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"77", ""}));
  s.ClassLessonAt(a, fiz)->lesson = 99;
  EXPECT_EQ(CountRoomLoads(s)[77], 0);
}

TEST_F(Rooms, EveryListHasACellPerColumnAndEveryRefusalItsOwnMessage) {
  ASSERT_TRUE(AttachRoomToClassLesson(s, a, fiz, 2).done());
  testing::ExpectRowsFitColumns(TeacherPickColumns(), TeacherPickRows(s));
  testing::ExpectRowsFitColumns(TeacherLessonColumns(), TeacherLessonRows(s, 1));
  testing::ExpectRowsFitColumns(UnassignedColumns(), UnassignedRows(s));
  testing::ExpectRowsFitColumns(RoomLoadColumns(), RoomLoadRows(s));
  testing::ExpectRowsFitColumns(LessonRoomColumns(), LessonRoomRows(s, a, fiz));
  testing::ExpectOwnMessages(
      [](Outcome o) { return TeacherLessonNotice(Refused(o)); },
      {Outcome::kPlaced, Outcome::kAlreadyGiven, Outcome::kListFull, Outcome::kNotFound});
  testing::ExpectOwnMessages([](Outcome o) { return ClassroomNotice(Refused(o)); },
                             {Outcome::kPlaced, Outcome::kListFull, Outcome::kNotFound});
}

TEST_F(Rooms, AttachingIsRefusedWhilePlacedDetachingFreesOnlyTheRoomsCells) {
  ASSERT_TRUE(AttachRoomToClassLesson(s, a, fiz, 2).done());
  School placed = s;
  ASSERT_TRUE(PlaceOneHour(placed, CellIndex(1, 1), a, fiz));
  const Change refused = AttachRoomToClassLesson(placed, a, fiz, 1);
  EXPECT_EQ(refused.outcome, Outcome::kPlaced);
  EXPECT_TRUE(ClassroomNotice(refused).starts_with("Bu ders, haftalık ders programında dağıtılmış."));
  EXPECT_EQ(placed.ClassLessonAt(a, fiz)->roomCount, 1);

  ASSERT_TRUE(DetachRoomFromClassLesson(placed, a, fiz, 2).done());
  const int cell = cells::At(CellIndex(1, 1));
  EXPECT_EQ(placed.RoomGridByNo(2)->occupant[cell], 0);
  EXPECT_EQ(placed.RoomGridByNo(2)->open[cell], 1);
  EXPECT_EQ(placed.ClassGridByNo(a)->occupant[cell], fiz);
  EXPECT_EQ(placed.TeacherGridByNo(1)->occupant[cell], a);
  EXPECT_EQ(CheckConsistency(placed), std::vector<std::string>{});
}

TEST(RoomLimit, ASixteenthRoomIsRefusedAndThePatternStaysWhole) {
  SchoolBuilder b;
  b.Class("9", "A").Lesson("BEDEN", 4, "2+2");
  for (int r = 1; r <= 16; ++r) b.Room("R" + std::to_string(r));
  School s = b.Build();
  for (int r = 1; r <= 15; ++r) ASSERT_TRUE(AttachRoomToClassLesson(s, 1, 1, r).done()) << r;
  const Change c = AttachRoomToClassLesson(s, 1, 1, 16);
  EXPECT_EQ(c.outcome, Outcome::kListFull);
  EXPECT_FALSE(ClassroomNotice(c).empty());
  EXPECT_EQ(s.ClassLessonAt(1, 1)->roomCount, 15);
  EXPECT_EQ(s.ClassLessonAt(1, 1)->pattern, (std::array<uint8_t, 5>{2, 2, 0, 0, 0}));
}

}  // namespace
}  // namespace kalvodrin
