// Layout of the weekly timetables of teachers, classes and classrooms.

#include <gtest/gtest.h>

#include <algorithm>

#include "print_fixture.h"
#include "printing/timetable_print.h"

namespace kalvodrin {
namespace {

using testing::kOptions;
using testing::ShortName;

// One class with a two-hour block of mathematics on Monday 1-2 in the physics lab,
// taught by AYŞE YILMAZ; default settings apart from what a test changes.
struct OneLesson {
  SchoolBuilder b;
  School s;
  int teacher = 0;
  OneLesson() {
    b.Room("FİZİK LAB");
    b.Class("9", "A").Lesson("MATEMATİK", 4, "2+2").InRoom("FİZİK LAB");
    b.Teacher("AYŞE YILMAZ").Teach().Place("9 A", "MATEMATİK", 2, 1, 1);
    s = b.Build();
    CountAllHours(s);
    ShortName(s, b.LessonNo("MATEMATİK"), "MAT");
    teacher = b.TeacherNo("AYŞE YILMAZ");
  }
};

TEST(TeacherTimetable, TitleHeaderGridAndTotalStandWhereTheLayoutPutsThem) {
  OneLesson o;
  o.s.Settings.twoPerPage.set(0);
  RecordingCanvas canvas = testing::Page();  // CharW 18 and LineH 27 at 9 points
  PrintTeacherTimetable(canvas, o.s, o.teacher, kOptions);

  const CanvasOp* title = canvas.Find("HAFTALIK ÖĞRETMEN DERS PROGRAMI");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->x, (2000 - 31 * 24) / 2);
  EXPECT_EQ(title->y, 30);
  // gap = (27 div 2) * 3 = 39 below the title line.
  const CanvasOp* name = canvas.Find(": AYŞE YILMAZ");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->x, 30 + 22 * 18);
  EXPECT_EQ(name->y, 57 + 39);
  EXPECT_EQ(canvas.Find("Nöbet Günü")->y, 57 + 39 + 39);
  EXPECT_EQ(canvas.Find("Nöbet Günü")->x, 30 + 50 * 18);

  // The grid starts at 57 + 3 * 39 = 174: rows of 3 LineH, columns of 8.5 CharW since
  // the class has a section; six hour columns.
  const int top = 174, rowH = 81, colW = 8 * 18 + 9;
  const auto lines = canvas.Lines();
  ASSERT_EQ(lines.size(), 7u + 8u);
  EXPECT_EQ(lines[0].y, top);
  EXPECT_EQ(lines[6].y, top + 6 * rowH);
  EXPECT_EQ(lines[0].x2, 30 + 7 * colW);
  EXPECT_EQ(lines[14].x, 30 + 7 * colW);
  EXPECT_EQ(canvas.Find("GÜNLER")->font.size, 8);
  EXPECT_EQ(canvas.Find("GÜNLER")->y, top + rowH / 8);
  EXPECT_EQ(canvas.Find("CUM.")->y, top + 5 * rowH + rowH / 8);
  EXPECT_EQ(canvas.Find("6")->x, 30 + 18 + 6 * colW);

  // Monday 1st and 2nd hour: the class, then the lesson's short name.
  const auto classes = canvas.FindAll("9 A");
  ASSERT_EQ(classes.size(), 2u);
  EXPECT_EQ(classes[0].x, 30 + 9 + colW);
  EXPECT_EQ(classes[0].y, top + rowH + 3);
  EXPECT_EQ(classes[1].x, 30 + 9 + 2 * colW);
  EXPECT_EQ(canvas.FindAll("MAT").size(), 2u);
  EXPECT_EQ(canvas.FindAll("MAT")[0].y, top + rowH + 27 + 3);
  EXPECT_EQ(canvas.Find("FİZİK LA"), nullptr);  // rooms only with sheetPrintRooms

  const CanvasOp* total =
      canvas.Find("MAAŞ KARŞILIĞI :      ÜCRET KARŞILIĞI :       TOPLAM DERS SAYISI : 4");
  ASSERT_NE(total, nullptr);
  EXPECT_EQ(total->y, top + 6 * rowH + 27);
  EXPECT_EQ(canvas.Count(CanvasOp::Kind::kBeginDoc), 1);
  EXPECT_EQ(canvas.Count(CanvasOp::Kind::kEndDoc), 1);
  EXPECT_EQ(canvas.Count(CanvasOp::Kind::kNewPage), 0);
}

