// The edit history: steps taken back and made again byte for byte, the redo steps a
// new change drops, the oldest step going at the limit, a step refused when the
// timetables changed outside the history, and a failed save that changes nothing.

#include <gtest/gtest.h>

#include <string>

#include "core/storage.h"
#include "faulty_file_system.h"
#include "grid_image.h"
#include "school_files.h"
#include "timetable_school.h"
#include "timetables/edit_history.h"
#include "timetables/step_names.h"
#include "timetables/timetable_commands.h"

namespace kalvodrin {
namespace {

using testing::TempFolder;

struct HistorySchool : TimetableSchool {
  HistorySchool() { school.WorkFolder = folder.path().string(); }

  // Removes the hour at the cell of 9 A (or places the selected lesson) as one step.
  bool Edit(int lesson, int cell) {
    EditRecorder step(&history, school);
    ClassCellCommand(school, Select(ayse, a9, lesson), cell);
    return step.Commit("edit " + std::to_string(cell), school);
  }

  TempFolder folder;
  testing::FaultyFileSystem disk;  // fails nothing, and skips the flushes to disk
  EditHistory history;
};

TEST(EditHistory, UndoAndRedoRestoreEveryByteAndSaveTheFiles) {
  HistorySchool h;
  const auto start = GridImage(h.school);
  ASSERT_TRUE(h.Edit(h.math, 1));  // removes MATEMATİK's first hour
  const auto afterFirst = GridImage(h.school);
  ASSERT_TRUE(h.Edit(h.physics, 50));  // FİZİK's third hour on Thursday 2
  const auto afterSecond = GridImage(h.school);
  EXPECT_FALSE(h.Edit(h.math, 80));  // outside the class's day: no step
  EXPECT_EQ(h.history.size(), 2u);
  EXPECT_EQ(h.history.undoName(), "edit 50");

  EXPECT_TRUE(h.history.Undo(h.school, h.disk).done());
  EXPECT_EQ(GridImage(h.school), afterFirst);
  // The undo was written: the files hold what memory holds.
  auto loaded = testing::NewSchool(h.folder.path());
  ASSERT_TRUE(LoadSchool(*loaded));
  EXPECT_EQ(GridImage(*loaded), afterFirst);

  EXPECT_TRUE(h.history.Undo(h.school, h.disk).done());
  EXPECT_EQ(GridImage(h.school), start);
  EXPECT_FALSE(h.history.canUndo());
  EXPECT_EQ(h.history.Undo(h.school, h.disk).outcome, HistoryOutcome::kNothing);
  EXPECT_EQ(h.history.redoName(), "edit 1");

  EXPECT_TRUE(h.history.Redo(h.school, h.disk).done());
  EXPECT_TRUE(h.history.Redo(h.school, h.disk).done());
  EXPECT_EQ(GridImage(h.school), afterSecond);
  EXPECT_FALSE(h.history.canRedo());

  // A new change after an undo drops what could have been redone.
  EXPECT_TRUE(h.history.Undo(h.school, h.disk).done());
  EXPECT_TRUE(h.history.canRedo());
  ASSERT_TRUE(h.Edit(h.math, 2));
  EXPECT_FALSE(h.history.canRedo());
  EXPECT_EQ(h.history.size(), 2u);
}

TEST(EditHistory, KeepsTheNewestStepsUpToItsLimit) {
  HistorySchool h;
  // Each toggle of a free cell is a step of its own.
  const auto toggle = [&h](int cell) {
    EditRecorder step(&h.history, h.school);
    ToggleClassCell(h.school, h.Select(h.ayse, h.a9, h.math), cell);
    return step.Commit(CellStepName(cell), h.school);
  };
  const auto start = GridImage(h.school);
  for (std::size_t i = 0; i < EditHistory::kMaxSteps; ++i) ASSERT_TRUE(toggle(60));
  EXPECT_EQ(h.history.size(), EditHistory::kMaxSteps);
  std::size_t undone = 0;
  while (h.history.Undo(h.school, h.disk).done()) ++undone;
  EXPECT_EQ(undone, EditHistory::kMaxSteps);
  EXPECT_EQ(GridImage(h.school), start);

  while (h.history.Redo(h.school, h.disk).done()) {
  }
  const auto beforeOneMore = GridImage(h.school);
  ASSERT_TRUE(toggle(61));  // one past the limit: the oldest step goes
  EXPECT_EQ(h.history.size(), EditHistory::kMaxSteps);
  undone = 0;
  while (h.history.Undo(h.school, h.disk).done()) ++undone;
  EXPECT_EQ(undone, EditHistory::kMaxSteps);
  EXPECT_NE(GridImage(h.school), start);  // the first toggle stays
  EXPECT_NE(GridImage(h.school), beforeOneMore);
}

TEST(EditHistory, ChangesMadeOutsideTheHistoryEmptyItInsteadOfBeingOverwritten) {
  HistorySchool h;
  ASSERT_TRUE(h.Edit(h.math, 1));
  ASSERT_TRUE(h.Edit(h.math, 2));
  // A change the history did not see (as a deletion's cascade would make).
  ClassCellCommand(h.school, h.Select(h.ayse, h.a9, h.math), 17);
  const auto now = GridImage(h.school);
  const HistoryResult r = h.history.Undo(h.school, h.disk);
  EXPECT_EQ(r.outcome, HistoryOutcome::kChangedElsewhere);
  EXPECT_EQ(r.name, "edit 2");
  EXPECT_EQ(GridImage(h.school), now);
  EXPECT_FALSE(h.history.canUndo());

  // A timetable added since (a new teacher) makes the sizes differ: no step at all.
  TimetableImage before = CaptureTimetables(h.school);
  before.teachers.pop_back();
  EXPECT_FALSE(h.history.Record("grown", before, h.school));
}

TEST(EditHistory, AFailedSaveLeavesMemoryFilesAndHistoryAsTheyWere) {
  HistorySchool h;
  ASSERT_TRUE(SaveFiles(h.school, TimetableFiles(), h.disk));
  ASSERT_TRUE(h.Edit(h.math, 1));
  const auto edited = GridImage(h.school);
  const auto fileBefore = testing::ReadBytes(h.folder / "DUDIZIRX.LOF");
  for (int failAt = 0; failAt <= 5; ++failAt) {
    testing::FaultyFileSystem faulty(failAt);
    const HistoryResult r = h.history.Undo(h.school, faulty);
    EXPECT_EQ(r.outcome, HistoryOutcome::kSaveFailed) << failAt;
    EXPECT_FALSE(r.save.ok());
    EXPECT_EQ(GridImage(h.school), edited);
    EXPECT_EQ(testing::ReadBytes(h.folder / "DUDIZIRX.LOF"), fileBefore);
    EXPECT_TRUE(h.history.canUndo());
    EXPECT_FALSE(h.history.canRedo());
  }
  EXPECT_TRUE(h.history.Undo(h.school, h.disk).done());
}

TEST(StepNames, NameTheClassLessonAndTheHourAsAPersonWould) {
  TimetableSchool t;
  EXPECT_EQ(LessonStepName(t.school, t.a9, t.math, 19), "9-A MATEMATİK, Salı 3. saat");
  EXPECT_EQ(CellStepName(1), "Pazartesi 1. saat");
  EXPECT_EQ(CellStepName(80), "Cuma 16. saat");
  EXPECT_EQ(CellStepName(0), "");
  EXPECT_EQ(CellStepName(81), "");
  EXPECT_EQ(LessonStepName(t.school, 200, 0, 0), "? ?");
}

}  // namespace
}  // namespace kalvodrin
