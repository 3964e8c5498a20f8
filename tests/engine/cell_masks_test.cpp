// Runs of cells in the week's masks: both ends of the week and the seam between the
// masks' two words. How the masks answer for real timetables is checked against the
// slot tests in the random sequences.
#include <gtest/gtest.h>

#include "engine/cell_masks.h"

namespace kalvodrin {
namespace {

constexpr CellMask kWholeWeek{~uint64_t{0}, 0xFFFF};

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

}  // namespace
}  // namespace kalvodrin
