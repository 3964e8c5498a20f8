#include "engine/rule_tests.h"

#include <gtest/gtest.h>

#include "core/cells.h"
#include "engine/block_operations.h"
#include "engine/slot_tests.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

// One class with hours 1..8 and a few lessons of one teacher, whose run values are
// set by hand so that each rule is seen on its own.
class RuleTestsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    b.Group("FEN").Room("R1");
    b.Class("11", "A").Hours(1, 8).Class("11", "B").Hours(1, 8);
    b.In("11 A").Lesson("EDEBİYAT", 10, "2+2+2+2+2").Teacher("HASAN").Teach();
    b.Lesson("KİMYA", 8, "2+2+2+2", "FEN").Teach();
    b.Lesson("BİYOLOJİ", 2, "1+1", "FEN").Teach();
    b.Lesson("MÜZİK", 4, "2+2").Teach().InRoom("R1");
    b.In("11 B").Lesson("MÜZİK", 4, "2+2").Teach();
    school = b.Build();
    a = b.ClassNo("11 A");
    nb = b.ClassNo("11 B");
    lit = b.LessonNo("EDEBİYAT");
    chem = b.LessonNo("KİMYA");
    bio = b.LessonNo("BİYOLOJİ");
    music = b.LessonNo("MÜZİK");
    t = school.TeacherGridByNo(b.TeacherNo("HASAN"));
    t->effective = TeacherRules{1, 0, 0, 0, 0, 0, 0, 8};  // every rule off
    t->firstUsable.fill(1);
    t->lastUsable.fill(8);
    t->usablePerDay.fill(8);
    t->sameDayAllowance = 0;
  }

  Block At(int lesson, int length, int day, int hour, int classNo = 0) {
    return *MakeBlock(school, classNo == 0 ? a : classNo, lesson, length,
                      CellIndex(day, hour));
  }
  void Put(int lesson, int length, int day, int hour, int classNo = 0) {
    ASSERT_TRUE(PlaceBlock(school, At(lesson, length, day, hour, classNo), nullptr));
  }

  SchoolBuilder b;
  School school;
  TTeacherGridRec* t = nullptr;
  RuleParams rules;
  RuleParams strict{true, 0};
  int a = 0, nb = 0, lit = 0, chem = 0, bio = 0, music = 0;
};

TEST_F(RuleTestsTest, SlotTests) {
  EXPECT_TRUE(WindowTest(school, At(lit, 2, 1, 7)));
  EXPECT_FALSE(WindowTest(school, At(lit, 2, 1, 8)));  // runs past the last hour
  school.ClassGridByNo(a)->firstHour[1] = 0;
  EXPECT_FALSE(WindowTest(school, At(lit, 1, 2, 1)));
  t->firstUsable[2] = 0;
  EXPECT_FALSE(WindowTest(school, At(lit, 1, 3, 1)));
  // A closed class cell is never given a lesson, even with teacher and room free.
  school.ClassGridByNo(a)->open[CellIndex(4, 2) - 1] = 0;
  EXPECT_FALSE(AvailabilityTest(school, At(music, 2, 4, 1)));
  EXPECT_TRUE(AvailabilityTest(school, At(music, 2, 4, 3)));
  Put(lit, 1, 5, 2);
  EXPECT_FALSE(FreedomTest(school, At(music, 2, 5, 1)));  // the teacher is busy
  school.RoomGridByNo(b.RoomNo("R1"))->occupant[CellIndex(5, 5) - 1] = nb;
  EXPECT_FALSE(FreedomTest(school, At(music, 1, 5, 5)));  // the room is busy
  EXPECT_TRUE(FreedomTest(school, At(music, 2, 5, 3)));
  Block outside = At(music, 2, 5, 3);
  outside.length = 15;
  EXPECT_FALSE(FreedomTest(school, outside));
  EXPECT_FALSE(AvailabilityTest(school, outside));
}

