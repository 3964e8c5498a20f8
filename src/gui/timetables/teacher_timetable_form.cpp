#include "gui/timetables/teacher_timetable_form.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <random>

#include "core/snapshot.h"
#include "engine/counts.h"
#include "gui/common/apply_change.h"
#include "gui/common/focus_return.h"
#include "gui/common/help_window.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/timetables/changed_form.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/general_settings_form.h"
#include "gui/timetables/history_buttons.h"
#include "gui/timetables/placement_style_form.h"
#include "gui/timetables/run_panel.h"
#include "gui/timetables/teacher_settings_form.h"
#include "gui/timetables/timetable_grid.h"
#include "gui/timetables/timetable_lists.h"
#include "timetables/completion_notice.h"
#include "timetables/load_overlay.h"
#include "timetables/painters.h"
#include "timetables/snapshot_commands.h"

namespace kalvodrin {

TOgrPrgForm::TOgrPrgForm(AppContext context, TSnfPrgForm& classWindow, QWidget* parent)
    : TimetableWindow(context,
                      {.caption = U8("ÖĞRETMENLERE GÖRE DERS PROGRAMI"),
                       .view = TimetableView::kTeacher,
                       .ownerGridName = "TeacherGrid",
                       .ownerColumns = {U8("ADI SOYADI")},
                       .ownerNameWidth = 170,
                       .ownerSearchName = "SearchEd",
                       .lessonGridName = "TeleGrid",
                       // Class and section are short: the lesson's name gets the room
                       // to show whole beside them.
                       .lessonColumns = {{"SINIF", "class", 55},
                                         {U8("BÖLÜM"), "section", 60},
                                         {U8("DERSİN ADI"), "lesson", 170},
                                         {"HDS", "hours", 40}},
                       .ownerStretch = 2,
                       .lessonStretch = 1,
                       .cellKeyHint = U8("F2  HÜCRE KAPATIR AÇAR"),
                       // Nine buttons in one row would squeeze the lists on the left.
                       .buttonsPerRow = 5,
                       .size = {1000, 560},
                       .owners = TimetableTeachers,
                       .lessons = TimetableTeacherLessons,
                       .paintCell = PaintTeacherCell,
                       .cellCommand = TeacherCellCommand,
                       .toggleCell = ToggleTeacherCell,
                       .legend = TeacherLegend},
                      parent),
      classWindow_(classWindow),
      panel_(new RunPanel(context.school)),
      morning_(AddCounter("SABAH", "SabahLabel")),
      afternoon_(AddCounter("ÖĞLE", "OgleLabel")),
      total_(AddCounter("TOPLAM", "ToplamLabel")),
      remaining_(AddCounter("KALAN", "KalanLabel")),
      lessonRemaining_(AddCounter("KALAN", "DersKalanLabel")),
      generalSettings_(std::make_shared<TAyarlarForm>(context)),
      teacherSettings_(std::make_shared<TOzelForm>(context)),
      placementStyle_(std::make_shared<TNewLFForm>(context)) {
  setObjectName("TOgrPrgForm");
  lessonRemaining_->setStyleSheet("color: #b8a000");
  AddButton("GENEL AYARLAR", "GenelBtn", [this] { OpenGeneralSettings(); });
  AddButton("ÖZEL AYARLAR", "OzelBtn", [this] { OpenTeacherSettings(); });
  AddButton("DERS DAĞITIMI YAP", "DagitBtn", [this] { RunWholeSchool(); });
  AddButton("ÖĞRETMEN PRG. YAP", "OgrPrgBtn", [this] { RunForTeacher(); });
  completeBtn_ = AddButton("KALANLARI YERLEŞTİR", "TamamlaBtn", [this] { CompleteRest(); });
  AddButton(" PRG. SİL", "PrgSilBtn", [this] { RemoveProgram(); });
  AddPrintButton("YAZDIR", "YazdirBtn");
  AddButton("YERLEŞMEYEN DERSLER", "RaporBtn", [this] { OpenReport(); });
  AddButton("ÇIKIŞ", "CikisBtn", [this] { accept(); });
  AddBelow(panel_);

  connect(owners(), &ListGrid::EditRequested, this, [this](int row) {
    if (dutyOpener_ && !running()) dutyOpener_(owners()->NumberAt(row, 0));
  });
  connect(grid(), &TimetableGrid::CellActivated, this, [this](int cell) { CellCommand(cell); });
  connect(grid(), &QTableWidget::cellClicked, this, [this] {
    overlay_ = false;
    sel().cell = grid()->CurrentCell();
    grid()->RepaintAll();
  });

  // A running search owns the window: only its two buttons act, so every key asks.
  const auto key = [this](QList<QKeySequence> keys, const char* meaning,
                          void (TOgrPrgForm::*command)()) {
    keyLine()->Bind(keys, U8(meaning), [this, command] {
      if (!running()) (this->*command)();
    });
  };
  keyLine()->Show(U8("Çift tık / Enter"), U8("Yerleştir / kaldır"));
  key({QKeySequence(Qt::Key_F1)}, "Saat yükü göster/gizle", &TOgrPrgForm::ShowOverlay);
  key({QKeySequence(Qt::Key_F2)}, "Hücre aç/kapat", &TOgrPrgForm::ToggleCell);
  key({QKeySequence(Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_S)}, "Kaydet", &TOgrPrgForm::Save);
  key({QKeySequence(Qt::Key_F5)}, "Programı sil", &TOgrPrgForm::RemoveProgram);
  key({QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_P)}, "Yazdır",
      &TOgrPrgForm::Print);
  key({QKeySequence(Qt::Key_F10)}, "Özel ayarlar", &TOgrPrgForm::OpenTeacherSettings);
  // F1 keeps its load overlay here, so the window's help has a key of its own.
  key({QKeySequence(Qt::SHIFT | Qt::Key_F1)}, "Yardım", &TOgrPrgForm::ShowHelp);