TEST(TeacherTimetable, LessonListOnlyWithoutTwoPerPage) {
  OneLesson o;
  o.s.Settings.twoPerPage.set(0);
  o.s.Settings.printLessonList.set(1);
  RecordingCanvas one = testing::Page();
  PrintTeacherTimetable(one, o.s, o.teacher, kOptions);
  ASSERT_NE(one.Find("H.D.S."), nullptr);
  const CanvasOp* row = one.Find("MATEMATİK");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->x, 30 + 25 * 18);
  EXPECT_EQ(row->y, one.Find("H.D.S.")->y + 27);
  EXPECT_EQ(one.FindAll("AYŞE YILMAZ").size(), 1u);  // under "Aslını Teslim Aldım."
  EXPECT_EQ(one.FindAll("AYŞE YILMAZ")[0].x, 30 + 35 * 18);

  // Two per page: the same page twice, the second half a page lower, no list.
  o.s.Settings.twoPerPage.set(1);
  RecordingCanvas two = testing::Page(2000, 2000);
  PrintTeacherTimetable(two, o.s, o.teacher, kOptions);
  const auto titles = two.FindAll("HAFTALIK ÖĞRETMEN DERS PROGRAMI");
  ASSERT_EQ(titles.size(), 2u);
  EXPECT_EQ(titles[0].y, 30);
  EXPECT_EQ(titles[1].y, 30 + 1000);
  EXPECT_EQ(titles[1].page, 1);
  EXPECT_EQ(two.Find("H.D.S."), nullptr);
  EXPECT_EQ(two.FindAll("Aslını Teslim Aldım.").size(), 2u);
  EXPECT_EQ(two.Count(CanvasOp::Kind::kBeginDoc), 1);
  // A page too low for two copies one above the other gets one, the other the next.
  RecordingCanvas low = testing::Page(2000, 1400);
  PrintTeacherTimetable(low, o.s, o.teacher, kOptions);
  const auto apart = low.FindAll("HAFTALIK ÖĞRETMEN DERS PROGRAMI");
  ASSERT_EQ(apart.size(), 2u);
  EXPECT_EQ(apart[1].y, 30);
  EXPECT_EQ(apart[1].page, 2);
  EXPECT_EQ(low.Count(CanvasOp::Kind::kBeginDoc), 1);
}

TEST(TeacherTimetable, CellsShowEightCharactersOfTheClassAndTheRoomWithSheetRooms) {
  SchoolBuilder b;
  b.Room("BİYOLOJİ LAB");
  b.Class("ABCD", "EFG").Lesson("FİZİK", 2, "2").InRoom("BİYOLOJİ LAB");
  b.Class("ABCD", "EFGH").Lesson("FİZİK", 2, "2");
  b.Teacher("ALİ").Teach("ALİ", "ABCD EFG", "FİZİK").Teach("ALİ", "ABCD EFGH", "FİZİK");
  b.Place("ABCD EFG", "FİZİK", 2, 1, 1).Place("ABCD EFGH", "FİZİK", 2, 2, 1);
  School s = b.Build();
  s.Settings.twoPerPage.set(0);
  s.Settings.sheetPrintRooms.set(1);
  RecordingCanvas canvas = testing::Page();
  PrintTeacherTimetable(canvas, s, b.TeacherNo("ALİ"), kOptions);
  EXPECT_EQ(canvas.FindAll("ABCD EFG").size(), 4u);  // both classes, cut to 8
  const auto rooms = canvas.FindAll("BİYOLOJİ");
  ASSERT_EQ(rooms.size(), 2u);
  // With a third line a row is a quarter line higher.
  const int rowH = 3 * 27 + 27 / 4;
  const int top = canvas.Lines()[0].y;
  EXPECT_EQ(canvas.Lines()[1].y, top + rowH);
  EXPECT_EQ(rooms[0].y, top + rowH + 2 * 27 + 3);
}

TEST(Timetables, AllFromTheThirdOfFiveTeachersPrintsThreeJobs) {
  SchoolBuilder b;
  for (const char* name : {"A", "B", "C", "D", "E"}) b.Teacher(name);
  const School s = b.Build();
  RecordingCanvas canvas = testing::Page();
  PrintTeacherTimetables(canvas, s, b.TeacherNo("C"), kOptions);
  EXPECT_EQ(canvas.Count(CanvasOp::Kind::kBeginDoc), 3);
  EXPECT_EQ(canvas.Count(CanvasOp::Kind::kEndDoc), 3);
  std::vector<std::string> names;
  for (const CanvasOp& op : canvas.Texts())
    if (op.text.size() == 1 && op.x == 30 + 35 * 18) names.push_back(op.text);
  EXPECT_EQ(names, (std::vector<std::string>{"C", "C", "D", "D", "E", "E"}));
  // The last one alone; an unknown one prints nothing.
  RecordingCanvas last = testing::Page();
  PrintTeacherTimetables(last, s, b.TeacherNo("E"), kOptions);
  EXPECT_EQ(last.Count(CanvasOp::Kind::kBeginDoc), 1);
  RecordingCanvas none = testing::Page();
  PrintTeacherTimetables(none, s, 99, kOptions);
  EXPECT_TRUE(none.ops().empty());
}

