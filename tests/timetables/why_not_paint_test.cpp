#include "timetables/why_not_paint.h"

#include <gtest/gtest.h>

#include "core/cells.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

using C = CellColor;

std::pair<C, C> Colors(const CellPaint& p) { return {p.font, p.cell}; }
std::pair<C, C> On(C font, C cell) { return {font, cell}; }

// GEOMETRİ of 9 A (AYŞE) has its hour left; AYŞE teaches FİZİK in 9 B on Monday at 1,
// CAN teaches MÜZİK in 9 A on Thursday at 2, and the LAB holds KİMYA on Friday at 3.
class WhyNotPaintTest : public ::testing::Test {
 protected:
  WhyNotPaintTest() {
    b.Room("LAB").Class("9", "A").Class("9", "B");
    b.In("9 A").Lesson("GEOMETRİ", 1, "1").Teacher("AYŞE").Teach().InRoom("LAB");
    b.Lesson("MÜZİK", 1, "1").Teacher("CAN").Teach();
    b.Lesson("UZUN", 2, "2").Teach("AYŞE", "9 A", "UZUN");
    b.In("9 B").Lesson("FİZİK", 1, "1").Teach("AYŞE", "9 B", "FİZİK");
    b.Lesson("KİMYA", 1, "1").Teach("CAN", "9 B", "KİMYA").InRoom("LAB");
    b.Place("9 B", "FİZİK", 1, 1, 1).Place("9 A", "MÜZİK", 1, 4, 2).Place("9 B", "KİMYA", 1, 5, 3);
    school = b.Build();
    school.TeacherGridByNo(b.TeacherNo("AYŞE"))->open[CellIndex(2, 3) - 1] = 0;
    school.ClassGridByNo(b.ClassNo("9 A"))->open[CellIndex(3, 4) - 1] = 0;
  }

  WhyNotRow Row(const char* lesson) {
    report = BuildWhyNot(school);
    for (const WhyNotRow& r : report.rows)
      if (r.classNo == b.ClassNo("9 A") && r.lesson == b.LessonNo(lesson)) return r;
    ADD_FAILURE() << lesson;
    return {};
  }
  CellPaint At(const WhyNotRow& row, int day, int hour, int cursor = 0) {
    return PaintWhyNotCell(school, row, CellIndex(day, hour), cursor);
  }

  SchoolBuilder b;
  School school;
  WhyNotReport report;
};

TEST_F(WhyNotPaintTest, EachReasonInTheTimetableColours) {
  const WhyNotRow row = Row("GEOMETRİ");
  // Free: lime, as a free hour of the class in the teacher window.
  EXPECT_EQ(Colors(At(row, 1, 2)), On(C::kBlack, C::kLime));
  EXPECT_EQ(At(row, 1, 2).text, "");
  // The teacher is busy: the class that is there, white on black.
  EXPECT_EQ(Colors(At(row, 1, 1)), On(C::kWhite, C::kBlack));
  EXPECT_EQ(At(row, 1, 1).text, "9");
  // The class is busy: the lesson that is there.
  EXPECT_EQ(Colors(At(row, 4, 2)), On(C::kWhite, C::kBlack));
  EXPECT_EQ(At(row, 4, 2).text, "MÜZİ");
  // The room is busy: the room.
  EXPECT_EQ(Colors(At(row, 5, 3)), On(C::kWhite, C::kBlack));
  EXPECT_EQ(At(row, 5, 3).text, "LAB");
  // The teacher's closed hour red, the class's blue.
  EXPECT_EQ(Colors(At(row, 2, 3)), On(C::kWhite, C::kRed));
  EXPECT_EQ(At(row, 2, 3).text, "AYŞE");
  EXPECT_EQ(Colors(At(row, 3, 4)), On(C::kWhite, C::kBlue));
  // After the class's day: plain, as the timetables leave it.
  EXPECT_EQ(Colors(At(row, 1, 7)), On(C::kWindowText, C::kButtonFace));
  EXPECT_EQ(At(row, 1, 7), At(row, 5, 16));
}

TEST_F(WhyNotPaintTest, OnlyASingleBlockerIsUnderlined) {
  const WhyNotRow row = Row("GEOMETRİ");
  EXPECT_TRUE(At(row, 1, 1).underline);
  EXPECT_TRUE(At(row, 1, 1).bold);
  EXPECT_FALSE(At(row, 1, 2).underline);  // nothing stops it
  // The closed hour and the busy hour on one start: two blockers, the first shown.
  school.TeacherGridByNo(b.TeacherNo("AYŞE"))->open[CellIndex(1, 1) - 1] = 0;
  const WhyNotRow twice = Row("GEOMETRİ");
  ASSERT_EQ(WhyNotCellAt(twice, CellIndex(1, 1))->reasons.size(), 2u);
  EXPECT_EQ(Colors(At(twice, 1, 1)), On(C::kWhite, C::kBlack));
  EXPECT_FALSE(At(twice, 1, 1).underline);
  EXPECT_FALSE(At(twice, 1, 1).bold);
}

