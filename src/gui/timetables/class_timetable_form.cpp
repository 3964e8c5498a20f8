#include "gui/timetables/class_timetable_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/counts.h"
#include "gui/common/focus_return.h"
#include "gui/common/function_keys.h"
#include "gui/common/list_grid.h"
#include "gui/common/print_requests.h"
#include "gui/common/qt_text.h"
#include "gui/common/search_box.h"
#include "gui/timetables/placement_style_form.h"
#include "gui/timetables/report_form.h"
#include "gui/timetables/room_timetable_form.h"
#include "gui/timetables/timetable_grid.h"
#include "gui/timetables/timetable_lists.h"
#include "timetables/painters.h"
#include "timetables/timetable_rows.h"

namespace kalvodrin {

TSnfPrgForm::TSnfPrgForm(AppContext context, TRoomPrgForm& roomWindow, QWidget* parent)
    : QDialog(parent),
      context_(context),
      roomWindow_(roomWindow),
      classGrid_(new ListGrid),
      teleGrid_(new ListGrid),
      grid_(new TimetableGrid),
      total_(new QLabel),
      remaining_(new QLabel),
      lessonRemaining_(new QLabel),
      placementStyle_(std::make_shared<TNewLFForm>(context)) {
  setObjectName("TSnfPrgForm");
  setWindowTitle(U8("SINIFLARIN  DERS PROGRAMI"));
  classGrid_->setObjectName("ClassGrid");
  classGrid_->SetColumns({"NO", "SINIF", U8("BÖLÜM")}, {0});
  new SearchBox(classGrid_, 1, "ClSearchEd");
  teleGrid_->setObjectName("ClTeleGrid");
  teleGrid_->SetColumns(
      {"TeacherNo", "ClassNo", "LessonNo", U8("DERSİN ADI"), "HDS", U8("ÖĞRETMEN")}, {0, 1, 2});
  teleGrid_->setColumnWidth(3, 170);
  teleGrid_->setColumnWidth(5, 160);
  new SearchBox(teleGrid_, 3, "LeSearched");
  grid_->SetPainter([this](int row, int column) { return Paint(row, column); });

  total_->setObjectName("ToplamLabel");
  remaining_->setObjectName("KalanLabel");
  lessonRemaining_->setObjectName("DersKalanLabel");
  auto* counters = new QGridLayout;
  int column = 0;
  for (auto [caption, label] : {std::pair{"TOPLAM", total_}, std::pair{"KALAN", remaining_},
                                std::pair{"KALAN", lessonRemaining_}}) {
    counters->addWidget(new QLabel(U8(caption)), 0, column);
    counters->addWidget(label, 1, column++);
  }
  auto* buttons = new QHBoxLayout;
  auto* print = new QPushButton(U8("YAZICI ÇIKIŞLARI"));
  print->setObjectName("YaziciBtn");
  print->setEnabled(context.printing != nullptr);
  buttons->addWidget(print);
  connect(print, &QPushButton::clicked, this, [this] { Print(); });
  auto* report = new QPushButton(U8("YERLEŞMEYEN DERSLER"));
  report->setObjectName("RaporBtn");
  buttons->addWidget(report);
  connect(report, &QPushButton::clicked, this, [this] { OpenReport(); });
  auto* rooms = new QPushButton(U8("DERSHANE"));
  rooms->setObjectName("DershaneBtn");
  auto* exit = new QPushButton(U8("ÇIKIŞ"));
  exit->setObjectName("CikisBtn");
  buttons->addWidget(rooms);
  buttons->addWidget(exit);
  connect(rooms, &QPushButton::clicked, this, [this] { OpenRooms(); });
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);

  auto* left = new QVBoxLayout;
  left->addWidget(classGrid_, 1);
  left->addWidget(teleGrid_, 2);
  auto* right = new QVBoxLayout;
  right->addWidget(grid_);
  right->addLayout(counters);
  right->addWidget(new QLabel(U8("F8  HÜCRE KAPATIR AÇAR")));
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right, 2);
  resize(1000, 520);

  connect(classGrid_, &QTableWidget::currentCellChanged, this, [this] { FillLessons(); });
  connect(teleGrid_, &QTableWidget::currentCellChanged, this, [this] { ReadSelection(); });
  BindOwnerGrid(this, grid_, context_, sel_.cell,
                {[this](int cell) { CellCommand(cell); }, [this] { ToggleCell(); },
                 [this] { Print(); }, "128"});
  BindKey(this, QKeySequence(Qt::Key_F9), [this] { OpenRooms(); });
  BindKey(this, QKeySequence(Qt::Key_F11), [this] { OpenReport(); });

  teleGrid_->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* menu = new QMenu(this);
  handBackAction_ = menu->addAction(U8("ÖĞRETMENE BAĞLAN"), this, [this] { HandBack(); });
  menu->addAction(U8("YERLEŞTİRME BİÇİMİ"), this, [this] { OpenPlacementStyle(); });
  connect(teleGrid_, &QWidget::customContextMenuRequested, this,
          [this, menu](const QPoint& at) { menu->exec(teleGrid_->viewport()->mapToGlobal(at)); });
}

