#include "engine/reset.h"

#include <gtest/gtest.h>

#include "core/cells.h"
#include "engine/block_operations.h"
#include "engine/consistency.h"
#include "engine/locks.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

class ResetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    b.Room("LAB").Class("9", "A").Hours(1, 7);
    b.Lesson("REHBERLİK", 1, "1").Teacher("EDA").Teach().InRoom("LAB");
    b.Lesson("FİZİK", 4, "2+2").Teach().InRoom("LAB");
    school = b.Build();
    c = b.ClassNo("9 A");
    eda = b.TeacherNo("EDA");
    lab = b.RoomNo("LAB");
    guidance = b.LessonNo("REHBERLİK");
    physics = b.LessonNo("FİZİK");
    Put(physics, 2, CellIndex(1, 1));
    Put(physics, 2, CellIndex(3, 2));
    ASSERT_TRUE(ToggleClassLock(school, CellIndex(3, 2), c));  // the whole block closes
    ASSERT_TRUE(ToggleTeacherLock(school, CellIndex(5, 8), eda));  // a free cell
    school.TeacherGridByNo(eda)->special = TeacherRules{1, 2, 2, 0, 0, 0, 0, 9};
  }

  void Put(int lesson, int length, int cell) {
    ASSERT_TRUE(PlaceBlock(school, *MakeBlock(school, c, lesson, length, cell), nullptr));
  }

  SchoolBuilder b;
  School school;
  int c = 0, eda = 0, lab = 0, guidance = 0, physics = 0;
};

// The week's last cell is counted like any other when its hour stays.
TEST(ResetLastCell, AnHourKeptInTheWeeksLastCellStaysCounted) {
  SchoolBuilder b;
  b.Class("9", "A").Hours(1, kHoursPerDay).Lesson("REHBERLİK", 1, "1").Teacher("EDA").Teach();
  b.Place("9 A", "REHBERLİK", 1, kDays, kHoursPerDay);
  School school = b.Build();
  const int c = b.ClassNo("9 A");
  ASSERT_TRUE(ToggleClassLock(school, kCells, c));
  ResetPlacements(school, ResetOptions{});
  const TClassGridRec& g = *school.ClassGridByNo(c);
  EXPECT_EQ(g.occupant[kCells - 1], b.LessonNo("REHBERLİK"));
  EXPECT_EQ(g.freeHours[kDays - 1], kHoursPerDay - 1);
  EXPECT_EQ(g.freeHours[0], kHoursPerDay);
  EXPECT_TRUE(CheckConsistency(school).empty());
}

// In the week's last cell: 9 A's hour, closed for its teacher alone, stays for the
// class and becomes a block of its own, its block's other hour emptied; 9 B's open
// hour is emptied.
TEST(ResetLastCell, TheWeeksLastCellIsKeptEmptiedAndRewrittenLikeAnyOther) {
  SchoolBuilder b;
  b.Class("9", "A").Hours(1, kHoursPerDay).Lesson("MATEMATİK", 2, "2").Teacher("EDA").Teach();
  b.Class("9", "B").Hours(1, kHoursPerDay).Lesson("TARİH", 1, "1").Teacher("FUAT").Teach();
  b.Place("9 A", "MATEMATİK", 2, kDays, kHoursPerDay - 1);
  b.Place("9 B", "TARİH", 1, kDays, kHoursPerDay);
  School school = b.Build();
  ASSERT_TRUE(SetCellOpen(school, GridKind::kTeacher, b.TeacherNo("EDA"), kCells, 0));
  ResetPlacements(school, ResetOptions{});
  const TClassGridRec& a = *school.ClassGridByNo(b.ClassNo("9 A"));
  EXPECT_EQ(a.occupant[kCells - 2], 0);
  EXPECT_EQ(a.occupant[kCells - 1], b.LessonNo("MATEMATİK"));
  EXPECT_EQ(a.blockLen[kCells - 1], 1);
  EXPECT_EQ(a.blockStart[kCells - 1], kCells);
  EXPECT_EQ(school.ClassGridByNo(b.ClassNo("9 B"))->occupant[kCells - 1], 0);
  EXPECT_TRUE(CheckConsistency(school).empty());
}