TEST_F(WhyNotPaintTest, ALongerBlockStartsOnlyWhereItEndsInTheDay) {
  const WhyNotRow row = Row("UZUN");
  ASSERT_EQ(row.length, 2);
  EXPECT_NE(WhyNotCellAt(row, CellIndex(2, 5)), nullptr);
  EXPECT_EQ(WhyNotCellAt(row, CellIndex(2, 6)), nullptr);  // would end at hour 7
  EXPECT_EQ(Colors(At(row, 2, 5)), On(C::kBlack, C::kLime));
  EXPECT_EQ(Colors(At(row, 2, 6)), On(C::kWindowText, C::kButtonFace));
  // The closed hour of 9 A on Wednesday stops the blocks starting at 3 and at 4; at 4
  // the run would not even try (blocks are aligned: every day ends at hour 6), which
  // is said first.
  EXPECT_EQ(Colors(At(row, 3, 3)), On(C::kWhite, C::kBlue));
  EXPECT_EQ(Colors(At(row, 3, 4)), On(C::kRed, C::kYellow));
  EXPECT_EQ(At(row, 3, 4).text, "TEK");
  EXPECT_EQ(Colors(At(row, 3, 5)), On(C::kBlack, C::kLime));
  EXPECT_EQ(WhyNotCellAt(row, 0), nullptr);
  EXPECT_EQ(WhyNotCellAt(row, kCells + 1), nullptr);
}

TEST_F(WhyNotPaintTest, RulesAreRedOnYellowWithTheirShortName) {
  // AYŞE would wait three hours after FİZİK on Monday.
  const WhyNotRow gap = Row("UZUN");
  EXPECT_EQ(Colors(At(gap, 1, 5)), On(C::kRed, C::kYellow));
  EXPECT_EQ(At(gap, 1, 5).text, "BOŞ");
  // Hour 4 would keep the gap rule, but aligned blocks start at odd hours only: the
  // run never tries it, so it is not painted as a place for the block.
  EXPECT_EQ(Colors(At(gap, 1, 4)), On(C::kRed, C::kYellow));
  EXPECT_EQ(At(gap, 1, 4).text, "TEK");
  EXPECT_EQ(Colors(At(gap, 1, 3)), On(C::kBlack, C::kLime));
  WhyNotRow row = Row("GEOMETRİ");
  row.cells.front().reasons = {Reason{Blocker::kGapRule}};
  const WhyNotCell& first = row.cells.front();
  const CellPaint p = At(row, first.day, first.hour);
  EXPECT_EQ(Colors(p), On(C::kRed, C::kYellow));
  EXPECT_EQ(p.text, "BOŞ");
  row.cells.front().reasons = {Reason{Blocker::kDailyMaximum, Party::kTeacher, 1}};
  EXPECT_EQ(At(row, first.day, first.hour).text, "MAX");
  row.cells.front().reasons = {Reason{Blocker::kOutsideWindow}};
  EXPECT_EQ(Colors(At(row, first.day, first.hour)), On(C::kWindowText, C::kButtonFace));
}

TEST_F(WhyNotPaintTest, TheCursorIsFramedAndAFreeCursorCellGreen) {
  const WhyNotRow row = Row("GEOMETRİ");
  const int free = CellIndex(1, 2);
  EXPECT_TRUE(At(row, 1, 2, free).focusRect);
  EXPECT_EQ(At(row, 1, 2, free).cell, C::kGreen);
  EXPECT_FALSE(At(row, 1, 3, free).focusRect);
  const int busy = CellIndex(1, 1);
  EXPECT_TRUE(At(row, 1, 1, busy).focusRect);
  EXPECT_EQ(At(row, 1, 1, busy).cell, C::kBlack);
  EXPECT_TRUE(At(row, 1, 7, CellIndex(1, 7)).focusRect);  // also outside the day
}

TEST(WhyNotLegendTest, EveryColourOfTheGridIsExplained) {
  const std::vector<WhyNotLegendEntry> legend = WhyNotLegend();
  const auto has = [&](C font, C cell, bool underline) {
    for (const WhyNotLegendEntry& e : legend)
      if (e.sample.font == font && e.sample.cell == cell && e.sample.underline == underline &&
          !e.text.empty())
        return true;
    return false;
  };
  EXPECT_TRUE(has(C::kBlack, C::kLime, false));
  EXPECT_TRUE(has(C::kWhite, C::kBlack, false));
  EXPECT_TRUE(has(C::kWhite, C::kRed, false));
  EXPECT_TRUE(has(C::kWhite, C::kBlue, false));
  EXPECT_TRUE(has(C::kRed, C::kYellow, false));
  EXPECT_TRUE(has(C::kWindowText, C::kButtonFace, false));
  EXPECT_TRUE(has(C::kWhite, C::kBlack, true));
}

}  // namespace
}  // namespace kalvodrin
