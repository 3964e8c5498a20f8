#pragma once
// The automatic placement runs: the whole school ("DERS DAĞITIMI YAP"), one teacher
// ("ÖĞRETMEN PRG. YAP") and one lesson at one cell ("BURAYA YERLEŞTİR"). A run hands
// the placement search one block at a time: teachers in run order, block sizes from
// the longest down, search levels from the strict ones up, two sub-passes, and, for
// the whole school, further pass sets with one setting relaxed at a time.

#include <functional>
#include <optional>
#include <string>

#include "core/data_files.h"
#include "core/school.h"
#include "scheduler/placement_search.h"
#include "scheduler/run_checks.h"
#include "scheduler/run_observer.h"
#include "scheduler/run_state.h"

namespace kalvodrin {

struct RunOutcome {
  // Set when the class check refused to start the run; nothing was changed then.
  std::optional<ClassCheckFailure> refused;
  int total = 0;   // hours of the whole school to place
  int placed = 0;  // of those, placed
  bool stopped = false;  // the run ended on the stop key
  // The closing notice, UTF-8: "Tebrikler dersleri yerleştirdiniz.",
  // "Yerleşmeyen N öğretmen saati kaldı." or the class check's text.
  std::string notice;
  // The data files the run changed, to be saved together; empty when it was refused.
  FileSet files;

  int unplaced() const { return total - placed; }
};

class PlacementRun {
 public:
  // `observer` may be null. Unless a loader is set, the settings record as it is when
  // a run starts stands for the stored settings that the run reloads: the settings
  // windows save every change at once, so the two are the same then.
  explicit PlacementRun(School& school, RunObserver* observer = nullptr);

  // Reloads the stored settings into the record it is given (for instance from the
  // working folder's settings file).
  void SetSettingsLoader(std::function<void(TSettingsRec&)> loader) {
    loader_ = std::move(loader);
  }

  RunOutcome RunWholeSchool();
  RunOutcome RunForTeacher(int teacher);
  // Places the next block of the teacher's lesson in the class at `cell` only.
  RunOutcome RunAtCell(int teacher, int classNo, int lesson, int cell);

  const RunState& state() const { return state_; }

 private:
  void TakeStoredSettings();
  void ReloadSettings();
  void StartRun(bool restoreBlockAlign);
  RunOutcome EndRun();
  void PlaceGuidanceHours();
  void PlaceGuidanceHour(const TTeacherLessonRec& entry);
  void PassSet();
  void Sweep();
  void TeacherPass(int teacher);
  void LessonAttempt(int teacher, int classNo, int lesson);
  bool PlacementTry(int classNo, int lesson, int& length);
  void ShowTeacher(int teacher);
  void ShowLesson(int classNo, int lesson);
  void Report();

  School& school_;
  RunObserver* observer_;
  RunState state_;
  RunProgress progress_;
  PlacementSearch search_;
  TSettingsRec stored_;
  std::function<void(TSettingsRec&)> loader_;
};

}  // namespace kalvodrin
