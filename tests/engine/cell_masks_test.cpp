// Runs of cells in the week's masks: both ends of the week and the seam between the
// masks' two words. How the masks answer for real timetables is checked against the
// slot tests in the random sequences.
#include <gtest/gtest.h>

#include "engine/cell_masks.h"

#include "core/cells.h"
#include "engine/block.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

constexpr CellMask kWholeWeek{~uint64_t{0}, 0xFFFF};

// A participant list whose count is below 0 or above what a list holds (a damaged
// block) gives no cells at all, as a participant without a timetable does.
TEST(CellMasksTest, ABlockWithAnImpossibleCountHasNoCells) {
  SchoolBuilder b;
  b.Class("9", "A").Lesson("MATEMATİK", 2, "2").Teacher("ALİ").Teach();
  const School school = b.Build();
  const Block block =
      *MakeBlock(school, b.ClassNo("9 A"), b.LessonNo("MATEMATİK"), 2, CellIndex(1, 1));
  EXPECT_NE(CellsOf(school, block).free, CellMask{});
  for (const int count : {-1, kMaxListed + 1}) {
    Block damaged = block;
    damaged.teacherCount = count;
    const ParticipantCells none = CellsOf(school, damaged);
    EXPECT_EQ(none.open, CellMask{}) << count;
    EXPECT_EQ(none.free, CellMask{}) << count;
  }
}

TEST(CellMasksTest, ARunMustLieWithinTheWeek) {
  EXPECT_TRUE(HasRun(kWholeWeek, 1, 16));
  EXPECT_TRUE(HasRun(kWholeWeek, 80, 1));
  EXPECT_TRUE(HasRun(kWholeWeek, 79, 2));
  EXPECT_FALSE(HasRun(kWholeWeek, 80, 2));
  EXPECT_FALSE(HasRun(kWholeWeek, 0, 1));
  EXPECT_FALSE(HasRun(kWholeWeek, 81, 1));
  EXPECT_FALSE(HasRun(kWholeWeek, 5, 0));
}

TEST(CellMasksTest, EveryCellOfTheRunCountsOnBothSidesOfTheSeam) {
  CellMask without65 = kWholeWeek;
  without65.high &= ~uint64_t{1};
  EXPECT_TRUE(HasRun(without65, 63, 2));
  EXPECT_FALSE(HasRun(without65, 64, 2));
  EXPECT_FALSE(HasRun(without65, 65, 1));
  EXPECT_TRUE(HasRun(without65, 66, 15));
  CellMask without64 = kWholeWeek;
  without64.low &= ~(uint64_t{1} << 63);
  EXPECT_TRUE(HasRun(without64, 62, 2));
  EXPECT_FALSE(HasRun(without64, 63, 3));
  EXPECT_TRUE(HasRun(without64, 65, 2));
}

// The search reads run starts from one mask per block length, so every start must
// agree with the cell-by-cell answer: at both ends of the week, at the seam between
// the words, for runs of 1, 2, 16 and 17 hours (17 reaches over the seam from cell 48
// and from cell 64), of 64 and 65 (whose last cell is read from the high word alone),
// and past the ends of lengths and cells.
TEST(CellMasksTest, RunStartsAgreeWithEveryRun) {
  CellMask holes = kWholeWeek;
  holes.low &= ~(uint64_t{1} << 63);  // cell 64
  holes.low &= ~(uint64_t{1} << 9);   // cell 10
  holes.high &= ~(uint64_t{1} << 5);  // cell 70
  // Bits above cell 80 are no cells: a run may not end on them.
  CellMask stray = kWholeWeek;
  stray.high = ~uint64_t{0};
  for (const CellMask& mask : {kWholeWeek, holes, stray, CellMask{}}) {
    for (int length : {0, 1, 2, 3, 16, 17, 64, 65, 80, 81}) {
      const CellMask starts = RunStarts(mask, length);
      for (int cell = 0; cell <= 81; ++cell)
        EXPECT_EQ(InMask(starts, cell), HasRun(mask, cell, length))
            << "cell " << cell << " length " << length;
    }
  }
  EXPECT_TRUE(InMask(RunStarts(holes, 2), 62));
  EXPECT_FALSE(InMask(RunStarts(holes, 2), 63));
  EXPECT_TRUE(InMask(RunStarts(holes, 5), 65));
  EXPECT_FALSE(InMask(RunStarts(holes, 6), 65));
  EXPECT_TRUE(InMask(RunStarts(stray, 1), 80));
  EXPECT_FALSE(InMask(RunStarts(stray, 2), 80));
}

}  // namespace
}  // namespace kalvodrin