HandOver TSnfPrgForm::OpenWith(const HandOver& handOver) {
  handOver_ = handOver;
  handedBack_ = HandOver{};
  ExecReturningFocus(*this);
  handOver_ = HandOver{};
  return handedBack_;
}

void TSnfPrgForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Activate();
}

void TSnfPrgForm::Activate() {
  CountAllHours(context_.school);
  FillOwners(*classGrid_, TimetableClasses(context_.school), true);
  classGrid_->SelectRow(0);
  FillLessons();
  handBackAction_->setEnabled(handOver_.teacher != 0);
  classGrid_->setFocus();
  if (handOver_.classNo != 0) {
    Select(handOver_.teacher, handOver_.classNo, handOver_.lesson);
    teleGrid_->setFocus();
  }
}

void TSnfPrgForm::FillLessons() {
  sel_.classNo = classGrid_->SelectedNumber(0);
  kalvodrin::FillLessons(*teleGrid_, TimetableClassLessons(context_.school, sel_.classNo), false,
                         {"lesson", "hours", "teacher"});
  teleGrid_->SelectRow(0);
  ReadSelection();
}

void TSnfPrgForm::ReadSelection() {
  const int row = teleGrid_->SelectedRow();
  sel_.teacher = row >= 0 ? teleGrid_->NumberAt(row, 0) : 0;
  sel_.lesson = row >= 0 ? teleGrid_->NumberAt(row, 2) : 0;
  sel_.cell = grid_->CurrentCell();
  ShowCounters();
  grid_->RepaintAll();
}

void TSnfPrgForm::Select(int teacher, int classNo, int lesson) {
  const int owner = classGrid_->RowOfNumber(classNo, 0);
  if (owner < 0) return;
  classGrid_->SelectRow(owner);
  FillLessons();
  const int row =
      FindLessonRow(TimetableClassLessons(context_.school, classNo), teacher, classNo, lesson);
  if (row >= 0) teleGrid_->SelectRow(row);
  ReadSelection();
}

void TSnfPrgForm::ShowCounters() {
  const ClassCounters k = CountClassWindow(context_.school, sel_.classNo, sel_.lesson);
  total_->setNum(k.total);
  remaining_->setNum(k.remaining);
  lessonRemaining_->setNum(k.lessonRemaining);
}

CellPaint TSnfPrgForm::Paint(int row, int column) const {
  if (row == 0 || column == 0) return PaintHeader(row, column);
  return PaintClassCell(context_.school, sel_, (row - 1) * 16 + column);
}

void TSnfPrgForm::CellCommand(int cell) {
  sel_.cell = cell;
  ClassCellCommand(context_.school, sel_, cell);
  ReadSelection();
}

void TSnfPrgForm::ToggleCell() {
  const int cell = grid_->CurrentCell();
  if (cell == 0) return;  // F8 on a header does nothing
  ToggleClassCell(context_.school, sel_, cell);
  ReadSelection();
}

void TSnfPrgForm::HandBack() {
  if (handOver_.teacher == 0) return;
  handedBack_ = HandOver{sel_.teacher, sel_.classNo, sel_.lesson};
  accept();
}

void TSnfPrgForm::OpenRooms() {
  // Without classroom hours there is nothing to show: the window is not opened.
  if (!CountRoomHours(context_.school)) return;
  ExecReturningFocus(roomWindow_);
  ReadSelection();
}

void TSnfPrgForm::Print() {
  if (context_.printing == nullptr) return;
  context_.printing->PrintFromTimetableWindow(TimetableView::kClass, sel_.classNo);
  ReadSelection();
}

void TSnfPrgForm::OpenReport() {
  const HandOver chosen = ChooseUnplacedLesson(context_, this);
  if (!chosen.empty()) Select(chosen.teacher, chosen.classNo, chosen.lesson);
  ReadSelection();
}

void TSnfPrgForm::OpenPlacementStyle() { placementStyle_->OpenFor(sel_.classNo, sel_.lesson); }

void TSnfPrgForm::done(int result) {
  SaveTimetables(context_);
  QDialog::done(result);
}

}  // namespace kalvodrin
