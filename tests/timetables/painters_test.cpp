#include <gtest/gtest.h>

#include "engine/locks.h"
#include "timetable_school.h"
#include "timetables/painters.h"

namespace kalvodrin {
namespace {

using C = CellColor;

// Font and cell colour of a painted cell, compared as a pair.
std::pair<C, C> Colors(const CellPaint& p) { return {p.font, p.cell}; }
std::pair<C, C> On(C font, C cell) { return {font, cell}; }

class PainterTest : public ::testing::Test, public TimetableSchool {
 protected:
  void CloseTeacher(int teacher, int day, int hour) {
    ASSERT_TRUE(SetCellOpen(school, GridKind::kTeacher, teacher, CellIndex(day, hour), 0));
  }
  void CloseClass(int classNo, int day, int hour) {
    ASSERT_TRUE(SetCellOpen(school, GridKind::kClass, classNo, CellIndex(day, hour), 0));
  }
  CellPaint Teacher(int day, int hour, int lesson = 0, int classNo = 0) {
    return PaintTeacherCell(school, Select(ayse, classNo ? classNo : a9, lesson ? lesson : math),
                            CellIndex(day, hour));
  }
  CellPaint Class(int day, int hour, int lesson = 0) {
    return PaintClassCell(school, Select(ayse, a9, lesson ? lesson : math), CellIndex(day, hour));
  }
  CellPaint Room(int day, int hour, int lesson = 0) {
    return PaintRoomCell(school, Select(ayse, a9, lesson ? lesson : math), CellIndex(day, hour));
  }
};

TEST_F(PainterTest, TeacherCellTextIsThePlacedClassBoldAndUnderlinedInTheAnnex) {
  EXPECT_EQ(Teacher(1, 1).text, "9");
  EXPECT_TRUE(Teacher(1, 1).bold);
  EXPECT_FALSE(Teacher(1, 1).underline);
  EXPECT_TRUE(Teacher(4, 1).underline);  // 9 B is in the annex
  EXPECT_EQ(Teacher(5, 4).text, "");
  EXPECT_FALSE(Teacher(5, 4).bold);
}

TEST_F(PainterTest, TeacherCellOutsideTheClassDayIsPlainUnlessTheTeacherHasIt) {
  // Hour 8 lies outside 9 A's day; the teacher is free and open there.
  EXPECT_EQ(Colors(Teacher(1, 8)), On(C::kWindowText, C::kButtonFace));
  // A class of the teacher there: not plain, and white on black.
  EXPECT_EQ(Colors(Teacher(4, 7)), On(C::kWhite, C::kBlack));
  EXPECT_EQ(Teacher(4, 7).text, "9");
  // Closed by the teacher: not plain either.
  CloseTeacher(ayse, 1, 8);
  EXPECT_EQ(Colors(Teacher(1, 8)), On(C::kLime, C::kRed));
}

TEST_F(PainterTest, TeacherCellRulesInTheirOrder) {
  // The class is free: black on lime, also where the teacher teaches another class.
  EXPECT_EQ(Colors(Teacher(5, 4)), On(C::kBlack, C::kLime));
  EXPECT_EQ(Colors(Teacher(4, 1)), On(C::kBlack, C::kLime));
  // The class has a lesson (of another teacher): white on black.
  EXPECT_EQ(Colors(Teacher(5, 1)), On(C::kWhite, C::kBlack));
  // The class's cell is closed: blue.
  CloseClass(a9, 5, 5);
  EXPECT_EQ(Colors(Teacher(5, 5)), On(C::kWhite, C::kBlue));
  // Two teachers: purple; a common lesson: teal.
  EXPECT_EQ(Colors(Teacher(2, 1)), On(C::kWhite, C::kPurple));
  EXPECT_EQ(Colors(Teacher(3, 1)), On(C::kWhite, C::kTeal));
  // The teacher's cell is closed: red over purple, the placed text stays.
  CloseTeacher(ayse, 2, 1);
  EXPECT_EQ(Colors(Teacher(2, 1)), On(C::kWhite, C::kRed));
  EXPECT_EQ(Teacher(2, 1).text, "9");
  // Closed with the class's lesson of another teacher there: red, no mark.
  CloseTeacher(ayse, 5, 1);
  EXPECT_EQ(Colors(Teacher(5, 1)), On(C::kWhite, C::kRed));
  EXPECT_EQ(Teacher(5, 1).text, "");
  // Closed and empty for both: the mark, lime on red.
  CloseTeacher(ayse, 5, 3);
  EXPECT_EQ(Colors(Teacher(5, 3)), On(C::kLime, C::kRed));
  EXPECT_EQ(Teacher(5, 3).text, "   _");
}

TEST_F(PainterTest, TeacherCellYellowOnTheSelectedLessonAndOnEveryCommonMember) {
  EXPECT_EQ(Teacher(1, 1).font, C::kYellow);  // MATEMATİK selected, white on black else
  EXPECT_EQ(Teacher(1, 1).cell, C::kBlack);
  EXPECT_EQ(Teacher(2, 1).font, C::kWhite);
  // BEDEN of 9 B selected: the hours the teacher holds as 9 A's member are yellow.
  EXPECT_EQ(Teacher(3, 1, sport, b9).font, C::kYellow);
  EXPECT_EQ(Teacher(1, 1, sport, b9).font, C::kBlack);  // 9 B free there: lime
  // A class outside the group taking the same lesson is not one of its members.
  b.Class("9", "C").Lesson("BEDEN", 2, "2").Teach("AYŞE", "9 C", "BEDEN");
  b.Place("9 C", "BEDEN", 2, 4, 3);
  school = b.Build();
  EXPECT_EQ(Teacher(4, 3, sport, b9).text, "9");
  EXPECT_NE(Teacher(4, 3, sport, b9).font, C::kYellow);
  EXPECT_EQ(Teacher(3, 1, sport, b9).font, C::kYellow);
  // Without a common group only the selected class's hours count.
  EXPECT_EQ(Teacher(4, 1, chemistry, b9).font, C::kYellow);
  EXPECT_NE(Teacher(4, 1, chemistry, a9).font, C::kYellow);
}

TEST_F(PainterTest, TeacherFocusedCellIsGreenOnlyWhenBothAreFreeAndOpen) {
  const int free = CellIndex(5, 4);
  CellPaint p = PaintTeacherCell(school, Select(ayse, a9, math, free), free);
  EXPECT_TRUE(p.focusRect);
  EXPECT_EQ(p.cell, C::kGreen);
  const int busy = CellIndex(5, 1);
  p = PaintTeacherCell(school, Select(ayse, a9, math, busy), busy);
  EXPECT_TRUE(p.focusRect);
  EXPECT_EQ(p.cell, C::kBlack);
  EXPECT_FALSE(Teacher(5, 4).focusRect);
  CloseClass(a9, 5, 4);
  p = PaintTeacherCell(school, Select(ayse, a9, math, free), free);
  EXPECT_EQ(p.cell, C::kBlue);
}

TEST_F(PainterTest, ClassCellRulesInTheirOrder) {
  EXPECT_EQ(Class(1, 1).text, "MAT");
  EXPECT_EQ(Class(5, 1).text, "");  // TARİH has no short name
  // The teacher is busy there (with 9 B): white on black; free: black on lime.
  EXPECT_EQ(Colors(Class(4, 1)), On(C::kWhite, C::kBlack));
  EXPECT_EQ(Colors(Class(5, 4)), On(C::kBlack, C::kLime));
  // The teacher's cell is closed: blue.
  CloseTeacher(ayse, 5, 3);
  EXPECT_EQ(Colors(Class(5, 3)), On(C::kWhite, C::kBlue));
  // Two teachers: white on purple; common lesson: white on teal.
  EXPECT_EQ(Colors(Class(2, 1)), On(C::kWhite, C::kPurple));
  EXPECT_EQ(Colors(Class(3, 1)), On(C::kWhite, C::kTeal));
  // ... purple on blue when the lesson's first teacher has the hour closed.
  CloseTeacher(ayse, 2, 2);
  EXPECT_EQ(Colors(Class(2, 2)), On(C::kPurple, C::kBlue));
  CloseTeacher(ayse, 3, 2);
  EXPECT_EQ(Colors(Class(3, 2)), On(C::kPurple, C::kBlue));
  // The class's cell is closed: red over everything before.
  CloseClass(a9, 2, 2);
  EXPECT_EQ(Colors(Class(2, 2)), On(C::kWhite, C::kRed));
  // The selected lesson: yellow font; another lesson keeps its font.
  EXPECT_EQ(Colors(Class(1, 1)), On(C::kYellow, C::kBlack));
  EXPECT_EQ(Class(1, 1, physics).font, C::kWhite);
}

TEST_F(PainterTest, ClassCellOutsideTheDayNeverShowsALesson) {
  EXPECT_EQ(Colors(Class(1, 8)), On(C::kWhite, C::kButtonFace));
  // The teacher teaches 9 B at day 4 hour 7, outside 9 A's day: coloured, no text.
  EXPECT_EQ(Colors(Class(4, 7)), On(C::kWhite, C::kBlack));
  // A lesson written into a hour outside the window stays hidden.
  school.ClassGridByNo(a9)->occupant[CellIndex(1, 8) - 1] = static_cast<uint8_t>(math);
  CloseClass(a9, 1, 8);
  EXPECT_EQ(Class(1, 8).text, "");
  EXPECT_EQ(Class(1, 8).cell, C::kRed);
}

TEST_F(PainterTest, ClassFocusedCellIsGreenOnlyWhenFreeAndOpen) {
  int cell = CellIndex(5, 4);
  EXPECT_EQ(PaintClassCell(school, Select(ayse, a9, math, cell), cell).cell, C::kGreen);
  cell = CellIndex(4, 1);  // the teacher is busy
  CellPaint p = PaintClassCell(school, Select(ayse, a9, math, cell), cell);
  EXPECT_TRUE(p.focusRect);
  EXPECT_EQ(p.cell, C::kBlack);
}

TEST_F(PainterTest, RoomCellRulesInTheirOrder) {
  EXPECT_EQ(Room(1, 1).text, "9");
  EXPECT_EQ(Room(5, 1).text, "");
  EXPECT_EQ(Colors(Room(5, 4)), On(C::kBlack, C::kLime));
  EXPECT_EQ(Colors(Room(5, 1)), On(C::kWhite, C::kBlack));  // the class is busy
  EXPECT_EQ(Colors(Room(4, 1)), On(C::kWhite, C::kBlack));  // the teacher is busy
  CloseClass(a9, 5, 5);
  EXPECT_EQ(Colors(Room(5, 5)), On(C::kWhite, C::kBlue));
  CloseTeacher(ayse, 5, 3);
  EXPECT_EQ(Colors(Room(5, 3)), On(C::kWhite, C::kBlue));
  ASSERT_TRUE(SetCellOpen(school, GridKind::kRoom, lab, CellIndex(5, 3), 0));
  EXPECT_EQ(Colors(Room(5, 3)), On(C::kWhite, C::kRed));
  // The classroom holds the selected lesson of the selected class: yellow.
  EXPECT_EQ(Colors(Room(1, 1)), On(C::kYellow, C::kBlack));
  EXPECT_EQ(Room(1, 1, physics).font, C::kWhite);
}

TEST_F(PainterTest, RoomHoursAfterTheLatestLastHourAreBlank) {
  EXPECT_EQ(LatestLastHour(school), 8);  // 9 B's day
  EXPECT_EQ(Colors(Room(1, 9)), On(C::kWhite, C::kButtonFace));
  EXPECT_EQ(Colors(Room(1, 8)), On(C::kBlack, C::kLime));
  CloseTeacher(ayse, 1, 9);
  EXPECT_EQ(Colors(Room(1, 9)), On(C::kWhite, C::kBlue));
  School empty;
  EXPECT_EQ(LatestLastHour(empty), 1);
}

TEST_F(PainterTest, RoomFocusedCellNeedsTheClassroomOpenToo) {
  const int cell = CellIndex(5, 4);
  EXPECT_EQ(PaintRoomCell(school, Select(ayse, a9, math, cell), cell).cell, C::kGreen);
  ASSERT_TRUE(SetCellOpen(school, GridKind::kRoom, lab, cell, 0));
  const CellPaint p = PaintRoomCell(school, Select(ayse, a9, math, cell), cell);
  EXPECT_TRUE(p.focusRect);
  EXPECT_EQ(p.cell, C::kRed);
}

TEST(HeaderPaint, HoursDaysAndTheRunHighlight) {
  EXPECT_EQ(PaintTeacherHeader(0, 3).text, "   3");
  EXPECT_EQ(PaintHeader(0, 12).text, "12");
  EXPECT_EQ(PaintHeader(2, 0).text, "SALI");
  EXPECT_EQ(PaintHeader(5, 0).text, "CUMA");
  EXPECT_EQ(DayShortName(7), "PAZ.");
  EXPECT_EQ(DayShortName(8), "");
  EXPECT_EQ(Colors(PaintHeader(0, 3)), On(C::kBlack, C::kButtonFace));
  const int runCell = CellIndex(2, 3);
  EXPECT_EQ(PaintHeader(0, 3, runCell).cell, C::kInfoTip);
  EXPECT_EQ(PaintHeader(2, 0, runCell).cell, C::kInfoTip);
  EXPECT_EQ(PaintHeader(0, 2, runCell).cell, C::kButtonFace);
  EXPECT_EQ(PaintHeader(3, 0, runCell).cell, C::kButtonFace);
  EXPECT_EQ(Colors(PaintOverlay(7)), On(C::kRed, C::kYellow));
  EXPECT_EQ(PaintOverlay(7).text, "  7");
}

}  // namespace
}  // namespace kalvodrin
