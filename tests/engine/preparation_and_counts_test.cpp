#include <gtest/gtest.h>

#include "core/cells.h"
#include "engine/block_operations.h"
#include "engine/counts.h"
#include "engine/teacher_preparation.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(5, 2), 2);
  EXPECT_EQ(RoundHalfEven(7, 2), 4);
  EXPECT_EQ(RoundHalfEven(1, 2), 0);
  EXPECT_EQ(RoundHalfEven(8, 3), 3);
  EXPECT_EQ(RoundHalfEven(7, 3), 2);
  EXPECT_EQ(RoundHalfEven(-1, 2), 0);
}

// A morning class (hours 1..6), an afternoon class (hours 7..12 on Monday, so it is
// an afternoon class) and a common lesson of both.
class CountsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    b.Room("SPOR SALONU");
    b.Class("9", "A").Lesson("MATEMATİK", 6, "2+2+2").Teacher("AYLA").Teach();
    b.Teacher("BORA").Teach("BORA", "9 A", "MATEMATİK");
    b.Class("12", "C")
        .Hours(7, 12)
        .Lesson("MATEMATİK", 6, "2+2+2")
        .Teach("AYLA", "12 C", "MATEMATİK");
    b.In("9 A").Lesson("BEDEN", 2, "2").In("12 C").Lesson("BEDEN", 2, "2");
    b.Common({"9 A", "12 C"}, "BEDEN")
        .InRoom("SPOR SALONU")
        .Teach("AYLA", "9 A", "BEDEN");
    school = b.Build();
    ayla = b.TeacherNo("AYLA");
    nineA = b.ClassNo("9 A");
  }

  SchoolBuilder b;
  School school;
  int ayla = 0, nineA = 0;
};

TEST_F(CountsTest, TeacherHoursCountACommonLessonOnce) {
  EXPECT_TRUE(CountTeacherHours(school, ayla));
  const TTeacherGridRec& g = *school.TeacherGridByNo(ayla);
  // 6 + 2 in the morning class, 6 + 2 in the afternoon class, the common lesson's
  // second member taken off on the side of its first class.
  EXPECT_EQ(g.morningHours, 6);
  EXPECT_EQ(g.afternoonHours, 8);
  EXPECT_EQ(g.weeklyHours, 14);
  EXPECT_EQ(g.windowCells, 60);  // hours 1..12 of every day
  EXPECT_FALSE(CountTeacherHours(school, 99));
}

TEST_F(CountsTest, ClassRoomAndSchoolTotals) {
  CountClassHours(school, nineA);
  EXPECT_EQ(school.ClassGridByNo(nineA)->weeklyHours, 6 + 6 + 2);  // two teachers
  EXPECT_TRUE(CountRoomHours(school));
  EXPECT_EQ(school.RoomGridByNo(b.RoomNo("SPOR SALONU"))->weeklyHours, 4);
  CountAllHours(school);
  PlacementTotals totals = CountTotals(school);
  EXPECT_EQ(totals.toPlace, 14 + 6);
  EXPECT_EQ(totals.placed, 0);
  const int math = b.LessonNo("MATEMATİK");
  ASSERT_TRUE(PlaceBlock(school, *MakeBlock(school, nineA, math, 2, 1), nullptr));
  EXPECT_EQ(PlacedHours(school, nineA, math), 2);
  EXPECT_EQ(CountTotals(school).placed, 4);
  const ClassLessonTotals lessons = CountClassLessonTotals(school, nineA);
  EXPECT_EQ(lessons.weekly, 8);
  EXPECT_EQ(lessons.unplaced, 6);
  // Usable cells: the window's 30 minus closed, free cells; a closed cell that holds a
  // lesson still counts.
  TClassGridRec& g = *school.ClassGridByNo(nineA);
  g.open[0] = 0;
  g.open[5] = 0;
  g.open[CellIndex(2, 9) - 1] = 0;  // outside the window
  EXPECT_EQ(UsableCells(school, nineA), 29);
}

TEST_F(CountsTest, RecountsMendCountersFromThePlanes) {
  const int math = b.LessonNo("MATEMATİK");
  ASSERT_TRUE(
      PlaceBlock(school, *MakeBlock(school, nineA, math, 2, CellIndex(2, 1)), nullptr));
  TTeacherGridRec& t = *school.TeacherGridByNo(ayla);
  TClassGridRec& c = *school.ClassGridByNo(nineA);
  t.placedHours = 9;
  t.placedPerDay[0] = 3;
  c.freeHours[1] = 0;
  RecountTeacherPlaced(school, ayla);
  RecountClassFreeHours(school, nineA);
  EXPECT_EQ(t.placedHours, 2);
  EXPECT_EQ(t.placedPerDay, (DayBytes{0, 2, 0, 0, 0}));
  EXPECT_EQ(c.freeHours, (DayBytes{6, 4, 6, 6, 6}));
}

