// Random sequences of timetable edits of every kind on the sample school and on a
// real one: each edit is a step of the history, the timetables stay consistent after
// every step and every undo, undoing all leaves the three timetable files byte for
// byte as they were, and redoing all gives the files as they were before the undo.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/snapshot.h"
#include "core/storage.h"
#include "engine/consistency.h"
#include "faulty_file_system.h"
#include "grid_image.h"
#include "scheduler/completion/completion.h"
#include "scheduler/placement_run.h"
#include "school_files.h"
#include "timetables/block_moves.h"
#include "timetables/drag_marks.h"
#include "timetables/edit_history.h"
#include "timetables/snapshot_commands.h"
#include "timetables/step_names.h"
#include "timetables/timetable_commands.h"

namespace kalvodrin {
namespace {

using testing::TempFolder;

// Stops a run after a few thousand search steps, so that the test stays short.
class ShortRun : public RunObserver {
 public:
  int OnSearchStep(const RunProgress&) override { return ++steps_ > 1500 ? 27 : 0; }

 private:
  long steps_ = 0;
};

std::vector<Bytes> TimetableFileBytes(const TempFolder& folder) {
  return {testing::ReadBytes(folder / "DUDIZIRZ.LOF"), testing::ReadBytes(folder / "DUDIZIRX.LOF"),
          testing::ReadBytes(folder / "DUDIZIRY.LOF")};
}

class Editor {
 public:
  Editor(School& school, FileSystem& disk, uint32_t seed)
      : school_(school), disk_(disk), rng_(seed) {}

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  int Cell() { return Pick(80) + 1; }

  const TTeacherLessonRec& AnyTeacherLesson() {
    return school_.TeacherLessons[static_cast<std::size_t>(Pick(
        static_cast<int>(school_.TeacherLessons.size())))];
  }
  TimetableSelection AnySelection(int cell) {
    const TTeacherLessonRec& tl = AnyTeacherLesson();
    const int room = school_.RoomGrids.empty()
                         ? 0
                         : school_.RoomGrids[static_cast<std::size_t>(
                                                 Pick(static_cast<int>(school_.RoomGrids.size())))]
                               .room;
    return TimetableSelection{tl.teacher, tl.classNo, tl.lesson, room, cell};
  }

  // A placed block of a class, dragged to the cell or swapped with another block of
  // its class.
  std::string Drag(int cell) {
    const TClassGridRec& c = school_.ClassGrids[static_cast<std::size_t>(
        Pick(static_cast<int>(school_.ClassGrids.size())))];
    const auto block = BlockAt(school_, GridKind::kClass, c.classNo, Cell());
    if (!block) return "drag of nothing";
    if (Pick(2) == 0) {
      // Aimed, as a hand would, at a cell the marks call green or yellow: the move
      // must then be made, as the marks promised.
      const auto marks = DragMarks(school_, *block).All();
      std::vector<int> open;
      for (int to = 1; to <= 80; ++to)
        if (marks[static_cast<std::size_t>(to - 1)].mark != DropMark::kNoFit) open.push_back(to);
      if (open.empty()) return "drag nowhere";
      const int to = open[static_cast<std::size_t>(Pick(static_cast<int>(open.size())))];
      const MoveOutcome moved = MoveBlock(school_, *block, to);
      EXPECT_TRUE(moved == MoveOutcome::kMoved || to == block->startCell ||
                  BlockLocked(school_, *block))
          << "a marked cell refused the block: " << to;
      return "drag";
    }
    if (const auto other = BlockAt(school_, GridKind::kClass, c.classNo, cell))
      SwapBlocks(school_, *block, *other);
    return "swap";
  }