  grid()->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* gridMenu = new QMenu(this);
  gridMenu->setObjectName("GridPopup");
  gridMenu->addAction(U8("BURAYA YERLEŞTİR"), this, [this] { RunHere(); });
  // What F2 does, for a user who works with the mouse.
  gridMenu->addAction(U8("HÜCREYİ KAPAT / AÇ   F2"), this, [this] {
    if (!running()) ToggleCell();
  });
  gridMenu->addAction(U8("SAKLA"), this, [this] { KeepSnapshot(); });
  gridMenu->addAction(U8("DEĞİŞENLERİ GÖSTER"), this, [this] { ShowChanged(); });
  gridMenu->addAction(U8("DEĞİŞİKLERİ GERİ AL"), this, [this] { UndoChanges(); });
  connect(grid(), &QWidget::customContextMenuRequested, this, [this, gridMenu](const QPoint& at) {
    gridMenu->exec(grid()->viewport()->mapToGlobal(at));
  });
  AddLessonAction("SINIFA BAĞLAN", [this] { HandToClassWindow(); });
  AddLessonAction("YERLEŞTİRME BİÇİMİ", [this] { OpenPlacementStyle(); });
}

bool TOgrPrgForm::running() const { return panel_->running(); }

void TOgrPrgForm::Activate() {
  if (running()) return;
  CountAllHours(context().school);
  overlay_ = false;
  Refill();
  owners()->setFocus();
}

void TOgrPrgForm::SelectionRead() {
  overlay_ = false;
  ShowCounters();
}

void TOgrPrgForm::ShowCounters() {
  const TimetableSelection& s = selection();
  const TeacherCounters k = CountTeacherWindow(context().school, s.teacher, s.classNo, s.lesson);
  morning_->setNum(k.morning);
  afternoon_->setNum(k.afternoon);
  total_->setNum(k.total);
  remaining_->setNum(k.remaining);
  lessonRemaining_->setNum(k.lessonRemaining);
  const PlacementTotals school = CountTotals(context().school);
  completeBtn_->setVisible(school.placed < school.toPlace);
}

CellPaint TOgrPrgForm::Paint(int row, int column) const {
  if (row == 0 || column == 0)
    return PaintTeacherHeader(row, column, running() ? panel_->progress().currentCell : 0);
  const int cell = (row - 1) * 16 + column;
  if (overlay_) return PaintOverlay(load_[static_cast<std::size_t>(cell - 1)]);
  return TimetableWindow::Paint(row, column);
}

