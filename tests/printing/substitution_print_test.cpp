// The substitution sheet: every row in its columns, long names cut at whole letters,
// a new page with the heading again where the rows run out, the signature lines.
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

}  // namespace
}  // namespace kalvodrin