// The window takes a block from the day's first hour on, none on a day without a first
// hour, and none whose start cell is outside the week; a negative count of teachers
// lists no teacher that could pass.
TEST_F(RuleTestsTest, SlotTestBoundaries) {
  TClassGridRec& g = *school.ClassGridByNo(a);
  g.firstHour[2] = 3;
  EXPECT_TRUE(WindowTest(school, At(lit, 2, 3, 3)));
  EXPECT_FALSE(WindowTest(school, At(lit, 2, 3, 2)));
  g.firstHour[3] = 0;
  EXPECT_FALSE(WindowTest(school, At(lit, 1, 4, 3)));
  Block outside = At(lit, 1, 1, 3);
  outside.startCell = 0;
  EXPECT_FALSE(WindowTest(school, outside));
  Block none = At(lit, 1, 1, 3);
  none.teacherCount = -1;
  EXPECT_FALSE(AvailabilityTest(school, none));
  EXPECT_FALSE(FreedomTest(school, none));
}

TEST_F(RuleTestsTest, DailyMaximum) {
  t->effective.maxHoursPerDay = 6;
  EXPECT_TRUE(DailyMaximumRule(school, At(lit, 6, 1, 1), rules));
  t->placedPerDay[0] = 1;
  EXPECT_FALSE(DailyMaximumRule(school, At(lit, 6, 1, 2), rules));
  EXPECT_TRUE(DailyMaximumRule(school, At(lit, 5, 1, 2), rules));
  // Regular distribution: target 2, ceiling 3, threshold 4, extra ceiling 1.
  t->effective.maxHoursPerDay = 8;
  t->evenSpread = 1;
  t->evenTarget = 2;
  t->evenCeiling = 3;
  t->evenExcessThreshold = 4;
  t->evenExtraCeiling = 1;
  t->placedPerDay = {4, 2, 0, 0, 0};
  EXPECT_TRUE(DailyMaximumRule(school, At(lit, 2, 3, 1), rules));   // allowance 3
  EXPECT_FALSE(DailyMaximumRule(school, At(lit, 2, 2, 5), rules));  // 2 + 2 > 3
  EXPECT_FALSE(DailyMaximumRule(school, At(lit, 3, 3, 1), rules));  // excess reaches 4
  t->placedPerDay = {2, 2, 2, 2, 2};  // every day counts: allowance 3 + 1
  EXPECT_TRUE(DailyMaximumRule(school, At(lit, 2, 1, 5), rules));
  EXPECT_FALSE(DailyMaximumRule(school, At(lit, 3, 1, 5), rules));
}

TEST_F(RuleTestsTest, AnnexBuildingChanges) {
  EXPECT_TRUE(AnnexRule(school, At(music, 1, 1, 3), rules));  // no class in the annex
  school.Annex.bytes[static_cast<std::size_t>(nb - 1)] = 1;
  Put(music, 1, 1, 2, nb);
  EXPECT_FALSE(AnnexRule(school, At(lit, 1, 1, 3), rules));  // straight after the annex
  EXPECT_TRUE(AnnexRule(school, At(lit, 1, 1, 4), rules));
  Put(lit, 1, 1, 1);
  EXPECT_FALSE(AnnexRule(school, At(chem, 1, 1, 4), rules));  // main, annex, main
  Put(music, 1, 2, 2, nb);
  Put(music, 1, 2, 7, nb);
  EXPECT_FALSE(AnnexRule(school, At(lit, 1, 2, 4), rules));  // annex on both sides
}

TEST_F(RuleTestsTest, GapsAroundTheBlock) {
  Put(lit, 2, 1, 1);
  t->placedPerDay[0] = 2;
  t->effective = TeacherRules{0, 3, 1, 0, 0, 0, 0, 8};
  EXPECT_FALSE(GapRule(school, At(chem, 1, 1, 5), rules));  // hours 3 and 4 empty
  t->effective.maxGapBetweenLessons = 2;
  EXPECT_TRUE(GapRule(school, At(chem, 1, 1, 5), rules));
  EXPECT_FALSE(GapRule(school, At(chem, 1, 1, 5), strict));  // no gap when strict
  // A closed hour is not a gap.
  t->open[CellIndex(1, 3) - 1] = 0;
  t->effective.maxGapBetweenLessons = 1;
  EXPECT_TRUE(GapRule(school, At(chem, 1, 1, 5), rules));
  EXPECT_TRUE(GapRule(school, At(chem, 1, 2, 5), rules));  // nothing yet that day
  t->lastUsable[0] = 5;
  EXPECT_FALSE(GapRule(school, At(chem, 2, 1, 5), rules));  // past the window end
  t->effective.gapsAllowed = 1;
  EXPECT_TRUE(GapRule(school, At(chem, 2, 1, 5), rules));
}