// Two whole blocks of one lesson side by side, the second ending in the week's last
// cell, stay two blocks: only a block that lost hours is rewritten.
TEST(ResetLastCell, WholeKeptBlocksSideBySideStayApart) {
  SchoolBuilder b;
  b.Class("9", "A").Hours(1, kHoursPerDay).Lesson("MATEMATİK", 8, "2+2+2+2").Teacher("EDA");
  b.Teach();
  b.Place("9 A", "MATEMATİK", 2, kDays, 13).Place("9 A", "MATEMATİK", 2, kDays, 15);
  School school = b.Build();
  const int c = b.ClassNo("9 A");
  ASSERT_TRUE(ToggleClassLock(school, CellIndex(kDays, 13), c));
  ASSERT_TRUE(ToggleClassLock(school, CellIndex(kDays, 15), c));
  ResetPlacements(school, ResetOptions{});
  const TClassGridRec& g = *school.ClassGridByNo(c);
  EXPECT_EQ(g.blockLen[CellIndex(kDays, 13) - 1], 2);
  EXPECT_EQ(g.blockStart[CellIndex(kDays, 14) - 1], CellIndex(kDays, 13));
  EXPECT_EQ(g.blockLen[kCells - 1], 2);
  EXPECT_EQ(g.blockStart[kCells - 1], CellIndex(kDays, 15));
}

// A kept hour of a common lesson of fifteen classes, as many as a group holds, stays
// for each of them, and nothing past the fifteenth is read.
TEST(ResetLastCell, AKeptHourOfAFullCommonLessonStaysForEveryMember) {
  SchoolBuilder b;
  for (char section = 'A'; section < 'A' + kMaxListed; ++section)
    b.Class("9", std::string(1, section)).Lesson("BEDEN", 1, "1");
  b.Common({"9 A", "9 B", "9 C", "9 D", "9 E", "9 F", "9 G", "9 H", "9 I", "9 J", "9 K", "9 L",
            "9 M", "9 N", "9 O"},
           "BEDEN");
  b.Teacher("EDA").Teach().Place("9 A", "BEDEN", 1, 2, 3);
  School school = b.Build();
  ASSERT_TRUE(ToggleClassLock(school, CellIndex(2, 3), b.ClassNo("9 A")));
  ResetPlacements(school, ResetOptions{});
  for (const TClassGridRec& g : school.ClassGrids)
    EXPECT_EQ(g.occupant[CellIndex(2, 3) - 1], b.LessonNo("BEDEN")) << int{g.classNo};
  EXPECT_TRUE(CheckConsistency(school).empty());
}

TEST_F(ResetTest, ClosedCellsKeepTheirLessonsAndStayCounted) {
  ResetPlacements(school, ResetOptions{});
  const TTeacherGridRec& t = *school.TeacherGridByNo(eda);
  const TClassGridRec& g = *school.ClassGridByNo(c);
  EXPECT_EQ(g.occupant[CellIndex(1, 1) - 1], 0);
  EXPECT_EQ(g.occupant[CellIndex(3, 2) - 1], physics);
  EXPECT_EQ(g.open[CellIndex(3, 3) - 1], 0);
  EXPECT_EQ(t.open[CellIndex(5, 8) - 1], 0);
  EXPECT_EQ(t.placedHours, 2);
  EXPECT_EQ(t.placedPerDay, (DayBytes{0, 0, 2, 0, 0}));
  // Free hours: the window's 7 minus what stays in closed cells.
  EXPECT_EQ(g.freeHours, (DayBytes{7, 7, 5, 7, 7}));
  EXPECT_EQ(t.special.maxHoursPerDay, 9);
  EXPECT_TRUE(CheckConsistency(school).empty());
}

