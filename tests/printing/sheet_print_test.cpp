// Layout of the overview sheets: columns, the morning and afternoon lines, parts and
// page breaks.

#include <gtest/gtest.h>

#include "print_fixture.h"
#include "printing/sheet_print.h"
#include "printing/sheet_table.h"

namespace kalvodrin {
namespace {

using testing::kOptions;
using testing::ShortName;

// A morning class 10-A (hours 1-7) and an afternoon class 9-B (hours 6-12); ALİ
// teaches only the morning class, VELİ both.
struct TwoShifts {
  SchoolBuilder b;
  School s;
  TwoShifts() {
    b.Class("10", "A").Hours(1, 7).Lesson("TARİH", 2, "2");
    b.Class("9", "B").Hours(6, 12).Lesson("TARİH", 2, "2").Lesson("KİMYA", 2, "2");
    b.Teacher("ALİ").Teach("ALİ", "10 A", "TARİH");
    b.Teacher("VELİ").Teach("VELİ", "9 B", "TARİH");
    b.Teach("VELİ", "9 B", "KİMYA");
    b.Place("10 A", "TARİH", 2, 1, 1).Place("9 B", "TARİH", 2, 1, 6).Place("9 B", "KİMYA", 2, 2, 8);
    s = b.Build();
    CountAllHours(s);
    ShortName(s, b.LessonNo("TARİH"), "TAR");
    ShortName(s, b.LessonNo("KİMYA"), "KİM");
  }
};

// The left-column texts of every sheet line whose mark column holds `mark`.
std::vector<CanvasOp> Marks(const RecordingCanvas& canvas, std::string_view mark) {
  return canvas.FindAll(mark);
}

TEST(TeacherSheet, MorningAndAfternoonLinesFromTheSplit) {
  TwoShifts t;
  RecordingCanvas canvas = testing::Page(4000, 2000);  // sheet font 8: CharW 16, LineH 24
  PrintTeacherSheet(canvas, t.s, kOptions);
  ASSERT_NE(canvas.Find("HAFTALIK ÖĞRETMEN DERS PROGRAM ÇİZELGESİ"), nullptr);
  // ALİ teaches only the morning: one "S" line; VELİ only the afternoon: one "Ö" line.
  EXPECT_EQ(Marks(canvas, "S").size(), 1u);
  EXPECT_EQ(Marks(canvas, "Ö").size(), 1u);
  const CanvasOp* ali = canvas.Find("ALİ");
  const CanvasOp* veli = canvas.Find("VELİ");
  ASSERT_TRUE(ali && veli);
  EXPECT_EQ(ali->x, 30 + 4 * 16 + 4);
  // No class has... every class has a section here: lines are 2 LineH high.
  EXPECT_EQ(veli->y, ali->y + 2 * 24);

  // Columns: NO 4, ADI SOYADI 21, T 3, mark 2 characters, then per day nHalf = 7
  // columns of 4.5 characters. Monday on the S line: 10-A at hours 1 and 2.
  const int hoursX = 30 + 30 * 16;
  const int colW = 4 * 16 + 8;
  const auto tens = canvas.FindAll("10");
  ASSERT_EQ(tens.size(), 2u);
  EXPECT_EQ(tens[0].x, hoursX + 4);
  EXPECT_EQ(tens[1].x, hoursX + colW + 4);
  EXPECT_EQ(tens[0].y, ali->y);
  // The afternoon line starts at the boundary (hour 8, after the morning's end at 7)
  // unless an afternoon class begins sooner: 9-B begins at 6, so Monday's column 1 is
  // hour 6 and Tuesday's KİMYA at hour 8 stands in column 3.
  const auto nines = canvas.FindAll("9");
  ASSERT_EQ(nines.size(), 4u);
  EXPECT_EQ(nines[0].x, hoursX + 4);
  const int tuesday = hoursX + 7 * colW;
  EXPECT_EQ(nines[2].x, tuesday + 2 * colW + 4);
  // Sections below the class name, only for afternoon classes on the Ö line.
  EXPECT_EQ(canvas.FindAll("B").size(), 4u);
  EXPECT_EQ(canvas.FindAll("B")[0].y, veli->y + 24);
  EXPECT_EQ(canvas.FindAll("A").size(), 2u);  // the S line shows 10-A's section
}

TEST(TeacherSheet, NewPageWithTheHeadingWhenFewerThanFourLinesRemain) {
  SchoolBuilder b;
  b.Class("10", "A");
  for (int k = 1; k <= 30; ++k)
    b.Lesson("L" + std::to_string(k), 1, "1").Teacher("T" + std::to_string(k)).Teach();
  School s = b.Build();
  CountAllHours(s);
  RecordingCanvas canvas = testing::Page(4000, 600);
  PrintTeacherSheet(canvas, s, kOptions);
  const int pages = canvas.Pages();
  EXPECT_GT(pages, 2);
  EXPECT_EQ(static_cast<int>(canvas.FindAll("ADI SOYADI").size()), pages);
  for (const CanvasOp& h : canvas.FindAll("ADI SOYADI")) {
    if (h.page > 1) {
      EXPECT_EQ(h.y, 30 + 24 / 8);  // continuation pages at topMargin
    }
  }
  // No line runs past the page.
  for (const CanvasOp& op : canvas.Texts()) EXPECT_LT(op.y, 600 - 24) << op.text;
  EXPECT_EQ(canvas.FindAll("T30").size(), 1u);
}

TEST(TeacherSheet, WithoutTheSplitItPrintsInPartsOfDays) {
  TwoShifts t;
  t.s.Settings.sheetNoHalfDaySplit.set(1);
  RecordingCanvas two = testing::Page(8000, 2000);
  PrintTeacherSheet(two, t.s, kOptions);
  EXPECT_EQ(two.Find("HAFTALIK ÖĞRETMEN DERS PROGRAM ÇİZELGESİ"), nullptr);
  EXPECT_EQ(two.Count(CanvasOp::Kind::kNewPage), 1);
  EXPECT_NE(two.Find("Bölümü"), nullptr);
  EXPECT_EQ(two.FindAll("PAZARTESİ")[0].page, 1);
  EXPECT_EQ(two.FindAll("PERŞEMBE")[0].page, 2);
  // Three parts with rooms when the day has more than six hours.
  t.s.Settings.sheetPrintRooms.set(1);
  RecordingCanvas three = testing::Page(8000, 2000);
  PrintTeacherSheet(three, t.s, kOptions);
  EXPECT_EQ(three.Count(CanvasOp::Kind::kNewPage), 2);
  EXPECT_EQ(three.FindAll("CUMA")[0].page, 3);
  EXPECT_NE(three.Find("TAR"), nullptr);  // the lesson's short name as second line
}

TEST(ClassAndRoomSheets, OneLinePerEntity) {
  TwoShifts t;
  RecordingCanvas classes = testing::Page(4000, 2000);
  PrintClassSheet(classes, t.s, kOptions);
  ASSERT_NE(classes.Find("HAFTALIK SINIF DERS PROGRAM ÇİZELGESİ"), nullptr);
  EXPECT_NE(classes.Find("10 A"), nullptr);
  EXPECT_NE(classes.Find("9 B"), nullptr);
  EXPECT_EQ(classes.FindAll("S").size(), 1u);
  EXPECT_EQ(classes.FindAll("Ö").size(), 1u);
  EXPECT_EQ(classes.FindAll("TAR").size(), 4u);
  EXPECT_EQ(classes.FindAll("KİM").size(), 2u);

  t.s.Settings.sheetNoHalfDaySplit.set(1);
  RecordingCanvas whole = testing::Page(8000, 2000);
  PrintClassSheet(whole, t.s, kOptions);
  EXPECT_EQ(whole.Count(CanvasOp::Kind::kNewPage), 1);
  EXPECT_NE(whole.Find("Öğr.No - Derslik"), nullptr);

  SchoolBuilder r;
  r.Room("SPOR SALONU").Class("12", "C").Lesson("BEDEN", 2, "2").InRoom("SPOR SALONU");
  r.Teacher("SPORCU").Teach().Place("12 C", "BEDEN", 2, 4, 3);
  School rs = r.Build();
  ShortName(rs, r.LessonNo("BEDEN"), "BED");
  RecordingCanvas rooms = testing::Page(8000, 2000);
  PrintRoomSheet(rooms, rs, kOptions);
  ASSERT_NE(rooms.Find("SPOR SALONU"), nullptr);
  const auto cells = rooms.FindAll("12 C");
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0].page, 2);  // Thursday is in the second part
  EXPECT_EQ(rooms.FindAll("BED").size(), 2u);
}

TEST(SheetTable, DayParts) {
  EXPECT_EQ(DayParts(2), (std::vector<std::vector<int>>{{1, 2, 3}, {4, 5}}));
  EXPECT_EQ(DayParts(3), (std::vector<std::vector<int>>{{1, 2}, {3, 4}, {5}}));
  EXPECT_EQ(DayParts(1), (std::vector<std::vector<int>>{{1, 2, 3, 4, 5}}));
}

}  // namespace
}  // namespace kalvodrin
