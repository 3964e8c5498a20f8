#include <gtest/gtest.h>

#include "engine/consistency.h"
#include "engine/counts.h"
#include "engine/locks.h"
#include "timetable_school.h"
#include "timetables/load_overlay.h"
#include "timetables/timetable_commands.h"

namespace kalvodrin {
namespace {

class CommandsTest : public ::testing::Test, public TimetableSchool {
 protected:
  int ClassLesson(int classNo, int day, int hour) {
    return school.ClassGridByNo(classNo)->occupant[CellIndex(day, hour) - 1];
  }
  int TeacherClass(int teacher, int day, int hour) {
    return school.TeacherGridByNo(teacher)->occupant[CellIndex(day, hour) - 1];
  }
  void ExpectConsistent() {
    const std::vector<std::string> problems = CheckConsistency(school);
    EXPECT_TRUE(problems.empty()) << problems.front();
  }
};

TEST_F(CommandsTest, TeacherCellPlacesOneHourRemovesOneAndLeavesClosedCells) {
  const TimetableSelection sel = Select(ayse, a9, physics);
  // Free: one hour of FİZİK for both its teachers.
  Change c = TeacherCellCommand(school, sel, CellIndex(1, 4));
  EXPECT_TRUE(c.done());
  EXPECT_EQ(c.files, TimetableFiles());
  EXPECT_EQ(ClassLesson(a9, 1, 4), physics);
  EXPECT_EQ(TeacherClass(can, 1, 4), a9);
  ExpectConsistent();
  // Occupied: that one hour goes for everyone, whichever lesson is selected.
  c = TeacherCellCommand(school, sel, CellIndex(1, 1));
  EXPECT_TRUE(c.done());
  EXPECT_EQ(ClassLesson(a9, 1, 1), 0);
  EXPECT_EQ(ClassLesson(a9, 1, 2), math);
  EXPECT_EQ(school.RoomGridByNo(lab)->occupant[CellIndex(1, 1) - 1], 0);
  ExpectConsistent();
  // FİZİK has no hours left to place: refused, nothing changes.
  EXPECT_EQ(TeacherCellCommand(school, sel, CellIndex(1, 5)).outcome, Outcome::kUnchanged);
  EXPECT_EQ(ClassLesson(a9, 1, 5), 0);
  // A closed teacher cell does nothing, also when it is occupied.
  ASSERT_TRUE(ToggleTeacherLock(school, CellIndex(1, 2), ayse));
  EXPECT_FALSE(TeacherCellCommand(school, sel, CellIndex(1, 2)).done());
  EXPECT_EQ(ClassLesson(a9, 1, 2), math);
  // Header positions are no cells.
  EXPECT_FALSE(TeacherCellCommand(school, sel, 0).done());
  EXPECT_FALSE(TeacherCellCommand(school, sel, 81).done());
  ExpectConsistent();
}

TEST_F(CommandsTest, ClassCellWorksFromTheClassSide) {
  TimetableSelection sel = Select(can, a9, physics);
  EXPECT_TRUE(ClassCellCommand(school, sel, CellIndex(2, 2)).done());  // removes FİZİK
  EXPECT_EQ(TeacherClass(ayse, 2, 2), 0);
  EXPECT_EQ(TeacherClass(can, 2, 2), 0);
  EXPECT_TRUE(ClassCellCommand(school, sel, CellIndex(2, 5)).done());  // places it
  EXPECT_EQ(TeacherClass(ayse, 2, 5), a9);
  ExpectConsistent();
  // Hours outside the class's day are refused by the engine.
  sel.lesson = math;
  ASSERT_TRUE(ClassCellCommand(school, sel, CellIndex(1, 1)).done());
  EXPECT_FALSE(ClassCellCommand(school, sel, CellIndex(1, 7)).done());
  ASSERT_TRUE(ToggleClassLock(school, CellIndex(1, 6), a9));
  EXPECT_FALSE(ClassCellCommand(school, sel, CellIndex(1, 6)).done());
  EXPECT_EQ(ClassLesson(a9, 1, 6), 0);
  ExpectConsistent();
}

TEST_F(CommandsTest, RoomCellRemovesTheClassPlacedThereWhateverLessonIsSelected) {
  TimetableSelection sel = Select(ayse, b9, chemistry);
  EXPECT_TRUE(RoomCellCommand(school, sel, CellIndex(1, 2)).done());
  EXPECT_EQ(ClassLesson(a9, 1, 2), 0);
  EXPECT_EQ(ClassLesson(a9, 1, 1), math);
  sel = Select(ayse, a9, math);
  EXPECT_TRUE(RoomCellCommand(school, sel, CellIndex(5, 5)).done());
  EXPECT_EQ(school.RoomGridByNo(lab)->occupant[CellIndex(5, 5) - 1], a9);
  ExpectConsistent();
  ASSERT_TRUE(ToggleRoomCell(school, sel, CellIndex(4, 4)).done());
  EXPECT_FALSE(RoomCellCommand(school, sel, CellIndex(4, 4)).done());
  EXPECT_EQ(ClassLesson(a9, 4, 4), 0);
  ExpectConsistent();
}

TEST_F(CommandsTest, TogglingAnOccupiedCellCarriesTheBlockAFreeOneOnlyTheOwner) {
  const TimetableSelection sel = Select(ayse, a9, physics);
  ASSERT_TRUE(ToggleTeacherCell(school, sel, CellIndex(2, 2)).done());
  for (int hour : {1, 2}) {
    const std::size_t at = static_cast<std::size_t>(CellIndex(2, hour) - 1);
    EXPECT_EQ(school.TeacherGridByNo(ayse)->open[at], 0);
    EXPECT_EQ(school.TeacherGridByNo(can)->open[at], 0);
    EXPECT_EQ(school.ClassGridByNo(a9)->open[at], 0);
  }
  ASSERT_TRUE(ToggleTeacherCell(school, sel, CellIndex(5, 6)).done());
  EXPECT_EQ(school.TeacherGridByNo(ayse)->open[CellIndex(5, 6) - 1], 0);
  EXPECT_EQ(school.ClassGridByNo(a9)->open[CellIndex(5, 6) - 1], 1);
  ASSERT_TRUE(ToggleClassCell(school, sel, CellIndex(2, 1)).done());  // opens again
  EXPECT_EQ(school.TeacherGridByNo(can)->open[CellIndex(2, 2) - 1], 1);
  EXPECT_EQ(ClassLesson(a9, 2, 1), physics);
  ExpectConsistent();
}

TEST_F(CommandsTest, RemovingATeacherTimetableKeepsClosedCells) {
  ASSERT_TRUE(ToggleTeacherLock(school, CellIndex(3, 1), ayse));
  EXPECT_TRUE(RemoveTeacherTimetable(school, ayse).done());
  EXPECT_EQ(school.TeacherGridByNo(ayse)->placedHours, 2);
  EXPECT_EQ(TeacherClass(ayse, 3, 2), a9);
  EXPECT_EQ(TeacherClass(ayse, 1, 1), 0);
  EXPECT_EQ(TeacherClass(can, 2, 1), 0);  // the shared FİZİK went for CAN too
  EXPECT_EQ(ClassLesson(a9, 5, 1), history);
  ExpectConsistent();
  EXPECT_EQ(RemoveTeacherTimetable(school, ayse).outcome, Outcome::kUnchanged);
}

TEST_F(CommandsTest, CancellingWithAndWithoutClearingClosedCells) {
  ASSERT_TRUE(ToggleTeacherLock(school, CellIndex(1, 1), ayse));
  School kept = school;
  Change c = CancelPlacements(kept, ResetOptions{});
  EXPECT_TRUE(c.done());
  EXPECT_EQ(c.files, TimetableFiles());
  EXPECT_EQ(kept.ClassGridByNo(a9)->occupant[CellIndex(1, 1) - 1], math);
  EXPECT_EQ(kept.TeacherGridByNo(ayse)->placedHours, 2);
  EXPECT_EQ(kept.TeacherGridByNo(can)->placedHours, 0);
  EXPECT_TRUE(CheckConsistency(kept).empty());
  c = CancelPlacements(school, ResetOptions{true, true});
  EXPECT_TRUE(c.done());
  EXPECT_EQ(school.TeacherGridByNo(ayse)->placedHours, 0);
  EXPECT_EQ(school.TeacherGridByNo(ayse)->open[0], 1);
  EXPECT_EQ(school.ClassGridByNo(a9)->freeHours, (DayBytes{6, 6, 6, 6, 6}));
  ExpectConsistent();
}

TEST_F(CommandsTest, LoadOverlayCountsTheTeachersOwnCellsAsClosed) {
  // CAN teaches only 9 A: his own lessons there (FİZİK 3 + TARİH 2) weigh on every
  // cell of 9 A's day.
  std::array<int, kCells> load = LoadOverlay(school, can);
  EXPECT_EQ(load[CellIndex(1, 1) - 1], 5);
  EXPECT_EQ(load[CellIndex(5, 6) - 1], 5);
  EXPECT_EQ(load[CellIndex(1, 7) - 1], 0);  // outside the day of 9 A
  // A closed cell of AYŞE adds her 9 A lessons (MATEMATİK 4, FİZİK 3, BEDEN 2) there.
  ASSERT_TRUE(ToggleTeacherLock(school, CellIndex(1, 5), ayse));
  load = LoadOverlay(school, can);
  EXPECT_EQ(load[CellIndex(1, 5) - 1], 14);
  EXPECT_EQ(load[CellIndex(1, 4) - 1], 5);
  // AYŞE also teaches 9 B, whose day runs to hour 8.
  load = LoadOverlay(school, ayse);
  EXPECT_GE(load[CellIndex(1, 8) - 1], 4);
  EXPECT_EQ(load[CellIndex(1, 9) - 1], 0);
}

}  // namespace
}  // namespace kalvodrin
