#include "gui/timetables/teacher_timetable_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <random>

#include "core/snapshot.h"
#include "engine/counts.h"
#include "gui/common/apply_change.h"
#include "gui/common/focus_return.h"
#include "gui/common/function_keys.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "gui/common/print_requests.h"
#include "gui/common/qt_text.h"
#include "gui/common/search_box.h"
#include "gui/timetables/changed_form.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/general_settings_form.h"
#include "gui/timetables/placement_style_form.h"
#include "gui/timetables/report_form.h"
#include "gui/timetables/run_panel.h"
#include "gui/timetables/teacher_settings_form.h"
#include "gui/timetables/timetable_grid.h"
#include "gui/timetables/timetable_lists.h"
#include "timetables/completion_notice.h"
#include "timetables/load_overlay.h"
#include "timetables/painters.h"
#include "timetables/snapshot_commands.h"
#include "timetables/timetable_rows.h"

namespace kalvodrin {
namespace {

QPushButton* Button(const char* text, const char* name, QLayout* layout) {
  auto* b = new QPushButton(U8(text));
  b->setObjectName(name);
  layout->addWidget(b);
  return b;
}

QLabel* Counter(const char* caption, const char* name, QGridLayout* layout, int column) {
  layout->addWidget(new QLabel(U8(caption)), 0, column);
  auto* value = new QLabel;
  value->setObjectName(name);
  layout->addWidget(value, 1, column);
  return value;
}

}  // namespace

TOgrPrgForm::TOgrPrgForm(AppContext context, TSnfPrgForm& classWindow, QWidget* parent)
    : QDialog(parent),
      context_(context),
      classWindow_(classWindow),
      teacherGrid_(new ListGrid),
      teleGrid_(new ListGrid),
      grid_(new TimetableGrid),
      panel_(new RunPanel(context.school)),
      buttons_(new QWidget),
      generalSettings_(std::make_shared<TAyarlarForm>(context)),
      teacherSettings_(std::make_shared<TOzelForm>(context)),
      placementStyle_(std::make_shared<TNewLFForm>(context)) {
  setObjectName("TOgrPrgForm");
  setWindowTitle(U8("ÖĞRETMENLERE GÖRE DERS PROGRAMI"));
  teacherGrid_->setObjectName("TeacherGrid");
  teacherGrid_->SetColumns({"NO", U8("ADI SOYADI")}, {0});
  teacherGrid_->setColumnWidth(1, 170);
  new SearchBox(teacherGrid_, 1, "SearchEd");
  teleGrid_->setObjectName("TeleGrid");
  teleGrid_->SetColumns(
      {"TeacherNo", "ClassNo", "LessonNo", "SINIF", U8("BÖLÜM"), U8("DERSİN ADI"), "HDS"},
      {0, 1, 2});
  teleGrid_->setColumnWidth(5, 170);
  grid_->SetPainter([this](int row, int column) { return Paint(row, column); });

  auto* counters = new QGridLayout;
  morning_ = Counter("SABAH", "SabahLabel", counters, 0);
  afternoon_ = Counter("ÖĞLE", "OgleLabel", counters, 1);
  total_ = Counter("TOPLAM", "ToplamLabel", counters, 2);
  remaining_ = Counter("KALAN", "KalanLabel", counters, 3);
  lessonRemaining_ = Counter("KALAN", "DersKalanLabel", counters, 4);
  lessonRemaining_->setStyleSheet("color: #b8a000");

  auto* buttonRow = new QHBoxLayout(buttons_);
  buttonRow->setContentsMargins(0, 0, 0, 0);
  connect(Button("GENEL AYARLAR", "GenelBtn", buttonRow), &QPushButton::clicked, this,
          [this] { OpenGeneralSettings(); });
  connect(Button("ÖZEL AYARLAR", "OzelBtn", buttonRow), &QPushButton::clicked, this,
          [this] { OpenTeacherSettings(); });
  connect(Button("DERS DAĞITIMI YAP", "DagitBtn", buttonRow), &QPushButton::clicked, this,
          [this] { RunWholeSchool(); });
  connect(Button("ÖĞRETMEN PRG. YAP", "OgrPrgBtn", buttonRow), &QPushButton::clicked, this,
          [this] { RunForTeacher(); });
  completeBtn_ = Button("KALANLARI YERLEŞTİR", "TamamlaBtn", buttonRow);
  connect(completeBtn_, &QPushButton::clicked, this, [this] { CompleteRest(); });
  connect(Button(" PRG. SİL", "PrgSilBtn", buttonRow), &QPushButton::clicked, this,
          [this] { RemoveProgram(); });
  QPushButton* print = Button("YAZDIR", "YazdirBtn", buttonRow);
  print->setEnabled(context.printing != nullptr);
  connect(print, &QPushButton::clicked, this, [this] { Print(); });
  connect(Button("YERLEŞMEYEN DERSLER", "RaporBtn", buttonRow), &QPushButton::clicked, this,
          [this] { OpenReport(); });
  connect(Button("ÇIKIŞ", "CikisBtn", buttonRow), &QPushButton::clicked, this, &QDialog::accept);

  auto* left = new QVBoxLayout;
  left->addWidget(teacherGrid_, 2);
  left->addWidget(teleGrid_, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(grid_);
  right->addLayout(counters);
  right->addWidget(new QLabel(U8("F2  HÜCRE KAPATIR AÇAR")));
  right->addWidget(buttons_);
  right->addWidget(panel_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right, 2);
  resize(1000, 560);

  connect(teacherGrid_, &QTableWidget::currentCellChanged, this, [this] { FillLessons(); });
  connect(teacherGrid_, &ListGrid::EditRequested, this, [this](int row) {
    if (dutyOpener_ && !running()) dutyOpener_(teacherGrid_->NumberAt(row, 0));
  });
  connect(teleGrid_, &QTableWidget::currentCellChanged, this, [this] { ReadSelection(); });
  connect(grid_, &TimetableGrid::CellActivated, this, [this](int cell) { CellCommand(cell); });
  connect(grid_, &QTableWidget::cellClicked, this, [this] {
    overlay_ = false;
    sel_.cell = grid_->CurrentCell();
    grid_->RepaintAll();
  });

  // A running search owns the window: only its two buttons act, so every key asks.
  const auto key = [this](Qt::Key k, void (TOgrPrgForm::*command)()) {
    BindKey(this, QKeySequence(k), [this, command] {
      if (!running()) (this->*command)();
    });
  };
  key(Qt::Key_F1, &TOgrPrgForm::ShowOverlay);
  key(Qt::Key_F2, &TOgrPrgForm::ToggleCell);
  key(Qt::Key_F4, &TOgrPrgForm::Save);
  key(Qt::Key_F5, &TOgrPrgForm::RemoveProgram);
  key(Qt::Key_F9, &TOgrPrgForm::Print);
  key(Qt::Key_F10, &TOgrPrgForm::OpenTeacherSettings);

  grid_->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* gridMenu = new QMenu(this);
  gridMenu->setObjectName("GridPopup");
  gridMenu->addAction(U8("BURAYA YERLEŞTİR"), this, [this] { RunHere(); });
  gridMenu->addAction(U8("SAKLA"), this, [this] { KeepSnapshot(); });
  gridMenu->addAction(U8("DEĞİŞENLERİ GÖSTER"), this, [this] { ShowChanged(); });
  gridMenu->addAction(U8("DEĞİŞİKLERİ GERİ AL"), this, [this] { UndoChanges(); });
  connect(grid_, &QWidget::customContextMenuRequested, this, [this, gridMenu](const QPoint& at) {
    gridMenu->exec(grid_->viewport()->mapToGlobal(at));
  });
  teleGrid_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(teleGrid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu;
    menu.addAction(U8("SINIFA BAĞLAN"), this, [this] { HandToClassWindow(); });
    menu.addAction(U8("YERLEŞTİRME BİÇİMİ"), this, [this] { OpenPlacementStyle(); });
    menu.exec(teleGrid_->viewport()->mapToGlobal(at));
  });
}

bool TOgrPrgForm::running() const { return panel_->running(); }

void TOgrPrgForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Activate();
}