// The week's last cell, day 5 hour 16, is counted like any other.
TEST_F(CountsTest, CountsReachTheWeeksLastCell) {
  TClassGridRec& c = *school.ClassGridByNo(nineA);
  c.lastHour[4] = 16;
  EXPECT_EQ(UsableCells(school, nineA), 24 + 16);
  TTeacherGridRec& t = *school.TeacherGridByNo(ayla);
  t.occupant[kCells - 1] = static_cast<uint8_t>(nineA);
  RecountTeacherPlaced(school, ayla);
  EXPECT_EQ(t.placedHours, 1);
  EXPECT_EQ(t.placedPerDay, (DayBytes{0, 0, 0, 0, 1}));
  // A day whose window has a first hour and no last one is empty.
  c.firstHour[0] = 3;
  c.lastHour[0] = 0;
  EXPECT_EQ(DayWindowLength(c, 0), 0);
  c.lastHour[0] = 5;
  EXPECT_EQ(DayWindowLength(c, 0), 3);
}

// After a lesson's weekly hours change only the files of what takes it are rewritten:
// the classrooms' only when one of the lesson's class lessons has a classroom.
TEST_F(CountsTest, RecountingALessonRewritesTheRoomsOnlyForARoomedLesson) {
  const FileSet grids{DataFile::kClassGrids, DataFile::kTeacherGrids};
  const FileSet roomed{DataFile::kClassGrids, DataFile::kTeacherGrids, DataFile::kRoomGrids};
  EXPECT_EQ(RecountTotalsOfLesson(school, b.LessonNo("MATEMATİK")), grids);
  EXPECT_EQ(RecountTotalsOfLesson(school, b.LessonNo("BEDEN")), roomed);
}

// The shared indicator: a class lesson of the teacher with a common group or a
// teacher of its own (a damaged record may list none).
TEST(TeacherHoursTest, SharedWhenAClassLessonHasACommonGroupOrATeacher) {
  SchoolBuilder b;
  b.Class("10", "A").Teacher("CAN").Lesson("TARİH", 2, "2").Teach();
  School school = b.Build();
  const int can = b.TeacherNo("CAN");
  EXPECT_TRUE(CountTeacherHours(school, can));
  TClassLessonRec& cl = *school.ClassLessonAt(b.ClassNo("10 A"), b.LessonNo("TARİH"));
  cl.teacherCount = 0;
  EXPECT_FALSE(CountTeacherHours(school, can));
  cl.commonGroup = 7;
  EXPECT_TRUE(CountTeacherHours(school, can));
}

TEST_F(CountsTest, PrepareTeacherSetsEveryRunValue) {
  school.Settings.maxHoursPerDay = 6;
  school.Settings.sameClassDifferentDays = 1;
  TTeacherGridRec& g = *school.TeacherGridByNo(ayla);
  g.special.maxHoursPerDay = 8;
  // Monday: hours 1 and 2 closed and free are trimmed; Tuesday all closed.
  g.open[0] = g.open[1] = 0;
  for (int h = 1; h <= 16; ++h) g.open[CellIndex(2, h) - 1] = 0;
  PrepareTeacher(school, ayla);
  EXPECT_EQ(g.bothShifts, 1);
  EXPECT_EQ(g.effective.maxHoursPerDay, 8);
  EXPECT_EQ(g.effective.sameClassDifferentDays, 1);
  EXPECT_EQ(g.firstUsable, (DayBytes{3, 0, 1, 1, 1}));
  EXPECT_EQ(g.lastUsable, (DayBytes{12, 0, 12, 12, 12}));
  EXPECT_EQ(g.usablePerDay, (DayBytes{10, 0, 12, 12, 12}));
  // N = 60 marked, K = 14 closed: round((0 + 14) / 12) = 1; slack 60 - 14 - 14.
  EXPECT_EQ(g.sameDayAllowance, 1);
  EXPECT_EQ(g.slack, 32);
  EXPECT_EQ(g.searchMark, 0);
  // Own setting 0 exempts the teacher from the different-days rule.
  g.special.sameClassDifferentDays = 0;
  PrepareTeacher(school, ayla);
  EXPECT_EQ(g.effective.sameClassDifferentDays, 0);
}