// A second F1 takes the overlay away again, so the timetable's colours come back
// without a click that might place a lesson.
void TOgrPrgForm::ShowOverlay() {
  if (overlay_) {
    overlay_ = false;
  } else {
    load_ = LoadOverlay(context().school, selection().teacher);
    overlay_ = true;
  }
  grid()->RepaintAll();
}

void TOgrPrgForm::ShowHelp() { context().help.ShowPage("ogretmen_programi"); }

void TOgrPrgForm::RemoveProgram() {
  const TTeacherRec* t = context().school.TeacherByNo(selection().teacher);
  if (t == nullptr) return;
  if (!context().sil.Confirm(FromCp1254(t->name.view()) +
                             U8(" adındaki öğretmenin programı silinecek !")))
    return;
  AsStep(" PRG. SİL: " + FromCp1254(t->name.view()).toStdString(),
         [this] { RemoveTeacherTimetable(context().school, selection().teacher); });
  ReadSelection();
}

void TOgrPrgForm::HandToClassWindow() {
  const TimetableSelection s = selection();
  const HandOver back = classWindow_.OpenWith(HandOver{s.teacher, s.classNo, s.lesson});
  Activate();
  if (back.teacher != 0) {
    Select(back.teacher, back.classNo, back.lesson);
    lessons()->setFocus();
    return;
  }
  // Nothing handed back: the window stays on the lesson it handed over, its counts
  // and grid read again since the class window may have placed hours.
  Select(s.teacher, s.classNo, s.lesson);
  lessons()->setFocus();
}

void TOgrPrgForm::ShowChanged() {
  if (running()) return;
  if (const int teacher = ChooseChangedTeacher(context(), this); teacher != 0)
    Select(teacher, 0, 0);
}

void TOgrPrgForm::OpenGeneralSettings() { ExecReturningFocus(*generalSettings_); }

// The teacher's own settings live in the teacher's timetable record: storing them is a
// step of the history like any other change of the record, else the next undo would
// find the record changed outside it and drop every step before.
void TOgrPrgForm::OpenTeacherSettings() {
  const TTeacherRec* t = context().school.TeacherByNo(selection().teacher);
  if (t == nullptr) return;
  AsStep("ÖZEL AYARLAR: " + FromCp1254(t->name.view()).toStdString(),
         [this] { teacherSettings_->OpenFor(selection().teacher); });
}

void TOgrPrgForm::OpenPlacementStyle() {
  placementStyle_->OpenFor(selection().classNo, selection().lesson);
}

void TOgrPrgForm::KeepSnapshot() {
  if (Status s = TakeSnapshot(context().school, context().Disk()); !s)
    context().sil.Notice(U8(s.message()));
}

void TOgrPrgForm::UndoChanges() {
  SnapshotRestore r;
  AsStep("DEĞİŞİKLERİ GERİ AL", [&] { r = RestoreTimetables(context().school); });
  if (!r.read) context().sil.Notice(U8(r.read.message()));
  ApplyChange(context(), r.change, [&r](const Change&) {
    return "Saklanan programlar şimdiki ders atamalarına uymuyor, geri alınmadı: " + r.problem;
  });
  ReadSelection();
}

