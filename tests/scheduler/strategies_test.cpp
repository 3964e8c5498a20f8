// Repair strategies seen through whole runs: the split of another lesson's 2-hour
// block, which a run allows once, the split of a long lesson's own block, which
// aligned blocks leave out, and the rebuild of a teacher's day.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "scheduler/placement_run.h"
#include "test_school.h"

namespace kalvodrin {
namespace {

// Class c has Monday 1-2 and Tuesday 1 (Tuesday 2 closed): lesson A (2 hours,
// divisible) and lesson B (1 hour) whose teacher is closed on Tuesday 1. B fits only
// if A's block is split into two single hours.
TEST(SplitOtherBlock, HappensOnceARunAndTheSettingComesBack) {
  TestSchool t;
  t.Lesson(1, 2, {2}).Lesson(2, 1, {1});
  for (int c = 1; c <= 2; ++c) {
    t.Class(c);
    t.builder.Hours(1, 1, 2).Hours(2, 1, 2).Hours(3, 0, 0).Hours(4, 0, 0).Hours(5, 0, 0);
  }
  for (int n = 1; n <= 4; ++n) t.Teacher(n);
  t.Give(1, 1, {1}).Give(1, 2, {2}).Give(2, 1, {3}).Give(2, 2, {4});
  t.builder.Settings().splitBlock = 1;
  t.Done();
  const std::size_t tuesday1 = static_cast<std::size_t>(CellIndex(2, 1) - 1);
  for (int c = 1; c <= 2; ++c) t.C(c).open[tuesday1 + 1] = 0;
  t.T(2).open[tuesday1] = 0;
  t.T(4).open[tuesday1] = 0;
  PlacementRun run(t.school);
  const RunOutcome outcome = run.RunWholeSchool();
  EXPECT_EQ(run.state().blockSplits, 1);
  EXPECT_EQ(outcome.unplaced(), 1);
  EXPECT_EQ(t.At(1, 1, 1), 2);
  EXPECT_EQ(t.At(1, 1, 2), 1);
  EXPECT_EQ(t.At(1, 2, 1), 1);
  EXPECT_EQ(PlacedHours(t.school, 2, 2), 0);
  EXPECT_EQ(t.school.Settings.splitBlock, 1);
  EXPECT_EQ(Problems(t.school), "");
}

// Lesson 1 (8 hours as 4 + 4, divisible) in a class whose Monday to Thursday have
// hour 4 closed: only Friday holds a 4-hour block, so the second block must split
// itself into 3 + 1. Aligned blocks leave that strategy out.
TestSchool OwnSplitSchool(int alignedBlocks, int fridayLastHour) {
  TestSchool t;
  t.Lesson(1, 8, {4, 4}).Class(1).Teacher(1).Give(1, 1, {1});
  t.builder.Hours(5, 1, fridayLastHour);
  t.builder.Settings().alignedBlocks = static_cast<uint8_t>(alignedBlocks);
  t.Done();
  for (int day = 1; day <= 4; ++day)
    t.C(1).open[static_cast<std::size_t>(CellIndex(day, 4) - 1)] = 0;
  return t;
}

TEST(SplitOwnBlock, ALongLessonSplitsItsBlockUnlessBlocksAreAligned) {
  TestSchool free = OwnSplitSchool(0, 6);
  PlacementRun run(free.school);
  EXPECT_EQ(run.RunWholeSchool().unplaced(), 0);
  EXPECT_EQ(run.state().blockAlign, 0);
  EXPECT_EQ(free.At(1, 5, 1), 1);
  std::vector<int> blocks;
  for (int cell = 1; cell <= kCells; ++cell) {
    const std::size_t at = static_cast<std::size_t>(cell - 1);
    if (free.C(1).occupant[at] == 1 && free.C(1).blockStart[at] == cell)
      blocks.push_back(free.C(1).blockLen[at]);
  }
  std::sort(blocks.begin(), blocks.end());
  EXPECT_EQ(blocks, (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(Problems(free.school), "");

  TestSchool aligned = OwnSplitSchool(1, 6);
  PlacementRun alignedRun(aligned.school);
  EXPECT_EQ(alignedRun.RunWholeSchool().unplaced(), 4);
  EXPECT_EQ(alignedRun.state().blockAlign, 1);
  EXPECT_EQ(Problems(aligned.school), "");

  // A class day that ends at hour 7 switches alignment off whatever the setting.
  TestSchool seven = OwnSplitSchool(1, 7);
  PlacementRun sevenRun(seven.school);
  EXPECT_EQ(sevenRun.RunWholeSchool().unplaced(), 0);
  EXPECT_EQ(sevenRun.state().blockAlign, 0);
}

// One teacher, no gaps allowed, morning classes only (a teacher of both shifts may
// always rebuild). Lesson 1 of class 1 may stand at Monday 2 or 3 and comes first,
// at 2; lesson 2 of class 2 may stand only at Monday 4 to 6, where the gap at hour 3
// refuses it. Only rebuilding the teacher's Monday places both.
TestSchool RebuildSchool(int reorganise) {
  TestSchool t;
  t.Lesson(1, 1, {1}).Lesson(2, 1, {1});
  t.Class(1);
  t.builder.Hours(1, 1, 3);
  for (int day = 2; day <= 5; ++day) t.builder.Hours(day, 0, 0);
  t.Class(2);
  t.builder.Hours(1, 3, 6);  // a morning class: its Monday starts before hour 4
  for (int day = 2; day <= 5; ++day) t.builder.Hours(day, 0, 0);
  t.Teacher(1).Give(1, 1, {1}).Give(2, 2, {1});
  TSettingsRec& s = t.builder.Settings();
  s.maxGapsPerWeek = 0;
  s.maxGapBetweenLessons = 0;
  s.autoRelax = 0;
  s.reorganise = static_cast<uint8_t>(reorganise);
  t.Done();
  t.C(1).open[0] = 0;  // class 1 never at Monday 1
  t.C(2).open[2] = 0;  // class 2 never at Monday 3
  return t;
}

TEST(RebuildTeacherDay, MovesTheDaysLessonsOnlyWhenAllowed) {
  TestSchool off = RebuildSchool(0);
  EXPECT_EQ(PlacementRun(off.school).RunWholeSchool().unplaced(), 1);
  EXPECT_EQ(off.At(1, 1, 2), 1);

  TestSchool on = RebuildSchool(1);
  EXPECT_EQ(PlacementRun(on.school).RunWholeSchool().unplaced(), 0);
  EXPECT_EQ(on.At(1, 1, 3), 1);
  EXPECT_EQ(on.At(2, 1, 4), 2);
  EXPECT_EQ(on.T(1).open[1], 1);  // the cells closed while rebuilding are open again
  EXPECT_EQ(on.T(1).open[3], 1);
  EXPECT_EQ(Problems(on.school), "");
}

}  // namespace
}  // namespace kalvodrin
