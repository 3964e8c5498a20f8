// The substitution sheet: every row in its columns, long names cut at whole letters,
// a new page with the heading again where the rows run out, the signature lines. The
// free-teacher list in the same layout.
#include <gtest/gtest.h>

#include <set>

#include "print_fixture.h"
#include "printing/substitution_print.h"

namespace kalvodrin {
namespace {

using testing::kOptions;

SubstitutionSheet Sheet(int rows) {
  SubstitutionSheet sheet{"09.12.2026", "ÇARŞAMBA", {}};
  for (int k = 1; k <= rows; ++k)
    sheet.rows.push_back({std::to_string(k), "9 A", "TÜRK DİLİ VE EDEBİYATI",
                          "ŞÜKRÜ ÖĞÜT " + std::to_string(k), "İLKNUR ÇAĞ"});
  return sheet;
}

TEST(SubstitutionSheetPrint, EveryRowStandsInItsColumnsUnderTheHeading) {
  School school = SchoolBuilder().Build();
  school.Settings.deputyName.assign(UserTextToCp1254("GÜLŞEN AK"));
  RecordingCanvas canvas = testing::Page(2000, 2800);
  PrintSubstitutionSheet(canvas, school, Sheet(3), kOptions);
  ASSERT_NE(canvas.Find("DERS GÖREVLENDİRME ÇİZELGESİ"), nullptr);
  ASSERT_NE(canvas.Find("Görev Tarihi : 09.12.2026  ÇARŞAMBA"), nullptr);
  const CanvasOp* heading = canvas.Find("GÖREVLİ ÖĞRETMEN");
  ASSERT_NE(heading, nullptr);
  ASSERT_NE(canvas.Find("İMZA"), nullptr);
  for (int k = 1; k <= 3; ++k) {
    const CanvasOp* absent = canvas.Find("ŞÜKRÜ ÖĞÜT " + std::to_string(k));
    ASSERT_NE(absent, nullptr) << k;
    EXPECT_GT(absent->y, heading->y);
    EXPECT_LT(absent->x, heading->x);  // the absent column stands before the substitute's
  }
  int substitutes = 0;
  for (const CanvasOp& op : canvas.Texts()) substitutes += op.text == "İLKNUR ÇAĞ" ? 1 : 0;
  EXPECT_EQ(substitutes, 3);
  EXPECT_NE(canvas.Find("GÜLŞEN AK"), nullptr);
  EXPECT_NE(canvas.Find("Müdür Yardımcısı"), nullptr);
  EXPECT_NE(canvas.Find("Müdür"), nullptr);
}

TEST(SubstitutionSheetPrint, LongTextsAreCutAtWholeLettersAndRowsGoOnToANewPage) {
  School school = SchoolBuilder().Build();
  RecordingCanvas narrow = testing::Page(700, 2800);
  SubstitutionSheet sheet = Sheet(1);
  sheet.rows[0].lesson = "ÇĞİÖŞÜ ÇĞİÖŞÜ ÇĞİÖŞÜ ÇĞİÖŞÜ";
  PrintSubstitutionSheet(narrow, school, sheet, kOptions);
  bool cut = false;
  for (const CanvasOp& op : narrow.Texts())
    if (op.text.rfind("ÇĞİ", 0) == 0) {
      cut = op.text.size() < sheet.rows[0].lesson.size();
      EXPECT_TRUE(Cp1254ToUtf8(Utf8ToCp1254(op.text).value_or("?")) == op.text) << "half a letter";
    }
  EXPECT_TRUE(cut);

  // 60 rows do not fit one page of 1400: the heading comes again on the next page and
  // no row is lost.
  RecordingCanvas canvas = testing::Page(2000, 1400);
  PrintSubstitutionSheet(canvas, school, Sheet(60), kOptions);
  std::set<int> pages;
  int headings = 0, rows = 0;
  for (const CanvasOp& op : canvas.Texts()) {
    headings += op.text == "GÖREVLİ ÖĞRETMEN" ? 1 : 0;
    if (op.text.rfind("ŞÜKRÜ ÖĞÜT ", 0) == 0) {
      ++rows;
      pages.insert(op.page);
      EXPECT_LE(op.y, 1400);
    }
  }
  EXPECT_EQ(rows, 60);
  EXPECT_GE(pages.size(), 2u);
  EXPECT_EQ(headings, static_cast<int>(pages.size()));
}

// Ranked first to last under the date and hour, each row's notes in the column after
// its name; past a page the heading comes again and the ranking goes on; an hour with
// nobody free says so.
TEST(FreeTeachersPrint, TeachersStandInRankingOrderWithTheirNotes) {
  const School school = SchoolBuilder().Build();
  FreeTeachersSheet sheet{"09.12.2026", "ÇARŞAMBA", 3, {}};
  for (int k = 1; k <= 40; ++k)
    sheet.rows.push_back({"ÖĞRETMEN " + std::to_string(k), k == 1 ? "NÖBETÇİ, 0 SAAT" : "1 SAAT"});
  RecordingCanvas canvas = testing::Page(2000, 1400);
  PrintFreeTeachers(canvas, school, sheet, kOptions);
  ASSERT_NE(canvas.Find("BOŞ ÖĞRETMENLER"), nullptr);
  ASSERT_NE(canvas.Find("Boş olanlar : 09.12.2026  ÇARŞAMBA  3. saat"), nullptr);
  const CanvasOp* first = canvas.Find("ÖĞRETMEN 1");
  const CanvasOp* notes = canvas.Find("NÖBETÇİ, 0 SAAT");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(notes, nullptr);
  EXPECT_EQ(notes->y, first->y);
  EXPECT_GT(notes->x, first->x);
  bool ranked = false;  // "1" before the first name, on its line
  for (const CanvasOp& op : canvas.FindAll("1"))
    ranked = ranked || (op.y == first->y && op.x < first->x);
  EXPECT_TRUE(ranked);
  int previousPage = 0, previousY = 0, headings = 0;
  std::set<int> pages;
  for (int k = 1; k <= 40; ++k) {
    const CanvasOp* row = canvas.Find("ÖĞRETMEN " + std::to_string(k));
    ASSERT_NE(row, nullptr) << k;
    EXPECT_TRUE(row->page > previousPage || row->y > previousY) << k;
    EXPECT_LE(row->y, 1400);
    previousPage = row->page;
    previousY = row->y;
    pages.insert(row->page);
  }
  for (const CanvasOp& op : canvas.Texts()) headings += op.text == "ÖĞRETMENİN ADI" ? 1 : 0;
  EXPECT_GE(pages.size(), 2u);
  EXPECT_EQ(headings, static_cast<int>(pages.size()));

  RecordingCanvas none = testing::Page(2000, 2800);
  PrintFreeTeachers(none, school, {"", "PAZARTESİ", 8, {}}, kOptions);
  EXPECT_NE(none.Find("Boş olanlar : PAZARTESİ  8. saat"), nullptr);
  EXPECT_NE(none.Find("Bu saatte boş öğretmen yok."), nullptr);
}

}  // namespace
}  // namespace kalvodrin
