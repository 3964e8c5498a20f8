#pragma once
// The edit history of the timetables: every change the user makes to them while the
// program runs (an hour placed or removed, a cell closed, a block dragged, a run, a
// completion, a snapshot put back, the placements cancelled) is one step that can be
// taken back and made again. A step keeps the timetable records it changed as they
// were before and after, whole, so undo and redo put back every byte of the three
// timetable files, counters included. One history serves every window of a school.

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "core/file_system.h"
#include "core/school.h"
#include "core/status.h"

namespace kalvodrin {

// The three timetable collections as they stand, record by record.
struct TimetableImage {
  std::vector<TTeacherGridRec> teachers;
  std::vector<TClassGridRec> classes;
  std::vector<TRoomGridRec> rooms;
};
TimetableImage CaptureTimetables(const School& school);

template <typename Rec>
struct RecordEdit {
  std::size_t index = 0;  // position in the collection
  Rec before{};
  Rec after{};
};

// What one step changed: the records that differ, and the collection sizes it was
// made on (a step never adds or removes a timetable).
struct EditStep {
  std::string name;  // UTF-8, "9-A MATEMATİK, Salı 3. saat"
  std::size_t teacherCount = 0, classCount = 0, roomCount = 0;
  std::vector<RecordEdit<TTeacherGridRec>> teachers;
  std::vector<RecordEdit<TClassGridRec>> classes;
  std::vector<RecordEdit<TRoomGridRec>> rooms;
};

enum class HistoryOutcome {
  kDone,
  kNothing,           // no step to undo or redo
  kChangedElsewhere,  // the timetables are no longer as the step left them (a deletion
                      // of master data, a restored backup); the history is emptied
  kSaveFailed,        // the files could not be written; memory and history as before
};

struct HistoryResult {
  HistoryOutcome outcome = HistoryOutcome::kNothing;
  std::string name;  // the step undone or redone
  Status save = Status::Ok();

  bool done() const { return outcome == HistoryOutcome::kDone; }
};

class EditHistory {
 public:
  // Enough for a long session of editing by hand; a step of a whole run on a large
  // school keeps a few hundred kilobytes at most.
  static constexpr std::size_t kMaxSteps = 250;

  // Records the change from `before` to the school's timetables as they are now as one
  // step; the oldest step goes when kMaxSteps are kept. Steps that could be redone are
  // dropped. False, nothing recorded, when nothing changed or the collections grew or
  // shrank in between.
  bool Record(std::string name, const TimetableImage& before, const School& after);

  bool canUndo() const { return undone_ < steps_.size(); }
  bool canRedo() const { return undone_ > 0; }
  // The step the next undo or redo concerns; empty when there is none.
  std::string undoName() const;
  std::string redoName() const;
  std::size_t size() const { return steps_.size(); }

  // Puts the timetables back as they were before the newest step kept (undo) or makes
  // the step undone last again (redo), then writes the three timetable files all or
  // nothing. A failed save leaves the school, the files and the history as they were.
  HistoryResult Undo(School& school, FileSystem& disk);
  HistoryResult Redo(School& school, FileSystem& disk);

  void Clear();

 private:
  HistoryResult Move(School& school, FileSystem& disk, bool undo);

  std::deque<EditStep> steps_;  // oldest first
  std::size_t undone_ = 0;      // steps at the end that were undone
};

// Records one change: takes the timetables when made, records the step when Commit is
// called. With no history it records nothing.
class EditRecorder {
 public:
  EditRecorder(EditHistory* history, const School& school);
  bool Commit(std::string name, const School& school);

 private:
  EditHistory* history_;
  TimetableImage before_;
};

}  // namespace kalvodrin