void TOgrPrgForm::Activate() {
  if (running()) return;
  CountAllHours(context_.school);
  overlay_ = false;
  FillOwners(*teacherGrid_, TimetableTeachers(context_.school), false);
  teacherGrid_->SelectRow(0);
  FillLessons();
  teacherGrid_->setFocus();
}

void TOgrPrgForm::FillLessons() {
  sel_.teacher = teacherGrid_->SelectedNumber(0);
  kalvodrin::FillLessons(*teleGrid_, TimetableTeacherLessons(context_.school, sel_.teacher), false,
                         {"class", "section", "lesson", "hours"});
  teleGrid_->SelectRow(0);
  ReadSelection();
}

void TOgrPrgForm::ReadSelection() {
  const int row = teleGrid_->SelectedRow();
  sel_.classNo = row >= 0 ? teleGrid_->NumberAt(row, 1) : 0;
  sel_.lesson = row >= 0 ? teleGrid_->NumberAt(row, 2) : 0;
  sel_.cell = grid_->CurrentCell();
  overlay_ = false;
  ShowCounters();
  grid_->RepaintAll();
}

void TOgrPrgForm::Select(int teacher, int classNo, int lesson) {
  const int owner = teacherGrid_->RowOfNumber(teacher, 0);
  if (owner < 0) return;
  teacherGrid_->SelectRow(owner);
  FillLessons();
  const int row =
      FindLessonRow(TimetableTeacherLessons(context_.school, teacher), teacher, classNo, lesson);
  if (row >= 0) teleGrid_->SelectRow(row);
  ReadSelection();
}