RunOutcome TOgrPrgForm::RunWholeSchool() {
  if (running()) return {};
  const RunPreferences preferences = runPreferences();
  const int placedBefore = CountTotals(context().school).placed;
  lastCompletion_ = CompletionOutcome{};
  handedOver_ = false;
  bool completed = false;
  // The completion places what a stalled run leaves far faster than the classic run's
  // deeper levels would; the preferences say whether the run may give way to it.
  const std::optional<HandOverBudget> handOver =
      HandOverFor({.skipsOnItsOwn = preferences.skipOnItsOwn,
                   .completionFollows = preferences.completeAfterRun},
                  handOverBudget_);
  // The run and the completion after it are one step of the edit history.
  Busy(
      "DERS DAĞITIMI YAP",
      [&] {
        PlacementRun placement(context().school, panel_);
        lastRun_ = placement.RunWholeSchool();
        // Giving way is not the user's stop, though it ends the run the same way.
        handedOver_ = panel_->handedOver();
        if (handedOver_) lastRun_.stopped = false;
        // A run the user stopped stays stopped; one that ended by itself or gave way
        // with hours left goes on, with the same panel, skip and stop, and no skip
        // allowance (the completion has its own time limit).
        if (!preferences.completeAfterRun || lastRun_.refused || lastRun_.stopped ||
            lastRun_.unplaced() == 0)
          return;
        panel_->SetSkipSeconds(0);
        panel_->SetHandOver(std::nullopt);
        CompletionOptions options;
        options.seed = completionSeed_ != 0 ? completionSeed_ : std::random_device{}();
        options.observer = panel_;
        lastCompletion_ = CompleteTimetable(context().school, options);
        completed = true;
      },
      preferences.skipOnItsOwn ? skipSeconds_ : 0, handOver);
  if (runNotices_ && !lastRun_.notice.empty())
    context().sil.Notice(U8(completed
                                ? RunAndCompletionNotice(context().school, placedBefore, lastRun_,
                                                         lastCompletion_, handedOver_)
                                : lastRun_.notice));
  return lastRun_;
}

RunPreferences TOgrPrgForm::runPreferences() const {
  RunPreferences preferences;
  // An unreadable file leaves the defaults: the run is worth more than the setting.
  if (!context().school.WorkFolder.empty())
    static_cast<void>(
        LoadRunPreferences(context().school.WorkFolder, context().Disk(), preferences));
  return preferences;
}

RunOutcome TOgrPrgForm::RunForTeacher() {
  const int teacher = selection().teacher;
  return Run("ÖĞRETMEN PRG. YAP",
             [teacher](PlacementRun& run) { return run.RunForTeacher(teacher); });
}

RunOutcome TOgrPrgForm::RunHere() {
  const TimetableSelection s = selection();
  const int cell = grid()->CurrentCell();
  if (cell == 0) return {};
  return Run("BURAYA YERLEŞTİR", [s, cell](PlacementRun& run) {
    return run.RunAtCell(s.teacher, s.classNo, s.lesson, cell);
  });
}

RunOutcome TOgrPrgForm::Run(const char* name, const std::function<RunOutcome(PlacementRun&)>& run) {
  if (running()) return {};
  Busy(
      name,
      [&] {
        PlacementRun placement(context().school, panel_);
        lastRun_ = run(placement);
      },
      runPreferences().skipOnItsOwn ? skipSeconds_ : 0);
  if (runNotices_ && !lastRun_.notice.empty()) context().sil.Notice(U8(lastRun_.notice));
  return lastRun_;
}

CompletionOutcome TOgrPrgForm::CompleteRest() {
  if (running()) return {};
  CompletionOptions options;
  options.seed = completionSeed_ != 0 ? completionSeed_ : std::random_device{}();
  options.observer = panel_;
  Busy("KALANLARI YERLEŞTİR",
       [&] { lastCompletion_ = CompleteTimetable(context().school, options); });
  if (runNotices_) context().sil.Notice(U8(CompletionNotice(context().school, lastCompletion_)));
  return lastCompletion_;
}

void TOgrPrgForm::Busy(const char* name, const std::function<void()>& work, double skipSeconds,
                       std::optional<HandOverBudget> handOver) {
  SetRunning(true, skipSeconds, handOver);
  AsStep(name, work);
  SetRunning(false);
  // A run changes no list, only the timetables: counters and grid are enough.
  ShowCounters();
  grid()->RepaintAll();
}

void TOgrPrgForm::SetRunning(bool running, double skipSeconds,
                             std::optional<HandOverBudget> handOver) {
  if (running)
    panel_->Begin([this](bool busy) { ShowBusy(busy); }, [this] { grid()->RepaintHeaders(); },
                  skipSeconds, handOver);
  else
    panel_->End();
}

void TOgrPrgForm::ShowBusy(bool busy) {
  grid()->setEnabled(!busy);
  owners()->setEnabled(!busy);
  lessons()->setEnabled(!busy);
  buttons()->setVisible(!busy);
  historyButtons().setVisible(!busy);
}

void TOgrPrgForm::Save() { SaveTimetables(context()); }

}  // namespace kalvodrin
