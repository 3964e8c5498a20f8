// Text primitives, page geometry and the values the printouts derive from a school.

#include <gtest/gtest.h>

#include "print_fixture.h"
#include "printing/page_geometry.h"
#include "printing/print_facts.h"
#include "printing/printer_settings.h"

namespace kalvodrin {
namespace {

using testing::kOptions;

TEST(FitText, KeepsAtMostNCharactersAndNoTrailingBlanks) {
  const std::string forty(40, 'X');
  EXPECT_EQ(FitText(forty, 30), std::string(30, 'X'));
  EXPECT_EQ(FitText("AB", 30), "AB");
  EXPECT_EQ(FitText("ABC   DEF", 5), "ABC");
  EXPECT_EQ(FitText("ABCDE", 5), "ABCDE");
  EXPECT_EQ(FitText("ABCDEF", 5), "ABCDE");
  EXPECT_EQ(FitText("AB", 0), "");
  // The 18 blanks appended never show, however long n is.
  EXPECT_EQ(FitText("AB", 100), "AB");
}

TEST(PrintTitle, CentresTheTitleAndPutsTheDateAtTheRight) {
  School school = SchoolBuilder().Build();
  RecordingCanvas canvas(2000, 1000);
  canvas.charWidth = [](const Font&) { return 20; };
  canvas.lineHeight = [](const Font& f) { return 3 * f.size; };
  ReportPrinter p(canvas, school, kOptions);
  p.PrintY = 100;
  const std::string title = "HAFTALIK ÖĞRETMEN DERS PROGRAMI";  // 31 characters
  ASSERT_EQ(Utf8Length(title), 31);
  p.PrintTitle(title, "Courier New", 2000);
  const CanvasOp* t = canvas.Find(title);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->x, 690);
  EXPECT_EQ(t->y, 100);
  EXPECT_EQ(t->font.size, 12);
  EXPECT_TRUE(t->font.bold);
  const CanvasOp* date = canvas.Find("Tarih : 08.12.2026");
  ASSERT_NE(date, nullptr);
  EXPECT_EQ(date->x, 2000 - 24 * 20);
  EXPECT_EQ(date->y, 100 + 27 / 8);
  EXPECT_EQ(date->font.size, 9);
  EXPECT_FALSE(date->font.bold);
  EXPECT_EQ(p.PrintY, 127);
  // An odd remainder is truncated toward zero.
  EXPECT_EQ(CentredX(101, 3, 20), 20);
  EXPECT_EQ(CentredX(50, 3, 20), -5);
}

TEST(PageSize, StoredLengthsSwapInLandscapeAndAutomaticTakesThePrinters) {
  TSettingsRec s = DefaultSettings();
  s.autoPageSize.set(0);
  RecordingCanvas portrait(999, 888, false);
  RecordingCanvas landscape(888, 999, true);
  EXPECT_EQ(TimetablePageSize(s, portrait).width, 1830);
  EXPECT_EQ(TimetablePageSize(s, portrait).height, 1683);
  EXPECT_EQ(TimetablePageSize(s, landscape).width, 1683);
  EXPECT_EQ(TimetablePageSize(s, landscape).height, 1830);
  s.autoPageSize.set(1);
  EXPECT_EQ(TimetablePageSize(s, landscape).width, 888);
  EXPECT_EQ(TimetablePageSize(s, landscape).height, 999);
  // The sheets follow their own fields.
  s.sheetAutoPageSize.set(0);
  EXPECT_EQ(SheetPageSize(s, portrait).width, 3700);
  EXPECT_EQ(SheetPageSize(s, landscape).width, 1683);
  EXPECT_EQ(SheetPageSize(s, landscape).height, 3700);
}

TEST(PrintFacts, HourCountsAndTheHalfDaySplit) {
  EXPECT_EQ(NHours(SchoolBuilder().Build()), 1);
  EXPECT_EQ(NHalf(SchoolBuilder().Build()), 2);
  EXPECT_EQ(Boundary(SchoolBuilder().Build(), 1), 16);

  SchoolBuilder b;
  b.Class("10", "A").Hours(1, 7).Hours(3, 1, 5);
  b.Class("9", "B").Hours(8, 14).Hours(2, 8, 16);
  const School s = b.Build();
  EXPECT_EQ(NHours(s), 16);
  EXPECT_EQ(NHalf(s), 9);        // 8..16 on Tuesday
  EXPECT_EQ(Boundary(s, 1), 8);  // the morning class ends at 7
  EXPECT_EQ(Boundary(s, 3), 6);  // and at 5 on Wednesday
  EXPECT_EQ(AfternoonStart(s, 1), 8);
  EXPECT_EQ(AfternoonStart(s, 3), 6);
  EXPECT_TRUE(IsMorningClass(s, b.ClassNo("10 A")));
  EXPECT_FALSE(IsMorningClass(s, b.ClassNo("9 B")));

  // Shifts that overlap: the afternoon line starts where the afternoon classes do.
  SchoolBuilder o;
  o.Class("10", "A").Hours(1, 9);
  o.Class("9", "A").Hours(8, 16);
  const School overlap = o.Build();
  EXPECT_EQ(Boundary(overlap, 1), 10);
  EXPECT_EQ(AfternoonStart(overlap, 1), 8);
}

TEST(PrintFacts, ShortClassAndDutyText) {
  SchoolBuilder b;
  b.Class("10", "FEN").Class("HAZ").Teacher("ÇİĞDEM ÖZ");
  School s = b.Build();
  EXPECT_EQ(Cp1254ToUtf8(ShortClass(s, b.ClassNo("10 FEN"))), "10 FEN");
  EXPECT_EQ(Cp1254ToUtf8(ShortClass(s, b.ClassNo("HAZ"))), "HAZ");
  EXPECT_TRUE(AnyClassHasSection(s));

  TDutyPlaceRec place{};
  place.order = 1;
  place.number = 1;
  place.name.assign(UserTextToCp1254("BAHÇE"));
  s.DutyPlaces.push_back(place);
  s.ReindexDutyPlaces();
  const int t = b.TeacherNo("ÇİĞDEM ÖZ");
  const auto u = static_cast<uint8_t>(t);
  s.Duties = {{1, 3, u}, {9, 1, u}, {1, 1, u}, {1, 0, u}, {1, 7, u}, {1, 8, u}};
  // Collection order; the duties at a place that no longer exists or on no day 1..7
  // are left out.
  EXPECT_EQ(DutyText(s, t), "ÇAR. BAHÇE, PZT. BAHÇE, PAZ. BAHÇE");
  EXPECT_EQ(DutyText(s, t + 1), "");
}

TEST(PrinterSettings, FieldsRoundTripAndFontSizesAreBounded) {
  TSettingsRec s = DefaultSettings();
  PrinterFields f = PrinterFieldsOf(s);
  EXPECT_EQ(f.timetable.pageLength, 1830);
  EXPECT_TRUE(f.twoPerPage);
  EXPECT_EQ(f.sheet.fontSize, 8);
  EXPECT_EQ(f.sheet.fontName, "Courier New");
  f.timetable.topMargin = 55;
  f.twoPerPage = false;
  f.printLessonList = true;
  f.sheet.fontName = "Liberation Mono";
  f.sheetPrintRooms = true;
  ASSERT_EQ(PrinterFieldsProblem(f), "");
  StorePrinterFields(s, f);
  EXPECT_EQ(s.topMargin.get(), 55);
  EXPECT_EQ(s.twoPerPage.get(), 0);
  EXPECT_EQ(s.printLessonList.get(), 1);
  EXPECT_EQ(s.sheetFontName.str(), "Liberation Mono");
  EXPECT_EQ(s.sheetPrintRooms.get(), 1);
  EXPECT_EQ(s.fontSize.get(), 9);  // untouched fields stay

  for (int size : {1, 72}) {
    f.timetable.fontSize = size;
    EXPECT_EQ(PrinterFieldsProblem(f), "") << size;
  }
  for (int size : {0, 73}) {
    f.timetable.fontSize = size;
    EXPECT_NE(PrinterFieldsProblem(f), "") << size;
  }
  f.timetable.fontSize = 9;
  f.sheet.fontSize = 0;
  EXPECT_NE(PrinterFieldsProblem(f), "");
}

}  // namespace
}  // namespace kalvodrin
