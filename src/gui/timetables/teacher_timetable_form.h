#pragma once
// TOgrPrgForm ("ÖĞRETMENLERE GÖRE DERS PROGRAMI"): one teacher's timetable, edited by
// hand cell by cell, and the window every automatic run is started and watched from.
// The teacher, lesson and cell chosen here are what its painter and commands read;
// the timetables are written when the window closes or on F4.

#include <functional>
#include <memory>
#include <optional>

#include "gui/timetables/timetable_window.h"
#include "scheduler/completion/completion.h"
#include "scheduler/placement_run.h"
#include "scheduler/run_hand_over.h"
#include "scheduler/run_preferences.h"
#include "timetables/timetable_commands.h"

class QLabel;
class QPushButton;

namespace kalvodrin {

class RunPanel;
class TSnfPrgForm;
class TAyarlarForm;
class TNewLFForm;
class TOzelForm;

class TOgrPrgForm : public TimetableWindow {
  Q_OBJECT

 public:
  TOgrPrgForm(AppContext context, TSnfPrgForm& classWindow, QWidget* parent = nullptr);

  void Activate() override;
  bool overlayShown() const { return overlay_; }
  bool running() const;

  // The commands of this window, for the buttons, keys and menus, beside the ones
  // every timetable window has.
  void ShowOverlay();
  void ShowHelp();
  void RemoveProgram();
  void Save();
  void HandToClassWindow();
  void KeepSnapshot();
  void UndoChanges();
  // The whole-school run; unless the run preferences turn them off, a lesson attempt is
  // skipped on its own after the command line's learning allowance, and a run that
  // ends by itself with hours left goes on with the completion search (lastCompletion
  // then tells what it did; its `total` is 0 when it did not run). With both on, the
  // run hands over to the completion as soon as it stalls (handedOver()).
  RunOutcome RunWholeSchool();
  RunOutcome RunForTeacher();
  RunOutcome RunHere();
  // "KALANLARI YERLEŞTİR": the completion search places what the runs left, with the
  // same panel, skip and stop; shown while hours are left to place.
  CompletionOutcome CompleteRest();
  void ShowChanged();
  void OpenGeneralSettings();
  void OpenTeacherSettings();
  void OpenPlacementStyle();
  TAyarlarForm& generalSettings() const { return *generalSettings_; }

  // The duty window of a teacher (Enter or a double click in the teacher list); the
  // duty area gives it when it is there.
  void SetDutyOpener(std::function<void(int teacher)> opener) { dutyOpener_ = std::move(opener); }

  const RunOutcome& lastRun() const { return lastRun_; }
  const CompletionOutcome& lastCompletion() const { return lastCompletion_; }
  // Whether the last whole-school run gave way to the completion when it stalled.
  bool handedOver() const { return handedOver_; }
  // The completion's seed; 0 (the default): a fresh one each time.
  void SetCompletionSeed(uint64_t seed) { completionSeed_ = seed; }
  // The skip allowance of a lesson's first attempt when the preferences ask for one;
  // tests shorten it.
  void SetSkipSeconds(double seconds) { skipSeconds_ = seconds; }
  // When a whole-school run with the completion after it gives way; tests change it.
  void SetHandOverBudget(HandOverBudget budget) { handOverBudget_ = budget; }
  // Whether a run ends with its notice (the default); measurements turn it off.
  void SetRunNotices(bool shown) { runNotices_ = shown; }
  RunPanel& panel() const { return *panel_; }
  // The run preferences of the working folder, read afresh for every run.
  RunPreferences runPreferences() const;

 protected:
  bool locked() const override { return running(); }
  void SelectionRead() override;
  CellPaint Paint(int row, int column) const override;

 private:
  void ShowCounters();
  RunOutcome Run(const char* name, const std::function<RunOutcome(PlacementRun&)>& run);
  // Does the work with the run display up, as one step of the edit history named
  // `name`, then shows what it changed; `skipSeconds` is the skip allowance (0 = none).
  void Busy(const char* name, const std::function<void()>& work, double skipSeconds = 0,
            std::optional<HandOverBudget> handOver = std::nullopt);
  void SetRunning(bool running, double skipSeconds = 0,
                  std::optional<HandOverBudget> handOver = std::nullopt);
  void ShowBusy(bool busy);

  TSnfPrgForm& classWindow_;
  RunPanel* panel_;
  QLabel* morning_;
  QLabel* afternoon_;
  QLabel* total_;
  QLabel* remaining_;
  QLabel* lessonRemaining_;
  std::array<int, 80> load_{};
  bool overlay_ = false;
  bool runNotices_ = true;
  RunOutcome lastRun_;
  CompletionOutcome lastCompletion_;
  bool handedOver_ = false;
  HandOverBudget handOverBudget_;
  uint64_t completionSeed_ = 0;
  double skipSeconds_ = kRunSkipSeconds;
  QPushButton* completeBtn_;
  std::function<void(int)> dutyOpener_;
  // Windows of their own, outside this window's children so that their controls'
  // names never shadow this window's own.
  std::shared_ptr<TAyarlarForm> generalSettings_;
  std::shared_ptr<TOzelForm> teacherSettings_;
  std::shared_ptr<TNewLFForm> placementStyle_;
};

}  // namespace kalvodrin
