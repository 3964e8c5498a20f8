// The relaxation step: which setting gives way first, and when nothing more may.

#include <gtest/gtest.h>

#include "scheduler/relaxation.h"

namespace kalvodrin {
namespace {

TEST(Relaxation, NewSettingsRecordOnlyDropsSameClassDifferentDays) {
  TSettingsRec s = DefaultSettings();  // S1 = 3, S2 = 2, S3 = 1, S4 = S5 = S6 = 0
  int passes = 0;
  ASSERT_EQ(s.autoRelax, 1);
  EXPECT_TRUE(RelaxationStep(s, passes, false));
  EXPECT_EQ(s.sameClassDifferentDays, 0);
  EXPECT_FALSE(RelaxationStep(s, passes, false));  // the gap step needs S1 < 3
  EXPECT_EQ(s.maxGapsPerWeek, 3);
  EXPECT_EQ(s.maxGapBetweenLessons, 2);
  EXPECT_EQ(passes, 0);
}

TEST(Relaxation, StepsComeInTheirFixedOrder) {
  TSettingsRec s = DefaultSettings();
  s.maxGapsPerWeek = 0;
  s.maxGapBetweenLessons = 0;
  s.dayBetweenDays = 1;
  s.differentHours = 1;
  s.groupDifferentDays = 1;
  int passes = 0;
  EXPECT_TRUE(RelaxationStep(s, passes, false));
  EXPECT_EQ(passes, 1);
  EXPECT_TRUE(RelaxationStep(s, passes, false));
  EXPECT_EQ(s.differentHours, 0);
  EXPECT_EQ(s.dayBetweenDays, 1);
  EXPECT_TRUE(RelaxationStep(s, passes, false));
  EXPECT_EQ(s.dayBetweenDays, 0);
  // Gap step from 0 / 0: one weekly gap, and a gap of 1 allowed.
  EXPECT_TRUE(RelaxationStep(s, passes, false));
  EXPECT_EQ(s.maxGapsPerWeek, 1);
  EXPECT_EQ(s.maxGapBetweenLessons, 1);
  // 1 / 1: the longest gap cannot grow past the weekly gaps, so the weekly gaps do.
  EXPECT_TRUE(RelaxationStep(s, passes, false));
  EXPECT_EQ(s.maxGapsPerWeek, 2);
  EXPECT_EQ(s.maxGapBetweenLessons, 1);
  EXPECT_TRUE(RelaxationStep(s, passes, false));
  EXPECT_EQ(passes, 2);
  EXPECT_TRUE(RelaxationStep(s, passes, false));
  EXPECT_EQ(s.sameClassDifferentDays, 0);
  EXPECT_TRUE(RelaxationStep(s, passes, false));  // 2 / 1 -> 2 / 2
  EXPECT_EQ(s.maxGapBetweenLessons, 2);
  EXPECT_TRUE(RelaxationStep(s, passes, false));  // 2 / 2 -> 3 / 2
  EXPECT_EQ(s.maxGapsPerWeek, 3);
  EXPECT_FALSE(RelaxationStep(s, passes, false));
}

TEST(Relaxation, NothingWhenAllPlacedOffOrNotAllowed) {
  TSettingsRec s = DefaultSettings();
  int passes = 0;
  EXPECT_FALSE(RelaxationStep(s, passes, true));
  s.autoRelax = 0;
  EXPECT_FALSE(RelaxationStep(s, passes, false));
  s = DefaultSettings();
  s.autoOptions.fill(0);
  s.maxGapsPerWeek = 0;
  s.groupDifferentDays = 1;
  EXPECT_FALSE(RelaxationStep(s, passes, false));
  // The lesson-group steps need the rule itself on.
  s.autoOptions[3] = 1;
  s.groupDifferentDays = 0;
  EXPECT_FALSE(RelaxationStep(s, passes, false));
  EXPECT_EQ(passes, 0);
}

}  // namespace
}  // namespace kalvodrin