void TOgrPrgForm::ShowCounters() {
  const TeacherCounters k =
      CountTeacherWindow(context_.school, sel_.teacher, sel_.classNo, sel_.lesson);
  morning_->setNum(k.morning);
  afternoon_->setNum(k.afternoon);
  total_->setNum(k.total);
  remaining_->setNum(k.remaining);
  lessonRemaining_->setNum(k.lessonRemaining);
  const PlacementTotals school = CountTotals(context_.school);
  completeBtn_->setVisible(school.placed < school.toPlace);
}

CellPaint TOgrPrgForm::Paint(int row, int column) const {
  if (row == 0 || column == 0)
    return PaintTeacherHeader(row, column, running() ? panel_->progress().currentCell : 0);
  const int cell = (row - 1) * 16 + column;
  if (overlay_) return PaintOverlay(load_[static_cast<std::size_t>(cell - 1)]);
  return PaintTeacherCell(context_.school, sel_, cell);
}

void TOgrPrgForm::CellCommand(int cell) {
  if (running()) return;
  overlay_ = false;
  sel_.cell = cell;
  TeacherCellCommand(context_.school, sel_, cell);
  ShowCounters();
  grid_->RepaintAll();
}

void TOgrPrgForm::ToggleCell() {
  sel_.cell = grid_->CurrentCell();
  if (sel_.cell == 0) return;
  ToggleTeacherCell(context_.school, sel_, sel_.cell);
  ReadSelection();
}

void TOgrPrgForm::ShowOverlay() {
  load_ = LoadOverlay(context_.school, sel_.teacher);
  overlay_ = true;
  grid_->RepaintAll();
}

void TOgrPrgForm::RemoveProgram() {
  const TTeacherRec* t = context_.school.TeacherByNo(sel_.teacher);
  if (t == nullptr) return;
  if (!context_.sil.Confirm(FromCp1254(t->name.view()) +
                            U8(" adındaki öğretmenin programı silinecek !")))
    return;
  RemoveTeacherTimetable(context_.school, sel_.teacher);
  ReadSelection();
}

void TOgrPrgForm::HandToClassWindow() {
  const HandOver back = classWindow_.OpenWith(HandOver{sel_.teacher, sel_.classNo, sel_.lesson});
  Activate();
  if (back.teacher != 0) {
    Select(back.teacher, back.classNo, back.lesson);
    teleGrid_->setFocus();
  }
}

