// Moving and swapping placed blocks by hand, and the marks a drag shows: whole blocks
// for every participant, both sides of the day's end, locked blocks staying, refusals
// that change nothing, and marks that agree with what a move does.

#include <gtest/gtest.h>

#include "engine/consistency.h"
#include "engine/locks.h"
#include "grid_image.h"
#include "timetable_school.h"
#include "timetables/block_moves.h"
#include "timetables/drag_marks.h"

namespace kalvodrin {
namespace {

struct MoveSchool : TimetableSchool {
  PlacedBlock At(GridKind kind, int owner, int cell) const {
    const auto b = BlockAt(school, kind, owner, cell);
    EXPECT_TRUE(b.has_value()) << cell;
    return b.value_or(PlacedBlock{});
  }
  int Lesson(int classNo, int cell) const {
    return school.ClassGridByNo(classNo)->occupant[static_cast<std::size_t>(cell - 1)];
  }
  int Teaching(int teacher, int cell) const {
    return school.TeacherGridByNo(teacher)->occupant[static_cast<std::size_t>(cell - 1)];
  }
  void ExpectConsistent() const {
    const auto problems = CheckConsistency(school);
    EXPECT_TRUE(problems.empty()) << problems.front();
  }
};

TEST(BlockMoves, BlockAtFindsTheWholeBlockFromAnyCellOfEveryTimetable) {
  MoveSchool s;
  const PlacedBlock physics{s.a9, s.physics, CellIndex(2, 1), 2};
  EXPECT_EQ(s.At(GridKind::kClass, s.a9, CellIndex(2, 2)), physics);
  EXPECT_EQ(s.At(GridKind::kTeacher, s.can, CellIndex(2, 1)), physics);
  EXPECT_EQ(s.At(GridKind::kRoom, s.lab, CellIndex(1, 2)),
            (PlacedBlock{s.a9, s.math, CellIndex(1, 1), 2}));
  EXPECT_FALSE(BlockAt(s.school, GridKind::kClass, s.a9, CellIndex(2, 3)));  // free
  EXPECT_FALSE(BlockAt(s.school, GridKind::kClass, s.a9, 0));
  EXPECT_FALSE(BlockAt(s.school, GridKind::kTeacher, 99, CellIndex(2, 1)));
}

TEST(BlockMoves, AMoveTakesTheWholeBlockForEveryParticipant) {
  MoveSchool s;
  // FİZİK, taught by AYŞE and CAN, from Tuesday 1-2 to Tuesday 4-5.
  ASSERT_TRUE(MoveBlock(s.school, s.At(GridKind::kClass, s.a9, CellIndex(2, 1)), CellIndex(2, 4)) ==
              MoveOutcome::kMoved);
  for (int hour : {4, 5}) {
    EXPECT_EQ(s.Lesson(s.a9, CellIndex(2, hour)), s.physics);
    EXPECT_EQ(s.Teaching(s.ayse, CellIndex(2, hour)), s.a9);
    EXPECT_EQ(s.Teaching(s.can, CellIndex(2, hour)), s.a9);
  }
  EXPECT_EQ(s.Lesson(s.a9, CellIndex(2, 1)), 0);
  EXPECT_EQ(s.Teaching(s.can, CellIndex(2, 2)), 0);
  s.ExpectConsistent();
  // BEDEN of 9 A and 9 B together, picked up in 9 B, to Monday 4-5 for both classes.
  ASSERT_TRUE(MoveBlock(s.school, s.At(GridKind::kClass, s.b9, CellIndex(3, 2)), CellIndex(1, 4)) ==
              MoveOutcome::kMoved);
  EXPECT_EQ(s.Lesson(s.a9, CellIndex(1, 5)), s.sport);
  EXPECT_EQ(s.Lesson(s.b9, CellIndex(1, 4)), s.sport);
  EXPECT_EQ(s.Lesson(s.b9, CellIndex(3, 1)), 0);
  s.ExpectConsistent();
}

TEST(BlockMoves, RefusedMovesChangeNothing) {
  MoveSchool s;
  const PlacedBlock math = s.At(GridKind::kClass, s.a9, CellIndex(1, 1));
  const auto start = GridImage(s.school);
  EXPECT_EQ(MoveBlock(s.school, math, CellIndex(2, 2)), MoveOutcome::kDoesNotFit);  // FİZİK
  EXPECT_EQ(MoveBlock(s.school, math, CellIndex(1, 6)), MoveOutcome::kDoesNotFit);  // past 6
  EXPECT_EQ(MoveBlock(s.school, math, 81), MoveOutcome::kDoesNotFit);
  EXPECT_EQ(MoveBlock(s.school, math, CellIndex(1, 1)), MoveOutcome::kUnchanged);
  EXPECT_EQ(GridImage(s.school), start);
  // The day's last two hours still take it.
  ASSERT_TRUE(MoveBlock(s.school, math, CellIndex(1, 5)) == MoveOutcome::kMoved);
  s.ExpectConsistent();
  // Locked where it is: it stays.
  const PlacedBlock moved = s.At(GridKind::kClass, s.a9, CellIndex(1, 5));
  ASSERT_TRUE(ToggleClassLock(s.school, CellIndex(1, 6), s.a9));
  const auto locked = GridImage(s.school);
  EXPECT_TRUE(BlockLocked(s.school, moved));
  EXPECT_EQ(MoveBlock(s.school, moved, CellIndex(1, 1)), MoveOutcome::kLocked);
  EXPECT_EQ(SwapBlocks(s.school, moved, s.At(GridKind::kClass, s.a9, CellIndex(5, 1))),
            MoveOutcome::kLocked);
  EXPECT_EQ(GridImage(s.school), locked);
}

TEST(BlockMoves, TwoBlocksOfAClassSwapWhenBothFitAfterwards) {
  MoveSchool s;
  const PlacedBlock math = s.At(GridKind::kClass, s.a9, CellIndex(1, 1));
  const PlacedBlock physics = s.At(GridKind::kClass, s.a9, CellIndex(2, 1));
  const auto start = GridImage(s.school);
  EXPECT_TRUE(SwapBlocks(s.school, math, physics, false) == MoveOutcome::kMoved);  // asks only
  EXPECT_EQ(GridImage(s.school), start);
  // CAN closed on Monday 1: FİZİK cannot go there, so no swap.
  ASSERT_TRUE(ToggleTeacherLock(s.school, CellIndex(1, 1), s.can));
  const auto closed = GridImage(s.school);
  EXPECT_EQ(SwapBlocks(s.school, math, physics), MoveOutcome::kDoesNotFit);
  EXPECT_EQ(GridImage(s.school), closed);
  ASSERT_TRUE(ToggleTeacherLock(s.school, CellIndex(1, 1), s.can));
  ASSERT_TRUE(SwapBlocks(s.school, math, physics) == MoveOutcome::kMoved);
  EXPECT_EQ(s.Lesson(s.a9, CellIndex(1, 2)), s.physics);
  EXPECT_EQ(s.Teaching(s.can, CellIndex(1, 1)), s.a9);
  EXPECT_EQ(s.Lesson(s.a9, CellIndex(2, 1)), s.math);
  EXPECT_EQ(s.Teaching(s.can, CellIndex(2, 1)), 0);
  EXPECT_EQ(SwapBlocks(s.school, math, math), MoveOutcome::kUnchanged);
  s.ExpectConsistent();
}

TEST(DragMarks, GreenYellowAndRedAgreeWithTheMoveAndLeaveTheSchoolAlone) {
  MoveSchool s;
  const PlacedBlock math = s.At(GridKind::kClass, s.a9, CellIndex(1, 1));
  const auto start = GridImage(s.school);
  const DragMarks marks(s.school, math);
  const auto all = marks.All();
  EXPECT_EQ(GridImage(s.school), start);

  // Its own place, free once it is carried away.
  EXPECT_EQ(all[0].mark, DropMark::kFits);
  EXPECT_TRUE(all[0].reasons.empty());
  // FİZİK holds Tuesday 1-2: red, and why.
  const DropTarget busy = all[CellIndex(2, 1) - 1];
  EXPECT_EQ(busy.mark, DropMark::kNoFit);
  EXPECT_NE(marks.Explain(busy).find("Sınıf dolu"), std::string::npos);
  // Hours 5-6 end the day, 6-7 leave it.
  EXPECT_NE(all[CellIndex(1, 5) - 1].mark, DropMark::kNoFit);
  EXPECT_EQ(all[CellIndex(1, 6) - 1].mark, DropMark::kNoFit);
  EXPECT_EQ(marks.At(0).mark, DropMark::kNoFit);
  // AYŞE teaches FİZİK on Tuesday 1-2: Tuesday 4-5 leaves her a gap the settings do
  // not allow, but nothing stops the block there.
  const DropTarget gap = all[CellIndex(2, 4) - 1];
  EXPECT_EQ(gap.mark, DropMark::kBreaksRule);
  ASSERT_FALSE(gap.reasons.empty());
  EXPECT_EQ(gap.reasons.front().kind, Blocker::kGapRule);

  // The mark colours the cell under the carried block and keeps what it shows; only
  // the cell the block would land on has the focus rectangle.
  const CellPaint under{"MAT", CellColor::kBlack, CellColor::kButtonFace, true};
  const CellPaint green = PaintDropMark(under, DropMark::kFits, true);
  EXPECT_EQ(green.cell, CellColor::kGreen);
  EXPECT_EQ(green.font, CellColor::kWhite);
  EXPECT_TRUE(green.focusRect);
  EXPECT_EQ(green.text, "MAT");
  EXPECT_TRUE(green.bold);
  const CellPaint yellow = PaintDropMark(under, DropMark::kBreaksRule, false);
  EXPECT_EQ(yellow.cell, CellColor::kYellow);
  EXPECT_EQ(yellow.font, CellColor::kBlack);
  EXPECT_FALSE(yellow.focusRect);
  const CellPaint red = PaintDropMark(under, DropMark::kNoFit, false);
  EXPECT_EQ(red.cell, CellColor::kRed);
  EXPECT_EQ(red.font, CellColor::kWhite);

  // Every mark tells what a move does: red refuses, green and yellow move.
  for (int cell = 1; cell <= 80; ++cell) {
    School copy = s.school;
    const MoveOutcome moved = MoveBlock(copy, math, cell);
    if (cell == math.startCell) continue;
    EXPECT_EQ(moved == MoveOutcome::kMoved,
              all[static_cast<std::size_t>(cell - 1)].mark != DropMark::kNoFit)
        << cell;
  }
}

}  // namespace
}  // namespace kalvodrin