TEST_F(RuleTestsTest, AllowedGapCountsTheWeeksGaps) {
  t->effective = TeacherRules{0, 3, 2, 0, 0, 0, 0, 8};
  Put(lit, 1, 2, 1);
  Put(lit, 1, 2, 3);  // one gap hour on Tuesday
  t->placedPerDay[1] = 2;
  EXPECT_EQ(AllowedGap(school, *t, 1, false), 2);
  Put(lit, 1, 3, 1);
  Put(lit, 1, 3, 4);  // two more on Wednesday
  t->placedPerDay[2] = 2;
  EXPECT_EQ(AllowedGap(school, *t, 1, false), 0);
  school.Settings.gapLimitPerDay = 1;  // only the day being tried counts
  EXPECT_EQ(AllowedGap(school, *t, 1, false), 2);
  EXPECT_EQ(AllowedGap(school, *t, 2, false), 2);
  EXPECT_EQ(AllowedGap(school, *t, 1, true), 0);
}

// The week's gaps are read as bits of each day: the open, empty hours strictly between
// the day's first and last lesson, at both ends of the day's sixteen hours too.
TEST_F(RuleTestsTest, GapsLieBetweenTheFirstAndTheLastLessonOfTheDay) {
  t->effective = TeacherRules{0, 40, 40, 0, 0, 0, 0, 8};
  EXPECT_EQ(AllowedGap(school, *t, 1, false), 40);
  Put(lit, 1, 1, 1);
  Put(lit, 1, 1, 16);
  EXPECT_EQ(AllowedGap(school, *t, 1, false), 40 - 14);
  t->open[CellIndex(1, 2) - 1] = 0;  // a closed hour is no gap
  t->open[CellIndex(1, 15) - 1] = 0;
  EXPECT_EQ(AllowedGap(school, *t, 1, false), 40 - 12);
  Put(lit, 1, 2, 16);  // one lesson alone leaves no gap
  Put(lit, 1, 3, 1);
  EXPECT_EQ(AllowedGap(school, *t, 1, false), 40 - 12);
  Put(lit, 1, 3, 2);  // next to each other
  EXPECT_EQ(AllowedGap(school, *t, 1, false), 40 - 12);
  Put(lit, 1, 3, 4);
  EXPECT_EQ(AllowedGap(school, *t, 1, false), 40 - 13);
  t->open[CellIndex(3, 1) - 1] = 0;  // closed hours that hold lessons still bound gaps
  t->open[CellIndex(3, 4) - 1] = 0;
  EXPECT_EQ(AllowedGap(school, *t, 1, false), 40 - 13);
  Put(lit, 1, 5, 14);  // the week's last day, at the end of the planes
  Put(lit, 1, 5, 16);
  EXPECT_EQ(AllowedGap(school, *t, 1, false), 40 - 14);
}

TEST_F(RuleTestsTest, SameLessonOnOneDay) {
  // A lesson of 10 weekly hours never opens a day with a single hour.
  EXPECT_FALSE(SameLessonRule(school, At(lit, 1, 1, 1), rules));
  EXPECT_TRUE(SameLessonRule(school, At(lit, 2, 1, 1), rules));
  EXPECT_TRUE(SameLessonRule(school, At(bio, 1, 1, 1), rules));
  // An hour in the grid's last hour of the day counts as the lesson's day too.
  TClassGridRec& grid = *school.ClassGridByNo(a);
  grid.occupant[static_cast<std::size_t>(CellIndex(5, kHoursPerDay) - 1)] = bio;
  EXPECT_FALSE(SameLessonRule(school, At(bio, 1, 5, 1), rules));
  grid.occupant[static_cast<std::size_t>(CellIndex(5, kHoursPerDay) - 1)] = 0;
  // With S10 = 0 two single hours of a 1+1 lesson never stand side by side.
  Put(bio, 1, 2, 3);
  school.Settings.mergeOnePlusOne = 0;
  EXPECT_FALSE(SameLessonRule(school, At(bio, 1, 2, 4), rules));
  school.Settings.mergeOnePlusOne = 1;
  EXPECT_TRUE(SameLessonRule(school, At(bio, 1, 2, 4), rules));
  EXPECT_FALSE(SameLessonRule(school, At(bio, 1, 2, 6), rules));
  // More than 7 weekly hours: up to round(8 / 4) + allowance hours, joined on.
  Put(chem, 2, 3, 1);
  EXPECT_FALSE(SameLessonRule(school, At(chem, 2, 3, 3), rules));
  t->sameDayAllowance = 2;
  EXPECT_TRUE(SameLessonRule(school, At(chem, 2, 3, 3), rules));
  EXPECT_FALSE(SameLessonRule(school, At(chem, 2, 3, 5), rules));  // not joined
  school.Settings.moreThanTwoPerDay = 1;
  EXPECT_TRUE(SameLessonRule(school, At(chem, 1, 3, 5), rules));  // 2 + 1 < 4
  EXPECT_FALSE(SameLessonRule(school, At(chem, 2, 3, 5), rules));  // 2 + 2 is not
}