TEST(ClassTimetable, StartsTwoLinesLowerAndShowsLessonAndTeacherOrder) {
  OneLesson o;
  const int classNo = o.b.ClassNo("9 A");
  RecordingCanvas canvas = testing::Page();
  PrintClassTimetable(canvas, o.s, classNo, kOptions);
  EXPECT_EQ(canvas.Find("HAFTALIK SINIF DERS PROGRAMI")->y, 30 + 2 * 27);
  EXPECT_EQ(canvas.Find(": 9 A")->x, 30 + 15 * 18);
  // No section-driven widening for classes: five characters a column.
  const int colW = 5 * 18;
  const auto lines = canvas.Lines();
  EXPECT_EQ(lines[0].x2, 30 + 7 * colW);
  const auto mat = canvas.FindAll("MAT");
  ASSERT_EQ(mat.size(), 2u);
  EXPECT_EQ(mat[0].x, 30 + 9 + colW);
  const std::string order = std::to_string(o.s.TeacherByNo(o.teacher)->order);
  const auto orders = canvas.FindAll(order);
  EXPECT_TRUE(std::any_of(orders.begin(), orders.end(),
                          [&](const CanvasOp& op) { return op.y == mat[0].y + 27; }));
  EXPECT_NE(canvas.Find("TOPLAM DERS SAYISI : 4"), nullptr);
  // The lesson list is always there; the principal signs at the table's right.
  EXPECT_NE(canvas.Find("ÖĞRETMENİN ADI"), nullptr);
  EXPECT_EQ(canvas.Find("Müdür")->x, 30 + 7 * colW - 24 * 18);
  EXPECT_EQ(canvas.Find("Aslını Teslim Aldım."), nullptr);
}

TEST(ClassTimetable, ShowsTheGuidanceTeacherAsClassTeacher) {
  SchoolBuilder b;
  b.Class("9", "A").Lesson("REHBERLİK", 1, "1").Teacher("ZEYNEP KAYA").Teach();
  School s = b.Build();
  RecordingCanvas without = testing::Page();
  PrintClassTimetable(without, s, b.ClassNo("9 A"), kOptions);
  EXPECT_EQ(without.Find(": ZEYNEP KAYA"), nullptr);
  s.Settings.guidanceLesson = static_cast<uint8_t>(b.LessonNo("REHBERLİK"));
  RecordingCanvas with = testing::Page();
  PrintClassTimetable(with, s, b.ClassNo("9 A"), kOptions);
  ASSERT_NE(with.Find(": ZEYNEP KAYA"), nullptr);
  EXPECT_EQ(with.Find(": ZEYNEP KAYA")->x, 30 + 65 * 18);
}

TEST(RoomTimetable, ColumnsShareThePageAndTheFontShrinksUntilFourCharactersFit) {
  OneLesson o;
  const int room = o.b.RoomNo("FİZİK LAB");
  RecordingCanvas wide = testing::Page(2000, 1400);
  PrintRoomTimetable(wide, o.s, room, kOptions);
  const int colW = (2000 - 60) / 7;
  EXPECT_EQ(wide.Lines()[0].x2, 30 + 7 * colW);
  EXPECT_EQ(wide.FindAll("9").size(), 2u);  // class name, first 4 characters
  EXPECT_EQ(wide.FindAll("MAT")[0].font.size, 9);
  EXPECT_NE(wide.Find("TOPLAM DERS SAYISI : 4"), nullptr);
  EXPECT_NE(wide.Find("MATEMATİK"), nullptr);  // in the lesson list

  // 490 wide: columns of 61; four characters of 2 * size fit from 7 points down.
  RecordingCanvas narrow = testing::Page(490, 1400);
  PrintRoomTimetable(narrow, o.s, room, kOptions);
  EXPECT_EQ(narrow.FindAll("MAT")[0].font.size, 7);
  RecordingCanvas exact = testing::Page(60 + 7 * 72, 1400);  // 72 = 4 chars at 9 points
  PrintRoomTimetable(exact, o.s, room, kOptions);
  EXPECT_EQ(exact.FindAll("MAT")[0].font.size, 9);
  RecordingCanvas justUnder = testing::Page(60 + 7 * 71, 1400);
  PrintRoomTimetable(justUnder, o.s, room, kOptions);
  EXPECT_EQ(justUnder.FindAll("MAT")[0].font.size, 8);
}

}  // namespace
}  // namespace kalvodrin