  // One edit of a kind drawn at random; returns the step's name.
  std::string Edit() {
    const int cell = Cell();
    const TimetableSelection sel = AnySelection(cell);
    switch (Pick(15)) {
      case 12:
      case 13: return Drag(cell);
      case 14: {
        // A teacher's own settings, as ÖZEL AYARLAR stores them into the timetable record.
        TeacherRules& own = school_.TeacherGridByNo(sel.teacher)->special;
        own.maxHoursPerDay = static_cast<uint8_t>(1 + Pick(8));
        own.gapsAllowed = static_cast<uint8_t>(Pick(2));
        return "own settings";
      }
      case 0:
      case 1: TeacherCellCommand(school_, sel, cell); return "teacher cell";
      case 2:
      case 3: ClassCellCommand(school_, sel, cell); return "class cell";
      case 4: RoomCellCommand(school_, sel, cell); return "room cell";
      case 5:
        switch (Pick(3)) {
          case 0: ToggleTeacherCell(school_, sel, cell); break;
          case 1: ToggleClassCell(school_, sel, cell); break;
          default: ToggleRoomCell(school_, sel, cell); break;
        }
        return "lock";
      case 6: {
        ShortRun observer;
        PlacementRun run(school_, &observer);
        if (Pick(2) == 0)
          run.RunForTeacher(sel.teacher);
        else
          run.RunAtCell(sel.teacher, sel.classNo, sel.lesson, cell);
        return "run";
      }
      case 7: {
        // The slowest kind of edit: half as often as the others.
        if (Pick(2) == 0) return Drag(cell);
        CompletionOptions options;
        options.seed = static_cast<uint64_t>(Pick(1000) + 1);
        options.maxSteps = 100;
        options.timeLimitSeconds = 0.05;
        CompleteTimetable(school_, options);
        return "completion";
      }
      case 8:
        if (Pick(2) == 0) {
          EXPECT_TRUE(TakeSnapshot(school_, disk_));
          return "kept";
        }
        RestoreTimetables(school_);
        return "snapshot";
      case 9: RemoveTeacherTimetable(school_, sel.teacher); return "teacher program";
      case 10:
        if (Pick(8) == 0) {
          CancelPlacements(school_, ResetOptions{Pick(2) == 0, Pick(2) == 0});
          return "cancel";
        }
        [[fallthrough]];
      default: {
        ShortRun observer;
        PlacementRun run(school_, &observer);
        run.RunWholeSchool();
        return "whole run";
      }
    }
  }

 private:
  School& school_;
  FileSystem& disk_;
  std::mt19937 rng_;
};

void EditUndoRedo(const std::filesystem::path& source, uint32_t seed) {
  SCOPED_TRACE("seed " + std::to_string(seed) + " on " + source.filename().string());
  TempFolder folder;
  std::filesystem::copy(source, folder.path());
  for (const auto& f : std::filesystem::directory_iterator(folder.path()))
    std::filesystem::permissions(f.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
  auto school = testing::NewSchool(folder.path());
  ASSERT_TRUE(LoadSchool(*school));
  ASSERT_TRUE(CheckConsistency(*school).empty());
  const std::vector<Bytes> startFiles = TimetableFileBytes(folder);

  testing::FaultyFileSystem disk;  // fails nothing, and skips the flushes to disk
  EditHistory history;
  Editor editor(*school, disk, seed);
  std::vector<std::vector<uint8_t>> images{GridImage(*school)};
  int tries = 0;
  while (images.size() <= 200 && ++tries < 2000) {
    EditRecorder step(&history, *school);
    const std::string name = editor.Edit();
    if (!step.Commit(name, *school)) continue;
    images.push_back(GridImage(*school));
    const auto problems = CheckConsistency(*school);
    ASSERT_TRUE(problems.empty()) << name << ": " << problems.front();
  }
  ASSERT_EQ(images.size(), 201u) << "too few edits changed anything";
  ASSERT_TRUE(SaveFiles(*school, TimetableFiles(), disk));
  const std::vector<Bytes> editedFiles = TimetableFileBytes(folder);

  for (std::size_t k = images.size() - 1; k > 0; --k) {
    const HistoryResult r = history.Undo(*school, disk);
    ASSERT_TRUE(r.done()) << "undo " << k;
    // Each state undone to was checked consistent when the edits made it.
    ASSERT_EQ(GridImage(*school), images[k - 1]) << "undo of " << r.name;
  }
  EXPECT_FALSE(history.canUndo());
  EXPECT_EQ(TimetableFileBytes(folder), startFiles);

  while (history.canRedo()) ASSERT_TRUE(history.Redo(*school, disk).done());
  EXPECT_EQ(GridImage(*school), images.back());
  EXPECT_EQ(TimetableFileBytes(folder), editedFiles);
}

TEST(EditHistoryProperty, TwoHundredEditsOnTheSampleSchoolUndoAndRedoExactly) {
  EditUndoRedo(KALVODRIN_SAMPLE, 20261209);
}

TEST(EditHistoryProperty, TwoHundredEditsOnARealSchoolUndoAndRedoExactly) {
  EditUndoRedo(KALVODRIN_REAL_SCHOOL, 7);
}

}  // namespace
}  // namespace kalvodrin