TEST_F(RuleTestsTest, DaysApartAndDifferentHours) {
  Put(music, 2, 1, 3);
  // The rules apply only to a two-block lesson whose teacher has them on.
  EXPECT_TRUE(DaysApartRule(school, At(music, 2, 2, 1), rules));
  EXPECT_FALSE(DaysApartRule(school, At(music, 2, 2, 1), strict));
  t->effective.dayBetweenDays = 1;
  t->effective.differentHours = 1;
  EXPECT_FALSE(DaysApartRule(school, At(music, 2, 2, 1), rules));
  EXPECT_TRUE(DaysApartRule(school, At(music, 2, 3, 1), rules));
  EXPECT_FALSE(DifferentHoursRule(school, At(music, 2, 3, 4), rules));  // hour 4 again
  EXPECT_TRUE(DifferentHoursRule(school, At(music, 2, 3, 5), rules));
  // A lesson of three blocks is exempt unless strict.
  Put(chem, 2, 4, 3);
  EXPECT_TRUE(DaysApartRule(school, At(chem, 2, 5, 3), rules));
  EXPECT_FALSE(DifferentHoursRule(school, At(chem, 2, 5, 3), strict));
}

TEST_F(RuleTestsTest, OneTeacherTwoLessonsOfOneClass) {
  Put(lit, 1, 1, 1);
  EXPECT_TRUE(OneTeacherTwoLessonsRule(school, At(chem, 2, 1, 3), rules));  // rule off
  t->effective.sameClassDifferentDays = 1;
  EXPECT_TRUE(OneTeacherTwoLessonsRule(school, At(chem, 1, 1, 3), rules));
  EXPECT_FALSE(OneTeacherTwoLessonsRule(school, At(chem, 2, 1, 3), rules));
  EXPECT_TRUE(OneTeacherTwoLessonsRule(school, At(chem, 2, 2, 3), rules));
}

TEST_F(RuleTestsTest, LessonGroupsSpreadOverDays) {
  Put(chem, 2, 1, 1);
  EXPECT_TRUE(LessonGroupRule(school, At(bio, 1, 1, 4), rules));  // rule off
  t->effective.groupDifferentDays = 1;
  EXPECT_FALSE(LessonGroupRule(school, At(bio, 1, 1, 4), rules));
  EXPECT_TRUE(LessonGroupRule(school, At(bio, 1, 1, 4), RuleParams{false, 1}));
  EXPECT_TRUE(LessonGroupRule(school, At(bio, 1, 2, 4), rules));
  EXPECT_TRUE(LessonGroupRule(school, At(lit, 2, 1, 4), rules));  // not in a group
  EXPECT_TRUE(AllRulesPass(school, At(lit, 2, 2, 1), rules));
  EXPECT_FALSE(AllRulesPass(school, At(bio, 1, 1, 4), rules));
}

// A day whose lessons fill its window has no gap and is not read; one hour short of
// full it may have one.
TEST_F(RuleTestsTest, AllowedGapReadsADayOneHourShortOfFull) {
  t->effective = TeacherRules{0, 2, 2, 0, 0, 0, 0, 8};
  for (int hour : {1, 2, 3, 5, 6, 7, 8}) Put(lit, 1, 4, hour);
  EXPECT_EQ(AllowedGap(school, *t, 1, false), 1);
  Put(lit, 1, 4, 4);
  EXPECT_EQ(AllowedGap(school, *t, 1, false), 2);
}

