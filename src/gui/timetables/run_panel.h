#pragma once
// The run display of the teacher window: OtoPanel with the gauge and counters, the
// elapsed-time label, and the two keys of a running search, "&DERSİ ATLA" and
// "&DAĞITIMI DURDUR". As the run's observer it lets Qt handle pending events at most
// every few tens of milliseconds, never per search step, so that painting never
// dominates a run while the keys still reach it. What the window shows of a run
// changes only when the window gets to paint: a run shorter than that costs nothing
// on screen.

#include <QWidget>

#include <chrono>
#include <optional>

#include "core/school.h"
#include "scheduler/run_hand_over.h"
#include "scheduler/run_observer.h"
#include "scheduler/run_time_limits.h"

class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace kalvodrin {

class RunPanel : public QWidget, public RunObserver {
  Q_OBJECT

 public:
  RunPanel(const School& school, QWidget* parent = nullptr);

  // Starts a run. Nothing changes on screen yet: the first time the run lets Qt handle
  // its events, the panel shows, `display(true)` lets the window show that it is busy
  // (grid disabled, its buttons hidden) and the one-second timer starts, `tick` running
  // on every tick. A run that ends sooner was never seen, and leaves the window as it
  // was.
  // With `skipSeconds` above 0 a lesson attempt is skipped on its own after that much
  // processor time (halved for a lesson skipped before), as the command line does, and
  // the panel counts it down.
  // With a hand-over budget the run is stopped once it stalls (see RunHandOver), for the
  // completion search to go on from there; handedOver() tells that stop from the key's.
  void Begin(std::function<void(bool running)> display, std::function<void()> tick,
             double skipSeconds = 0, std::optional<HandOverBudget> handOver = std::nullopt);
  // Changes the skip allowance of the run under way (0 = none).
  void SetSkipSeconds(double skipSeconds);
  // Changes the hand-over of the run under way (none: the run is never handed over).
  void SetHandOver(std::optional<HandOverBudget> budget);
  // Ends the run: undoes what it showed.
  void End();
  bool running() const { return running_; }
  const RunProgress& progress() const { return progress_; }
  // Whether the run has shown itself.
  bool shown() const { return shown_; }
  // Skips and stops handed to the search since Begin.
  int skipsDelivered() const { return skips_; }
  int stopsDelivered() const { return stops_; }
  // Lesson attempts the panel skipped on its own since Begin.
  int autoSkips() const { return autoSkips_; }
  // Whether the run was stopped to hand over to the completion since Begin.
  bool handedOver() const { return handedOver_; }

  int OnSearchStep(const RunProgress& progress) override;
  void OnProgress(const RunProgress& progress) override;

  // What the two buttons do: the next search step sees the key.
  void Skip() { key_ = 13; }
  void Stop() { key_ = 27; }

  // How often a run lets Qt handle its events.
  static constexpr std::chrono::milliseconds kEventInterval{40};
  // Tests of runs shorter than the interval let the events in at the first step.
  void SetEventInterval(std::chrono::milliseconds interval) { eventInterval_ = interval; }

 private:
  void Reveal();
  // Makes the window tall enough for the panel's rows beside the rest of the window.
  void GrowWindowToFit();
  void ShowProgress();
  void ShowElapsed();
  QLabel* AddField(QGridLayout* grid, int row, int column, const char* label, const char* name);

  const School& school_;
  QLabel* teacherLabel_ = nullptr;  // "ADI SOYADI"
  QLabel* classLabel_ = nullptr;    // "DERSİN ADI": class and section
  QLabel* lessonLabel_ = nullptr;   //   and the lesson's name
  QLabel* weeklyLabel_ = nullptr;   // "HAFTALIK DERS SAATİ"
  QLabel* teacherTotal_ = nullptr;  // the teacher's "TOPLAM", "YERLEŞEN", "KALAN"
  QLabel* teacherPlaced_ = nullptr;
  QLabel* teacherLeft_ = nullptr;
  QLabel* levelLabel_ = nullptr;  // "ARAMA DÜZEYİ"
  QLabel* total_ = nullptr;       // the school's "TOPLAM", "YERLEŞEN", "KALAN"
  QLabel* placed_ = nullptr;
  QLabel* left_ = nullptr;
  QLabel* orderLabel_ = nullptr;      // "SIRA"
  QLabel* countdownLabel_ = nullptr;  // the skip allowance left
  QLabel* timeLabel_;
  QProgressBar* gauge_;
  QTimer* timer_;
  std::optional<RunTimeLimits> limits_;
  std::optional<RunHandOver> handOver_;
  std::function<void(bool)> display_;
  std::function<void()> tick_;
  RunProgress progress_;
  std::chrono::steady_clock::time_point lastEvents_;
  std::chrono::milliseconds eventInterval_ = kEventInterval;
  unsigned steps_ = 0;
  int key_ = 0;
  int skips_ = 0;
  int stops_ = 0;
  int autoSkips_ = 0;
  bool handedOver_ = false;
  bool running_ = false;
  bool shown_ = false;
};

}  // namespace kalvodrin
