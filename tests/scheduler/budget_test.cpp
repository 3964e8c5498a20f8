// What bounds a chain of nested requests: the repair budget each level grants, the
// free single conflict under block alignment and what a nested one costs, the journal
// that stops every write at 4000 entries, and the rebuild nesting limit that a fixed
// cell or a teacher of both shifts forces to 1.

#include <gtest/gtest.h>

#include "engine/teacher_preparation.h"
#include "scheduler/placement_search.h"
#include "test_school.h"

namespace kalvodrin {
namespace {

class BudgetTest : public ::testing::Test {
 protected:
  void Prepare(int level, int blockAlign) {
    t.Done();
    PrepareAllTeachers(t.school);
    state.searchLevel = level;
    state.subPass = 2;
    state.rulesFromSettings = true;
    state.blockAlign = blockAlign;
  }
  bool Request(int fixedCell, int length, int lesson, int cls) {
    state.searchDepth = 0;
    return search.NewRequest({cls, lesson, length, fixedCell});
  }

  TestSchool t;
  RunState state;
  RunProgress progress;
  PlacementSearch search{t.school, state, progress, nullptr};
};

TEST_F(BudgetTest, EachLevelGrantsMoreAndAlignmentGrantsHalf) {
  t.Lesson(1, 1, {1}).Class(1).Teacher(1).Give(1, 1, {1});
  Prepare(1, 0);
  const struct {
    int level, align, budget;
  } cases[] = {{1, 0, 1}, {2, 0, 3}, {5, 0, 9}, {8, 0, 15},
               {1, 1, 1}, {2, 1, 2}, {5, 1, 5}, {8, 1, 8}};
  for (const auto& c : cases) {
    state.searchLevel = c.level;
    state.blockAlign = c.align;
    Request(0, 1, 1, 1);  // a fixed cell would switch alignment off
    EXPECT_EQ(state.repairBudget, c.budget) << c.level << "/" << c.align;
  }
}

// Class 1's week is Monday hour 1 only, so a request asks for that cell without
// fixing it (a fixed cell would switch alignment off).
void OnlyMondayFirstHour(TestSchool& t) {
  t.Class(1);
  t.builder.Hours(1, 1, 1);
  for (int day = 2; day <= 5; ++day) t.builder.Hours(day, 0, 0);
}

// Teacher 1 gives class 2 an hour at Monday 1, which class 1 asks for.
TEST_F(BudgetTest, ASingleConflictIsFreeOnlyUnderAlignment) {
  t.Lesson(1, 1, {1}).Lesson(2, 1, {1});
  OnlyMondayFirstHour(t);
  t.Class(2).Teacher(1).Give(1, 1, {1}).Give(2, 2, {1});
  Prepare(1, 0);
  ASSERT_TRUE(t.Put(2, 2, 1, 1, 1));
  // Budget 1: one conflict costs 1 without alignment, 1 div 2 = 0 with it.
  EXPECT_FALSE(Request(0, 1, 1, 1));
  state.blockAlign = 1;
  EXPECT_TRUE(Request(0, 1, 1, 1));
  EXPECT_EQ(t.At(1, 1, 1), 1);
  EXPECT_EQ(PlacedHours(t.school, 2, 2), 1);
  EXPECT_EQ(Problems(t.school), "");
}

// A chain of two one-conflict repairs: class 1 asks for Monday 1, where teacher 1
// gives class 2 its only hour (class 2 has Monday 1-2 only); Monday 2 holds class 3's
// hour, which may also go to Monday 3.
TEST_F(BudgetTest, ANestedSingleConflictCostsOneUnderAlignment) {
  t.Lesson(1, 1, {1}).Lesson(2, 1, {1}).Lesson(3, 1, {1});
  OnlyMondayFirstHour(t);
  t.Class(2);
  t.builder.Hours(1, 1, 2);
  for (int day = 2; day <= 5; ++day) t.builder.Hours(day, 0, 0);
  t.Class(3);
  t.builder.Hours(1, 1, 3);
  for (int day = 2; day <= 5; ++day) t.builder.Hours(day, 0, 0);
  t.Teacher(1).Give(1, 1, {1}).Give(2, 2, {1}).Give(3, 3, {1});
  Prepare(1, 1);
  ASSERT_TRUE(t.Put(2, 2, 1, 1, 1));
  ASSERT_TRUE(t.Put(3, 3, 1, 1, 2));
  const std::vector<uint8_t> before = GridImage(t.school);
  // Level 1: the first repair is free, the nested one would use the whole budget.
  EXPECT_FALSE(Request(0, 1, 1, 1));
  EXPECT_EQ(GridImage(t.school), before);
  EXPECT_EQ(state.repairUsed, 0);
  state.searchLevel = 2;
  ASSERT_TRUE(Request(0, 1, 1, 1));
  EXPECT_EQ(t.At(1, 1, 1), 1);
  EXPECT_EQ(t.At(2, 1, 2), 2);
  EXPECT_EQ(t.At(3, 1, 3), 3);
  EXPECT_EQ(Problems(t.school), "");
}

// Only on Monday, from hour `first` to hour `last`.
void MondayOnly(TestSchool& t, int cls, int first, int last) {
  t.Class(cls);
  t.builder.Hours(1, first, last);
  for (int day = 2; day <= 5; ++day) t.builder.Hours(day, 0, 0);
}

// Teacher 1 gives four classes a single hour each. Class 1 asks for Monday 1, which
// holds class 2's hour; class 2 may move to hour 2 or 3. Hour 2 holds class 3's only
// possible hour, so that repair puts nothing back; hour 3 holds class 4's, which may
// move on to hour 4. The failed repair at hour 2 spends one of the budget.
class SpentBudgetTest : public BudgetTest {
 protected:
  void SetUp() override {
    t.Lesson(1, 1, {1}).Lesson(2, 1, {1}).Lesson(3, 1, {1}).Lesson(4, 1, {1});
    OnlyMondayFirstHour(t);
    MondayOnly(t, 2, 1, 3);
    MondayOnly(t, 3, 2, 2);
    MondayOnly(t, 4, 3, 4);
    t.Teacher(1).Give(1, 1, {1}).Give(2, 2, {1}).Give(3, 3, {1}).Give(4, 4, {1});
    Prepare(1, 0);
    for (int cls : {2, 3, 4}) ASSERT_TRUE(t.Put(cls, cls, 1, 1, cls - 1));
    before = GridImage(t.school);
  }
  void Level(int level, int blockAlign) {
    state.searchLevel = level;
    state.blockAlign = blockAlign;
  }
  void ExpectChainPlaced() {
    EXPECT_EQ(t.At(1, 1, 1), 1);
    EXPECT_EQ(t.At(2, 1, 3), 2);
    EXPECT_EQ(t.At(3, 1, 2), 3);
    EXPECT_EQ(t.At(4, 1, 4), 4);
    EXPECT_EQ(Problems(t.school), "");
  }
  std::vector<uint8_t> before;
};

TEST_F(SpentBudgetTest, UnderAlignmentAFailedNestedRepairKeepsWhatItSpent) {
  // Budget 2: the failed repair at hour 2 keeps its one, the one at hour 3 would
  // use the second.
  Level(2, 1);
  EXPECT_FALSE(Request(0, 1, 1, 1));
  EXPECT_EQ(GridImage(t.school), before);
  Level(3, 1);
  ASSERT_TRUE(Request(0, 1, 1, 1));
  ExpectChainPlaced();
}

TEST_F(SpentBudgetTest, WithoutAlignmentAFailedRepairGivesItsBudgetBack) {
  // Budget 3: the first repair costs one here, the failed one gives its one back.
  Level(2, 0);
  ASSERT_TRUE(Request(0, 1, 1, 1));
  ExpectChainPlaced();
}

TEST_F(BudgetTest, AFullJournalStopsTheChain) {
  t.Lesson(1, 1, {1}).Class(1).Teacher(1).Give(1, 1, {1});
  Prepare(1, 0);
  // A request inside a chain keeps the journal; a free cell takes two entries.
  auto nested = [&](int entries) {
    ChangeJournal& journal = search.journal();
    journal.Clear();
    for (int i = 0; i < entries; ++i) journal.Record(JournalEntry{});
    state.searchDepth = 1;
    const bool placed = search.NewRequest({1, 1, 1, 0});
    if (placed) RollBack(t.school, journal, entries);
    return placed;
  };
  EXPECT_TRUE(nested(ChangeJournal::kCapacity - 2));
  EXPECT_FALSE(nested(ChangeJournal::kCapacity - 1));  // no room for both entries
  EXPECT_FALSE(nested(ChangeJournal::kCapacity));      // no cell is tried at all
  EXPECT_EQ(PlacedHours(t.school, 1, 1), 0);
}

TEST_F(BudgetTest, AFixedCellOrATeacherOfBothShiftsRebuildsOnlyOnce) {
  t.Lesson(1, 2, {1, 1}).Class(1).Teacher(1).Give(1, 1, {1});
  t.builder.Settings().reorganise = 3;
  Prepare(2, 0);
  ASSERT_TRUE(Request(0, 1, 1, 1));
  EXPECT_EQ(state.rebuildLimit, 3);
  ASSERT_TRUE(Request(CellIndex(3, 1), 1, 1, 1));
  EXPECT_EQ(state.rebuildLimit, 1);
  t.T(1).bothShifts = 1;
  ASSERT_TRUE(Request(0, 1, 1, 1));
  EXPECT_EQ(state.rebuildLimit, 1);
}

}  // namespace
}  // namespace kalvodrin