// Each rule refuses a block that runs past the day's last hour before it reads a cell.
TEST_F(RuleTestsTest, EveryRuleRefusesABlockPastTheDay) {
  Block outside = At(music, 2, 5, 3);
  outside.length = 15;
  EXPECT_FALSE(SameLessonRule(school, outside, rules));
  EXPECT_FALSE(DaysApartRule(school, outside, rules));
  EXPECT_FALSE(DifferentHoursRule(school, outside, rules));
  EXPECT_FALSE(OneTeacherTwoLessonsRule(school, outside, rules));
  EXPECT_FALSE(LessonGroupRule(school, outside, rules));
}

TEST_F(RuleTestsTest, DailyAllowanceBoundaries) {
  t->evenSpread = 1;
  t->evenTarget = 1;
  t->evenCeiling = 1;
  t->evenExcessThreshold = 9;
  t->evenExtraCeiling = 1;
  // A maximum no longer than the block allows the block whatever the spread says.
  t->effective.maxHoursPerDay = 2;
  EXPECT_TRUE(DailyMaximumRule(school, At(lit, 2, 1, 1), rules));
  t->effective.maxHoursPerDay = 3;
  EXPECT_FALSE(DailyMaximumRule(school, At(lit, 2, 1, 1), rules));  // spread ceiling 1
  // The excess over the target plus the block's hours past its first reaches the
  // threshold: the day is held to the target.
  t->effective.maxHoursPerDay = 8;
  t->evenTarget = 2;
  t->evenCeiling = 3;
  t->evenExcessThreshold = 4;
  t->placedPerDay = {4, 2, 1, 0, 0};  // excess 2, + 2 - 1 = 3: ceiling 3
  EXPECT_TRUE(DailyMaximumRule(school, At(lit, 2, 3, 1), rules));
  t->placedPerDay = {5, 2, 1, 0, 0};  // excess 3, + 2 - 1 = 4: target 2
  EXPECT_FALSE(DailyMaximumRule(school, At(lit, 2, 3, 1), rules));
}

// The teacher's own hours are written straight into its plane: class 11 A is in the
// main building, 11 B in the annex.
TEST_F(RuleTestsTest, AnnexRuleAtTheEndsOfTheDay) {
  school.Annex.bytes[static_cast<std::size_t>(nb - 1)] = 1;
  auto teach = [&](int day, int hour, int classNo) {
    t->occupant[static_cast<std::size_t>(CellIndex(day, hour) - 1)] = static_cast<uint8_t>(classNo);
  };
  // The annex straight after the block; at hour 16 too, and not two hours on.
  teach(1, 3, nb);
  EXPECT_FALSE(AnnexRule(school, At(lit, 1, 1, 2), rules));
  teach(2, 16, nb);
  EXPECT_FALSE(AnnexRule(school, At(lit, 1, 2, 15), rules));
  EXPECT_TRUE(AnnexRule(school, At(lit, 1, 2, 14), rules));
  // Annex then main after the block, walked up to hour 16 only for a block that ends
  // before hour 13.
  teach(3, 15, nb);
  teach(3, 16, a);
  EXPECT_FALSE(AnnexRule(school, At(lit, 1, 3, 12), rules));
  EXPECT_TRUE(AnnexRule(school, At(lit, 1, 3, 13), rules));
  // Empty hours belong to no building: an annex block on a free day passes.
  EXPECT_TRUE(AnnexRule(school, At(music, 1, 4, 3, nb), rules));
}

TEST_F(RuleTestsTest, GapBeforeTheNextLessonAndTheWindowsLastHour) {
  t->effective = TeacherRules{0, 3, 1, 0, 0, 0, 0, 8};
  // A lesson in the window's last hour.
  Put(lit, 1, 1, 8);
  EXPECT_TRUE(GapRule(school, At(chem, 1, 1, 6), rules));   // one empty hour: allowed
  EXPECT_FALSE(GapRule(school, At(chem, 1, 1, 5), rules));  // two
  // With no gap allowed only the hour straight before the lesson passes.
  t->effective.maxGapsPerWeek = 0;
  Put(lit, 1, 2, 4);
  EXPECT_TRUE(GapRule(school, At(chem, 1, 2, 3), rules));
  EXPECT_FALSE(GapRule(school, At(chem, 1, 2, 2), rules));
}