// A kept block's hour whose link names itself as the block's start (a damaged file
// set) is linked to the block's real start again.
TEST_F(ResetTest, AKeptHourLinkedToItselfIsLinkedToItsBlocksStart) {
  TClassGridRec& g = *school.ClassGridByNo(c);
  g.blockStart[CellIndex(3, 3) - 1] = static_cast<uint8_t>(CellIndex(3, 3));
  ResetPlacements(school, ResetOptions{});
  EXPECT_EQ(g.blockStart[CellIndex(3, 3) - 1], CellIndex(3, 2));
  EXPECT_EQ(g.blockLen[CellIndex(3, 3) - 1], 2);
  EXPECT_TRUE(CheckConsistency(school).empty());
}

TEST_F(ResetTest, ClearingClosedCellsOpensAndEmptiesEverything) {
  const FileSet files = ResetPlacements(school, ResetOptions{true, false});
  EXPECT_EQ(files, (FileSet{DataFile::kTeacherGrids, DataFile::kClassGrids,
                            DataFile::kRoomGrids}));
  const TTeacherGridRec& t = *school.TeacherGridByNo(eda);
  for (int cell = 1; cell <= kCells; ++cell) {
    EXPECT_EQ(t.open[cell - 1], 1);
    EXPECT_EQ(t.occupant[cell - 1], 0);
    EXPECT_EQ(school.ClassGridByNo(c)->open[cell - 1], 1);
    EXPECT_EQ(school.RoomGridByNo(lab)->occupant[cell - 1], 0);
  }
  EXPECT_EQ(t.placedHours, 0);
  EXPECT_EQ(t.special.maxHoursPerDay, 9);
}

TEST_F(ResetTest, ClearingSpecialSettingsLeavesClosedCellsAlone) {
  ResetPlacements(school, ResetOptions{false, true});
  const TTeacherGridRec& t = *school.TeacherGridByNo(eda);
  EXPECT_EQ(t.special.maxHoursPerDay, kDefaultTeacherRules.maxHoursPerDay);
  EXPECT_EQ(t.special.gapsAllowed, 0);
  EXPECT_EQ(t.special.sameClassDifferentDays, 1);
  EXPECT_EQ(t.open[CellIndex(5, 8) - 1], 0);
  EXPECT_EQ(t.placedHours, 2);
}

TEST_F(ResetTest, AnHourClosedForSomeParticipantsStaysForAll) {
  // The fixed guidance hour is closed for its teacher and class, not its room.
  Put(guidance, 1, CellIndex(2, 5));
  ASSERT_TRUE(SetCellOpen(school, GridKind::kTeacher, eda, CellIndex(2, 5), 0));
  ASSERT_TRUE(SetCellOpen(school, GridKind::kClass, c, CellIndex(2, 5), 0));
  ResetPlacements(school, ResetOptions{});
  EXPECT_EQ(school.RoomGridByNo(lab)->occupant[CellIndex(2, 5) - 1], c);
  EXPECT_EQ(school.ClassGridByNo(c)->occupant[CellIndex(2, 5) - 1], guidance);
  EXPECT_TRUE(CheckConsistency(school).empty());
}

// Closing a cell by hand: only cells of the week and grids that exist, nothing else
// written.
TEST_F(ResetTest, ClosingACellRefusesCellsOutsideTheWeek) {
  const auto before = school.TeacherGridByNo(eda)->open;
  for (int cell : {0, kCells + 1})
    EXPECT_FALSE(SetCellOpen(school, GridKind::kTeacher, eda, cell, 0)) << cell;
  EXPECT_FALSE(SetCellOpen(school, GridKind::kTeacher, 250, 1, 0));
  EXPECT_EQ(school.TeacherGridByNo(eda)->open, before);
  ASSERT_TRUE(SetCellOpen(school, GridKind::kTeacher, eda, kCells, 0));
  EXPECT_EQ(school.TeacherGridByNo(eda)->open[kCells - 1], 0);
}

}  // namespace
}  // namespace kalvodrin
