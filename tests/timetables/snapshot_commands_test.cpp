#include <gtest/gtest.h>

#include "core/snapshot.h"
#include "engine/cascade.h"
#include "engine/consistency.h"
#include "school_files.h"
#include "timetable_school.h"
#include "timetables/snapshot_commands.h"
#include "timetables/timetable_commands.h"

namespace kalvodrin {
namespace {

class SnapshotCommandsTest : public ::testing::Test, public TimetableSchool {
 protected:
  SnapshotCommandsTest() { school.WorkFolder = folder.path(); }

  int ClassLesson(int classNo, int day, int hour) {
    return school.ClassGridByNo(classNo)->occupant[CellIndex(day, hour) - 1];
  }

  testing::TempFolder folder;
};

TEST_F(SnapshotCommandsTest, RestoreBringsBackTheKeptTimetablesAndRecounts) {
  // A stored total out of step, kept with the snapshot, is put right by the recount.
  school.TeacherGridByNo(can)->weeklyHours = 0;
  ASSERT_TRUE(TakeSnapshot(school).ok());
  const auto kept = school.TeacherGridByNo(ayse)->occupant;
  // MATEMATİK moves from Monday to Thursday by hand, the last FİZİK hour is placed.
  ASSERT_TRUE(TeacherCellCommand(school, Select(ayse, a9, math), CellIndex(1, 1)).done());
  ASSERT_TRUE(TeacherCellCommand(school, Select(ayse, a9, math), CellIndex(4, 3)).done());
  ASSERT_TRUE(TeacherCellCommand(school, Select(ayse, a9, physics), CellIndex(1, 5)).done());

  const SnapshotRestore r = RestoreTimetables(school);
  ASSERT_TRUE(r.read.ok());
  EXPECT_TRUE(r.change.done());
  EXPECT_EQ(r.change.files, TimetableFiles());
  EXPECT_EQ(ClassLesson(a9, 1, 1), math);
  EXPECT_EQ(ClassLesson(a9, 4, 3), 0);
  EXPECT_EQ(ClassLesson(a9, 1, 5), 0);
  EXPECT_EQ(school.TeacherGridByNo(ayse)->occupant, kept);
  EXPECT_EQ(school.TeacherGridByNo(can)->weeklyHours, 5);
  EXPECT_TRUE(CheckConsistency(school).empty());
}

TEST_F(SnapshotCommandsTest, WithoutASnapshotNothingMoves) {
  const auto before = school.ClassGridByNo(a9)->occupant;
  const SnapshotRestore r = RestoreTimetables(school);
  EXPECT_TRUE(r.read.ok());
  EXPECT_TRUE(r.change.done());  // the files are rewritten all the same
  EXPECT_EQ(school.ClassGridByNo(a9)->occupant, before);
}

TEST_F(SnapshotCommandsTest, ASnapshotThatNoLongerFitsTheLessonsIsRefusedWhole) {
  ASSERT_TRUE(TakeSnapshot(school).ok());
  // TARİH is taken from CAN after the snapshot: its kept hours have no teacher now.
  DeleteClassLesson(school, a9, history);
  CountAllHours(school);
  ASSERT_TRUE(CheckConsistency(school).empty());
  ASSERT_TRUE(TeacherCellCommand(school, Select(ayse, a9, physics), CellIndex(1, 5)).done());
  const auto canCells = school.TeacherGridByNo(can)->occupant;
  const auto open = school.ClassGridByNo(a9)->open;

  const SnapshotRestore r = RestoreTimetables(school);
  EXPECT_TRUE(r.read.ok());
  EXPECT_EQ(r.change.outcome, Outcome::kSnapshotMismatch);
  EXPECT_FALSE(r.problem.empty());
  EXPECT_EQ(ClassLesson(a9, 1, 5), physics);  // the edits since stay
  EXPECT_EQ(ClassLesson(a9, 5, 1), 0);
  EXPECT_EQ(school.TeacherGridByNo(can)->occupant, canCells);
  EXPECT_EQ(school.ClassGridByNo(a9)->open, open);
  EXPECT_TRUE(CheckConsistency(school).empty());
}

TEST_F(SnapshotCommandsTest, AnUnreadableSnapshotChangesNothing) {
  ASSERT_TRUE(TakeSnapshot(school).ok());
  ASSERT_TRUE(TeacherCellCommand(school, Select(ayse, a9, math), CellIndex(1, 1)).done());
  // A folder where the classroom file should be cannot be read as a file.
  std::filesystem::remove(folder.path() / "DUDIZIRY.OLD");
  std::filesystem::create_directory(folder.path() / "DUDIZIRY.OLD");
  const SnapshotRestore r = RestoreTimetables(school);
  EXPECT_FALSE(r.read.ok());
  EXPECT_FALSE(r.change.done());
  EXPECT_EQ(ClassLesson(a9, 1, 1), 0);
}

}  // namespace
}  // namespace kalvodrin