TEST_F(RuleTestsTest, SameLessonJoinsAtTheDaysEndsAndFromBothSides) {
  school.Settings.moreThanTwoPerDay = 0;
  school.Settings.mergeOnePlusOne = 1;
  // A single hour joins one straight after it, up to hour 16 but not across the night.
  TClassGridRec& grid = *school.ClassGridByNo(a);
  grid.occupant[static_cast<std::size_t>(CellIndex(2, 16) - 1)] = static_cast<uint8_t>(bio);
  EXPECT_TRUE(SameLessonRule(school, At(bio, 1, 2, 15), rules));
  grid.occupant[static_cast<std::size_t>(CellIndex(2, 16) - 1)] = 0;
  grid.occupant[static_cast<std::size_t>(CellIndex(2, 5) - 1)] = static_cast<uint8_t>(bio);
  grid.occupant[static_cast<std::size_t>(CellIndex(3, 1) - 1)] = static_cast<uint8_t>(bio);
  EXPECT_FALSE(SameLessonRule(school, At(bio, 1, 2, 16), rules));
  // More than 7 weekly hours: a further block joins the day's piece before or after it.
  t->sameDayAllowance = 2;
  school.Settings.mergeOnePlusOne = 0;
  Put(chem, 1, 4, 1);  // a piece in the day's first hour
  EXPECT_TRUE(SameLessonRule(school, At(chem, 1, 4, 2), rules));
  Put(chem, 2, 5, 3);
  EXPECT_TRUE(SameLessonRule(school, At(chem, 2, 5, 1), rules));
  Block seven = At(chem, 2, 5, 5);
  EXPECT_TRUE(SameLessonRule(school, seven, rules));
  seven.weeklyHours = 7;
  EXPECT_FALSE(SameLessonRule(school, seven, rules));
}

// A lesson of more than 10 weekly hours may put a second two-hour block on a day with
// two free hours or more between it and the day's two-hour piece.
TEST_F(RuleTestsTest, LongLessonsTwoHourBlocksTwoHoursApart) {
  t->sameDayAllowance = 2;
  school.Settings.moreThanTwoPerDay = 0;
  auto twelve = [&](int day, int hour) {
    Block blk = At(chem, 2, day, hour);
    blk.weeklyHours = 12;
    return SameLessonRule(school, blk, rules);
  };
  Put(chem, 2, 3, 3);  // hours 3-4
  EXPECT_FALSE(twelve(3, 6));
  EXPECT_TRUE(twelve(3, 7));
  Put(chem, 2, 4, 5);  // hours 5-6
  EXPECT_FALSE(twelve(4, 2));
  EXPECT_TRUE(twelve(4, 1));
}

TEST_F(RuleTestsTest, DaysApartAndDifferentHoursReachEveryDayAndHour) {
  t->effective.dayBetweenDays = 1;
  t->effective.differentHours = 1;
  // The lesson's own day is no neighbour of the block.
  Put(music, 2, 3, 7);
  EXPECT_TRUE(DaysApartRule(school, At(music, 2, 3, 1), rules));
  // On Friday, hours 3-4: the block's first and its last hour are compared.
  Put(music, 2, 5, 3);
  EXPECT_FALSE(DifferentHoursRule(school, At(music, 2, 2, 3), rules));
  EXPECT_FALSE(DifferentHoursRule(school, At(music, 2, 2, 2), rules));  // its last hour
  EXPECT_TRUE(DifferentHoursRule(school, At(music, 2, 2, 5), rules));
}

TEST_F(RuleTestsTest, OneDaysLessonsAreCountedUpToHour16) {
  TClassGridRec& grid = *school.ClassGridByNo(a);
  t->effective.sameClassDifferentDays = 1;
  t->occupant[static_cast<std::size_t>(CellIndex(1, 16) - 1)] = static_cast<uint8_t>(a);
  grid.occupant[static_cast<std::size_t>(CellIndex(1, 16) - 1)] = static_cast<uint8_t>(lit);
  EXPECT_FALSE(OneTeacherTwoLessonsRule(school, At(chem, 2, 1, 3), rules));
  t->effective.groupDifferentDays = 1;
  grid.occupant[static_cast<std::size_t>(CellIndex(2, 15) - 1)] = static_cast<uint8_t>(chem);
  grid.occupant[static_cast<std::size_t>(CellIndex(2, 16) - 1)] = static_cast<uint8_t>(chem);
  EXPECT_FALSE(LessonGroupRule(school, At(bio, 1, 2, 4), rules));
  Put(lit, 2, 3, 1);  // a lesson of no group does not count
  EXPECT_TRUE(LessonGroupRule(school, At(bio, 1, 3, 4), rules));
}

}  // namespace
}  // namespace kalvodrin
