#include "scheduler/placement_run.h"

#include "core/cells.h"
#include "core/ordering.h"
#include "engine/counts.h"
#include "engine/teacher_preparation.h"
#include "scheduler/block_sizes.h"
#include "scheduler/relaxation.h"

namespace kalvodrin {

namespace {

// Block alignment only makes sense when every class day ends at a block boundary.
bool AllDaysEndAtSixOrTwelve(const School& school) {
  for (const TClassGridRec& grid : school.ClassGrids)
    for (uint8_t last : grid.lastHour)
      if (last != 6 && last != 12) return false;
  return true;
}

}  // namespace

PlacementRun::PlacementRun(School& school, RunObserver* observer)
    : school_(school),
      observer_(observer),
      search_(school, state_, progress_, observer),
      stored_(school.Settings) {}

void PlacementRun::ReloadSettings() {
  if (loader_)
    loader_(school_.Settings);
  else
    school_.Settings = stored_;
}

void PlacementRun::TakeStoredSettings() {
  if (!loader_) stored_ = school_.Settings;
}

RunOutcome PlacementRun::RunWholeSchool() {
  TakeStoredSettings();
  ReloadSettings();
  if (std::optional<ClassCheckFailure> failure = CheckClassRoom(school_)) {
    RunOutcome outcome;
    outcome.notice = failure->notice;
    outcome.refused = std::move(failure);
    return outcome;
  }
  PrepareAllTeachers(school_);
  StartRun(true);
  state_.stopKey = kNoStop;
  SortTeachersForRun(school_);
  state_.relaxPasses = 0;
  PassSet();
  // The rules read the teachers' prepared values, so every relaxation is followed by
  // a preparation before the pass set that is to use it.
  while (state_.stopKey != kStopRun &&
         RelaxationStep(school_.Settings, state_.relaxPasses,
                        state_.placed == state_.total)) {
    PrepareAllTeachers(school_);
    PassSet();
  }
  RunOutcome outcome = EndRun();
  ReloadSettings();
  SortTeachers(school_);
  return outcome;
}

RunOutcome PlacementRun::RunForTeacher(int teacher) {
  TakeStoredSettings();
  ReloadSettings();
  PrepareTeacher(school_, teacher);
  state_.relaxPasses = 0;
  StartRun(true);
  state_.sharedFirst = false;
  ReloadSettings();
  // Down to element 0, which is 0: the last pass admits blocks of every size.
  for (state_.sizeRound = static_cast<int>(state_.blockSizes.size()) - 1;
       state_.sizeRound >= 0 && state_.stopKey != kStopRun; --state_.sizeRound)
    TeacherPass(teacher);
  RunOutcome outcome = EndRun();
  ReloadSettings();
  return outcome;
}

RunOutcome PlacementRun::RunAtCell(int teacher, int classNo, int lesson, int cell) {
  // Without its usable hours the teacher of a school never run before could not be
  // given the lesson anywhere.
  TakeStoredSettings();
  ReloadSettings();
  PrepareTeacher(school_, teacher);
  StartRun(false);
  ShowTeacher(teacher);
  ShowLesson(classNo, lesson);
  state_.sharedFirst = false;
  state_.searchLevel = 0;
  state_.targetCell = IsCell(cell) ? cell : 0;
  state_.sizeRound = 1;
  state_.rulesFromSettings = true;
  if (state_.targetCell != 0) {
    do {
      ++state_.searchLevel;
      progress_.searchLevel = state_.searchLevel;
      for (int subPass = 1; subPass <= 2 && state_.stopKey != kStopRun; ++subPass) {
        state_.subPass = subPass;
        LessonAttempt(teacher, classNo, lesson);
      }
    } while (state_.stopKey != kStopRun && state_.searchLevel < school_.Settings.searchLevel);
  }
  RunOutcome outcome = EndRun();
  // A split made during the search switched a setting off in memory only.
  ReloadSettings();
  return outcome;
}

void PlacementRun::StartRun(bool restoreBlockAlign) {
  progress_ = RunProgress{};
  progress_.started = std::chrono::steady_clock::now();
  state_.stopKey = kNoStop;
  state_.currentCell = 1;
  progress_.currentCell = 1;
  state_.blockSizes = BlockSizes(school_);
  state_.blockAlign = AllDaysEndAtSixOrTwelve(school_) ? school_.Settings.alignedBlocks : 0;
  state_.blockSplits = 0;
  const PlacementTotals totals = CountTotals(school_);
  state_.total = totals.toPlace;
  state_.placed = totals.placed;
  Report();
  ReloadSettings();
  const int blockAlign = state_.blockAlign;
  PlaceGuidanceHours();
  // The guidance hours are placed at fixed cells, which switches block alignment off;
  // only the targeted run, where the user chose the cell, keeps it off.
  if (restoreBlockAlign) state_.blockAlign = blockAlign;
}

RunOutcome PlacementRun::EndRun() {
  RunOutcome outcome;
  outcome.total = state_.total;
  outcome.placed = state_.placed;
  outcome.stopped = state_.stopKey == kStopRun && state_.targetCell == 0;
  // Placing and preparing write the timetables only: the settings relaxed on the way
  // are reloaded, and the teacher order is restored.
  outcome.files = {DataFile::kTeacherGrids, DataFile::kClassGrids, DataFile::kRoomGrids};
  outcome.notice =
      outcome.placed == outcome.total
          ? "Tebrikler dersleri yerleştirdiniz."
          : "Yerleşmeyen " + std::to_string(outcome.unplaced()) + " öğretmen saati kaldı.";
  return outcome;
}

void PlacementRun::PlaceGuidanceHours() {
  const int guidance = school_.Settings.guidanceLesson;
  if (guidance == 0) return;
  for (const TTeacherLessonRec& entry : school_.TeacherLessons)
    if (entry.lesson == guidance) PlaceGuidanceHour(entry);
}

// The guidance hour goes to the fixed hour of the class's shift, and its cells are
// closed so that nothing later moves it.
void PlacementRun::PlaceGuidanceHour(const TTeacherLessonRec& entry) {
  const TClassGridRec* cls = school_.ClassGridByNo(entry.classNo);
  if (cls == nullptr) return;
  const TSettingsRec& s = school_.Settings;
  const bool afternoon = IsAfternoonClass(*cls);
  const int day = afternoon ? s.guidanceDayAfternoon : s.guidanceDayMorning;
  const int hour = afternoon ? s.guidanceHourAfternoon : s.guidanceHourMorning;
  state_.targetCell = day >= 1 && day <= kDays && hour >= 1 && hour <= kHoursPerDay
                          ? CellIndex(day, hour) : 0;
  state_.searchLevel = 2;
  state_.subPass = 2;
  state_.rulesFromSettings = false;
  state_.sharedFirst = false;
  state_.sizeRound = 1;
  if (PlacedHours(school_, entry.classNo, entry.lesson) > 0 || state_.targetCell == 0)
    return;
  int length = 0;
  if (!PlacementTry(entry.classNo, entry.lesson, length)) return;
  const std::size_t at = static_cast<std::size_t>(state_.targetCell - 1);
  if (TTeacherGridRec* teacher = school_.TeacherGridByNo(entry.teacher))
    teacher->open[at] = 0;
  school_.ClassGridByNo(entry.classNo)->open[at] = 0;
}

}  // namespace kalvodrin