TEST_F(CountsTest, BothBuildingsAllowTwoMoreGaps) {
  school.Settings.maxGapsPerWeek = 3;
  school.Annex.bytes[static_cast<std::size_t>(nineA - 1)] = 1;
  PrepareTeacher(school, ayla);
  const TTeacherGridRec& g = *school.TeacherGridByNo(ayla);
  EXPECT_EQ(g.bothBuildings, 1);
  EXPECT_EQ(g.effective.maxGapsPerWeek, 5);
  // BORA teaches the annex class alone: one building, and mornings only.
  const int bora = b.TeacherNo("BORA");
  PrepareTeacher(school, bora);
  const TTeacherGridRec& one = *school.TeacherGridByNo(bora);
  EXPECT_EQ(one.bothBuildings, 0);
  EXPECT_EQ(one.effective.maxGapsPerWeek, 3);
  EXPECT_EQ(one.bothShifts, 0);
}

TEST(TeacherPreparationTest, WindowReachesHour16) {
  SchoolBuilder b;
  b.Class("12", "D").Hours(9, 16).Teacher("EMRE").Lesson("FİZİK", 4, "2+2").Teach();
  School school = b.Build();
  TTeacherGridRec& g = *school.TeacherGridByNo(b.TeacherNo("EMRE"));
  EXPECT_EQ(MarkTeacherWindow(school, g).marked, 40);
  EXPECT_EQ(g.firstUsable, (DayBytes{9, 9, 9, 9, 9}));
  EXPECT_EQ(g.lastUsable, (DayBytes{16, 16, 16, 16, 16}));
}

TEST(TeacherPreparationTest, FiveBlocksInOneClassSwitchDifferentDaysOff) {
  SchoolBuilder b;
  b.Class("10", "A").Teacher("DENİZ").Lesson("TÜRKÇE", 5, "2+2+1").Teach();
  b.Lesson("TARİH", 2, "1+1").Teach();
  School school = b.Build();
  school.Settings.sameClassDifferentDays = 1;
  PrepareTeacher(school, b.TeacherNo("DENİZ"));
  EXPECT_EQ(
      school.TeacherGridByNo(b.TeacherNo("DENİZ"))->effective.sameClassDifferentDays, 0);
  const TeacherBlocks blocks = CountTeacherBlocks(school, b.TeacherNo("DENİZ"));
  EXPECT_EQ(blocks.ones, 3);
  EXPECT_EQ(blocks.twos, 2);
  EXPECT_EQ(blocks.longer, 0);
}

TTeacherGridRec GridWith(int weeklyHours, int usableDays, int maxPerDay) {
  TTeacherGridRec g{};
  g.weeklyHours = static_cast<uint8_t>(weeklyHours);
  g.effective.maxHoursPerDay = static_cast<uint8_t>(maxPerDay);
  for (int d = 0; d < usableDays; ++d) {
    g.firstUsable[static_cast<std::size_t>(d)] = 1;
    g.usablePerDay[static_cast<std::size_t>(d)] = 8;
  }
  return g;
}

TEST(TeacherPreparationTest, DailyMaximumIsRaisedUntilTheUsableDaysHoldTheHours) {
  TTeacherGridRec g = GridWith(20, 3, 6);
  RaiseDailyMaximum(g, TeacherBlocks{0, 0, 0});
  EXPECT_EQ(g.effective.maxHoursPerDay, 7);
  g = GridWith(20, 3, 6);
  RaiseDailyMaximum(g, TeacherBlocks{0, 10, 0});  // by 2 while below twice the twos
  EXPECT_EQ(g.effective.maxHoursPerDay, 8);
  // Raised only while the days hold fewer hours than the week's.
  g = GridWith(15, 3, 5);
  RaiseDailyMaximum(g, TeacherBlocks{});
  EXPECT_EQ(g.effective.maxHoursPerDay, 5);
  g = GridWith(16, 3, 5);
  RaiseDailyMaximum(g, TeacherBlocks{});
  EXPECT_EQ(g.effective.maxHoursPerDay, 6);
  // By 1 once the days hold twice the twos: 4 days of 1 hour and 2 twos.
  g = GridWith(7, 4, 1);
  RaiseDailyMaximum(g, TeacherBlocks{0, 2, 0});
  EXPECT_EQ(g.effective.maxHoursPerDay, 2);
  g = GridWith(7, 4, 1);
  RaiseDailyMaximum(g, TeacherBlocks{0, 3, 0});
  EXPECT_EQ(g.effective.maxHoursPerDay, 3);
  g = GridWith(20, 0, 6);
  RaiseDailyMaximum(g, TeacherBlocks{});
  EXPECT_EQ(g.effective.maxHoursPerDay, 6);  // no usable day: left alone
}

