#include "gui/timetables/room_timetable_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/list_grid.h"
#include "gui/common/print_requests.h"
#include "gui/common/qt_text.h"
#include "gui/timetables/timetable_grid.h"
#include "gui/timetables/timetable_lists.h"
#include "timetables/painters.h"
#include "timetables/timetable_commands.h"
#include "timetables/timetable_rows.h"

namespace kalvodrin {

TRoomPrgForm::TRoomPrgForm(AppContext context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      roomGrid_(new ListGrid),
      teleGrid_(new ListGrid),
      grid_(new TimetableGrid) {
  setObjectName("TRoomPrgForm");
  setWindowTitle(U8("DERSLİKLEİN DERS  PROGRAMI"));
  roomGrid_->setObjectName("RoomGrid");
  roomGrid_->SetColumns({"NO", U8("DERSLİK")}, {0});
  teleGrid_->setObjectName("RoomTeleGrid");
  teleGrid_->SetColumns({"TeacherNo", "ClassNo", "LessonNo", "RoomNo", "SINIF", U8("DERSİN ADI"),
                         "HDS", U8("ÖĞRETMEN")},
                        {0, 1, 2, 3});
  teleGrid_->setColumnWidth(5, 150);
  teleGrid_->setColumnWidth(7, 150);
  grid_->SetPainter([this](int row, int column) { return Paint(row, column); });
  auto* print = new QPushButton(U8("YAZDIR"));
  print->setObjectName("YazdirBtn");
  print->setEnabled(context.printing != nullptr);
  connect(print, &QPushButton::clicked, this, [this] { Print(); });
  auto* exit = new QPushButton(U8("ÇIKIŞ"));
  exit->setObjectName("CikisBtn");
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(print);
  buttons->addWidget(exit);

  auto* left = new QVBoxLayout;
  left->addWidget(roomGrid_, 1);
  left->addWidget(teleGrid_, 2);
  auto* right = new QVBoxLayout;
  right->addWidget(grid_);
  right->addWidget(new QLabel(U8("F8  HÜCRE KAPATIR AÇAR")));
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right, 2);
  resize(1000, 480);

  connect(roomGrid_, &QTableWidget::currentCellChanged, this, [this] { FillLessons(); });
  connect(teleGrid_, &QTableWidget::currentCellChanged, this, [this] { ReadSelection(); });
  BindOwnerGrid(this, grid_, context_, sel_.cell,
                {[this](int cell) { CellCommand(cell); }, [this] { ToggleCell(); },
                 [this] { Print(); }, "130"});
}

void TRoomPrgForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Activate();
}

void TRoomPrgForm::Activate() {
  FillOwners(*roomGrid_, TimetableRooms(context_.school), false);
  roomGrid_->SelectRow(0);
  FillLessons();
  teleGrid_->setFocus();
}

void TRoomPrgForm::FillLessons() {
  sel_.room = roomGrid_->SelectedNumber(0);
  kalvodrin::FillLessons(*teleGrid_, TimetableRoomLessons(context_.school, sel_.room), true,
                         {"classAndSection", "lesson", "hours", "teacher"});
  teleGrid_->SelectRow(0);
  ReadSelection();
}

void TRoomPrgForm::ReadSelection() {
  const int row = teleGrid_->SelectedRow();
  sel_.teacher = row >= 0 ? teleGrid_->NumberAt(row, 0) : 0;
  sel_.classNo = row >= 0 ? teleGrid_->NumberAt(row, 1) : 0;
  sel_.lesson = row >= 0 ? teleGrid_->NumberAt(row, 2) : 0;
  sel_.cell = grid_->CurrentCell();
  grid_->RepaintAll();
}

CellPaint TRoomPrgForm::Paint(int row, int column) const {
  if (row == 0 || column == 0) return PaintHeader(row, column);
  return PaintRoomCell(context_.school, sel_, (row - 1) * 16 + column);
}

void TRoomPrgForm::CellCommand(int cell) {
  sel_.cell = cell;
  RoomCellCommand(context_.school, sel_, cell);
  ReadSelection();
}

void TRoomPrgForm::ToggleCell() {
  const int cell = grid_->CurrentCell();
  if (cell == 0) return;
  ToggleRoomCell(context_.school, sel_, cell);
  ReadSelection();
}

void TRoomPrgForm::Print() {
  if (context_.printing == nullptr) return;
  context_.printing->PrintFromTimetableWindow(TimetableView::kRoom, sel_.room);
  ReadSelection();
}

void TRoomPrgForm::done(int result) {
  SaveTimetables(context_);
  QDialog::done(result);
}

}  // namespace kalvodrin
