#include "timetables/edit_history.h"

#include <cstring>
#include <utility>

#include "core/storage.h"
#include "timetables/timetable_commands.h"

namespace kalvodrin {
namespace {

template <typename Rec>
bool SameBytes(const Rec& a, const Rec& b) {
  return std::memcmp(&a, &b, sizeof(Rec)) == 0;
}

template <typename Rec>
std::vector<RecordEdit<Rec>> Differences(const std::vector<Rec>& before,
                                         const std::vector<Rec>& after) {
  std::vector<RecordEdit<Rec>> edits;
  for (std::size_t i = 0; i < before.size(); ++i)
    if (!SameBytes(before[i], after[i])) edits.push_back({i, before[i], after[i]});
  return edits;
}

// Each record the step names must hold the bytes the step left (undo) or found
// (redo); anything else means the timetables changed outside the history.
template <typename Rec, typename List>
bool Holds(const List& list, std::size_t count, const std::vector<RecordEdit<Rec>>& edits,
           bool undo) {
  if (list.size() != count) return false;
  for (const RecordEdit<Rec>& e : edits)
    if (!SameBytes(list[e.index], undo ? e.after : e.before)) return false;
  return true;
}

template <typename Rec, typename List>
void Put(List& list, const std::vector<RecordEdit<Rec>>& edits, bool undo) {
  for (const RecordEdit<Rec>& e : edits) list[e.index] = undo ? e.before : e.after;
}

bool StepHolds(const School& school, const EditStep& s, bool undo) {
  return Holds(school.TeacherGrids, s.teacherCount, s.teachers, undo) &&
         Holds(school.ClassGrids, s.classCount, s.classes, undo) &&
         Holds(school.RoomGrids, s.roomCount, s.rooms, undo);
}

void PutStep(School& school, const EditStep& s, bool undo) {
  Put(school.TeacherGrids, s.teachers, undo);
  Put(school.ClassGrids, s.classes, undo);
  Put(school.RoomGrids, s.rooms, undo);
  school.ReindexTeacherGrids();
  school.ReindexClassGrids();
  school.ReindexRoomGrids();
}

}  // namespace

TimetableImage CaptureTimetables(const School& school) {
  return TimetableImage{{school.TeacherGrids.begin(), school.TeacherGrids.end()},
                        {school.ClassGrids.begin(), school.ClassGrids.end()},
                        {school.RoomGrids.begin(), school.RoomGrids.end()}};
}

bool EditHistory::Record(std::string name, const TimetableImage& before, const School& after) {
  if (before.teachers.size() != after.TeacherGrids.size() ||
      before.classes.size() != after.ClassGrids.size() ||
      before.rooms.size() != after.RoomGrids.size())
    return false;
  EditStep step{std::move(name),
                before.teachers.size(),
                before.classes.size(),
                before.rooms.size(),
                Differences<TTeacherGridRec>(before.teachers, after.TeacherGrids),
                Differences<TClassGridRec>(before.classes, after.ClassGrids),
                Differences<TRoomGridRec>(before.rooms, after.RoomGrids)};
  if (step.teachers.empty() && step.classes.empty() && step.rooms.empty()) return false;
  // A new change after undo: the steps undone can no longer be made again.
  steps_.resize(steps_.size() - undone_);
  undone_ = 0;
  steps_.push_back(std::move(step));
  if (steps_.size() > kMaxSteps) steps_.pop_front();
  return true;
}

std::string EditHistory::undoName() const {
  return canUndo() ? steps_[steps_.size() - undone_ - 1].name : std::string();
}

std::string EditHistory::redoName() const {
  return canRedo() ? steps_[steps_.size() - undone_].name : std::string();
}

HistoryResult EditHistory::Undo(School& school, FileSystem& disk) {
  return Move(school, disk, true);
}

HistoryResult EditHistory::Redo(School& school, FileSystem& disk) {
  return Move(school, disk, false);
}

HistoryResult EditHistory::Move(School& school, FileSystem& disk, bool undo) {
  if (undo ? !canUndo() : !canRedo()) return {};
  const std::size_t at = undo ? steps_.size() - undone_ - 1 : steps_.size() - undone_;
  const EditStep& step = steps_[at];
  HistoryResult result{HistoryOutcome::kDone, step.name, Status::Ok()};
  if (!StepHolds(school, step, undo)) {
    Clear();
    result.outcome = HistoryOutcome::kChangedElsewhere;
    return result;
  }
  PutStep(school, step, undo);
  if (Status saved = SaveFiles(school, TimetableFiles(), disk); !saved) {
    PutStep(school, step, !undo);
    result.outcome = HistoryOutcome::kSaveFailed;
    result.save = saved;
    return result;
  }
  if (undo)
    ++undone_;
  else
    --undone_;
  return result;
}

void EditHistory::Clear() {
  steps_.clear();
  undone_ = 0;
}

EditRecorder::EditRecorder(EditHistory* history, const School& school) : history_(history) {
  if (history_ != nullptr) before_ = CaptureTimetables(school);
}

bool EditRecorder::Commit(std::string name, const School& school) {
  return history_ != nullptr && history_->Record(std::move(name), before_, school);
}

}  // namespace kalvodrin