TEST(TeacherPreparationTest, RegularDistributionValues) {
  TSettingsRec s{};
  s.evenDays = 1;
  TTeacherGridRec g = GridWith(20, 5, 6);
  SetRegularDistribution(g, TeacherBlocks{2, 4, 0}, s);
  EXPECT_EQ(g.evenSpread, 1);
  EXPECT_EQ(g.evenTarget, 4);
  EXPECT_EQ(g.evenCeiling, 5);
  EXPECT_EQ(g.evenExcessThreshold, 0);
  EXPECT_EQ(g.evenExtraCeiling, 1);

  g = GridWith(13, 5, 6);
  g.usablePerDay[4] = 1;
  SetRegularDistribution(g, TeacherBlocks{1, 6, 0}, s);
  EXPECT_EQ(g.evenTarget, 2);               // 13 div 5 = 2
  EXPECT_EQ(g.evenExcessThreshold, 3 + 1);  // 13 - 10, and one day short by 1
  EXPECT_EQ(g.evenExtraCeiling, 2);         // 2 x 6 twos >= 10
  EXPECT_EQ(g.evenCeiling, 4);

  g = GridWith(10, 5, 7);
  SetRegularDistribution(g, TeacherBlocks{1, 0, 1}, s);  // a block of 3 or more
  EXPECT_EQ(g.evenTarget, 2);
  EXPECT_EQ(g.evenCeiling, 7);
  EXPECT_EQ(g.evenExcessThreshold, 5);

  g = GridWith(8, 5, 6);
  SetRegularDistribution(g, TeacherBlocks{0, 4, 0}, s);  // no single hours, under 9
  EXPECT_EQ(g.evenTarget, 4);
  EXPECT_EQ(g.evenCeiling, 4);

  s.evenDays = 0;
  g = GridWith(20, 5, 6);
  SetRegularDistribution(g, TeacherBlocks{2, 4, 0}, s);
  EXPECT_EQ(g.evenSpread, 0);

  s.evenDays = 1;
  g = GridWith(20, 3, 6);  // two days unusable
  g.effective.dayBetweenDays = 1;
  SetRegularDistribution(g, TeacherBlocks{2, 4, 0}, s);
  EXPECT_EQ(g.evenSpread, 0);
  EXPECT_EQ(g.effective.dayBetweenDays, 0);
}

TEST(TeacherPreparationTest, RegularDistributionBoundaries) {
  TSettingsRec s{};
  s.evenDays = 1;
  auto spread = [&](int hours, TeacherBlocks blocks) {
    TTeacherGridRec g = GridWith(hours, 5, 6);
    SetRegularDistribution(g, blocks, s);
    return g;
  };
  // Twos enough for the target on every day keep the ceiling 2 above it.
  EXPECT_EQ(spread(20, {0, 10, 0}).evenCeiling, 6);
  EXPECT_EQ(spread(20, {0, 10, 0}).evenExtraCeiling, 2);
  EXPECT_EQ(spread(20, {0, 9, 0}).evenCeiling, 5);
  EXPECT_EQ(spread(20, {0, 9, 0}).evenExtraCeiling, 1);
  // Target 4 on 5 days: an excess of 5 hours is not more than the days, 6 is.
  EXPECT_EQ(spread(25, {5, 0, 0}).evenCeiling, 5);
  EXPECT_EQ(spread(26, {6, 0, 0}).evenCeiling, 6);
  // Four a day for a teacher of no single hours and fewer than 9.
  EXPECT_EQ(spread(9, {0, 4, 0}).evenTarget, 2);
  EXPECT_EQ(spread(8, {0, 4, 0}).evenTarget, 4);
  EXPECT_EQ(spread(8, {2, 3, 0}).evenTarget, 2);
  // Spread on from 6 hours and up to two longer blocks.
  EXPECT_EQ(spread(6, {6, 0, 0}).evenSpread, 1);
  EXPECT_EQ(spread(5, {5, 0, 0}).evenSpread, 0);
  EXPECT_EQ(spread(20, {2, 2, 2}).evenSpread, 1);
  EXPECT_EQ(spread(20, {2, 1, 3}).evenSpread, 0);
}

}  // namespace
}  // namespace kalvodrin