void TOgrPrgForm::OpenReport() {
  if (running()) return;
  const HandOver chosen = ChooseUnplacedLesson(context_, this);
  if (!chosen.empty()) Select(chosen.teacher, chosen.classNo, chosen.lesson);
  ReadSelection();
}

void TOgrPrgForm::ShowChanged() {
  if (running()) return;
  if (const int teacher = ChooseChangedTeacher(context_, this); teacher != 0) Select(teacher, 0, 0);
}

void TOgrPrgForm::OpenGeneralSettings() { ExecReturningFocus(*generalSettings_); }

void TOgrPrgForm::OpenTeacherSettings() { teacherSettings_->OpenFor(sel_.teacher); }

void TOgrPrgForm::OpenPlacementStyle() { placementStyle_->OpenFor(sel_.classNo, sel_.lesson); }

void TOgrPrgForm::Print() {
  if (context_.printing == nullptr) return;
  context_.printing->PrintFromTimetableWindow(TimetableView::kTeacher, sel_.teacher);
  ReadSelection();
}

void TOgrPrgForm::KeepSnapshot() {
  if (Status s = TakeSnapshot(context_.school, context_.Disk()); !s)
    context_.sil.Notice(U8(s.message()));
}

void TOgrPrgForm::UndoChanges() {
  const SnapshotRestore r = RestoreTimetables(context_.school);
  if (!r.read) context_.sil.Notice(U8(r.read.message()));
  ApplyChange(context_, r.change, [&r](const Change&) {
    return "Saklanan programlar şimdiki ders atamalarına uymuyor, geri alınmadı: " + r.problem;
  });
  ReadSelection();
}

RunOutcome TOgrPrgForm::RunWholeSchool() {
  return Run([](PlacementRun& run) { return run.RunWholeSchool(); });
}

RunOutcome TOgrPrgForm::RunForTeacher() {
  const int teacher = sel_.teacher;
  return Run([teacher](PlacementRun& run) { return run.RunForTeacher(teacher); });
}

RunOutcome TOgrPrgForm::RunHere() {
  const TimetableSelection s = sel_;
  const int cell = grid_->CurrentCell();
  if (cell == 0) return {};
  return Run(
      [s, cell](PlacementRun& run) { return run.RunAtCell(s.teacher, s.classNo, s.lesson, cell); });
}

RunOutcome TOgrPrgForm::Run(const std::function<RunOutcome(PlacementRun&)>& run) {
  if (running()) return {};
  Busy([&] {
    PlacementRun placement(context_.school, panel_);
    lastRun_ = run(placement);
  });
  if (runNotices_ && !lastRun_.notice.empty()) context_.sil.Notice(U8(lastRun_.notice));
  return lastRun_;
}

CompletionOutcome TOgrPrgForm::CompleteRest() {
  if (running()) return {};
  CompletionOptions options;
  options.seed = completionSeed_ != 0 ? completionSeed_ : std::random_device{}();
  options.observer = panel_;
  Busy([&] { lastCompletion_ = CompleteTimetable(context_.school, options); });
  if (runNotices_) context_.sil.Notice(U8(CompletionNotice(lastCompletion_)));
  return lastCompletion_;
}

void TOgrPrgForm::Busy(const std::function<void()>& work) {
  SetRunning(true);
  work();
  SetRunning(false);
  // A run changes no list, only the timetables: counters and grid are enough.
  ShowCounters();
  grid_->RepaintAll();
}

void TOgrPrgForm::SetRunning(bool running) {
  if (running)
    panel_->Begin([this](bool busy) { ShowBusy(busy); }, [this] { grid_->RepaintHeaders(); });
  else
    panel_->End();
}

void TOgrPrgForm::ShowBusy(bool busy) {
  grid_->setEnabled(!busy);
  teacherGrid_->setEnabled(!busy);
  teleGrid_->setEnabled(!busy);
  buttons_->setVisible(!busy);
}

void TOgrPrgForm::Save() { SaveTimetables(context_); }

void TOgrPrgForm::done(int result) {
  if (running()) return;  // the run must end first: stop it with its key
  SaveTimetables(context_);
  QDialog::done(result);
}

}  // namespace kalvodrin
