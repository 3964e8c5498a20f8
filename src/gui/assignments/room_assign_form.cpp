#include "gui/assignments/room_assign_form.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/assignments/grid_panels.h"
#include "gui/common/apply_change.h"
#include "gui/common/focus_colouring.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/qt_text.h"
#include "staffing/classrooms.h"
#include "staffing/staffing_rows.h"
#include "staffing/staffing_texts.h"

namespace kalvodrin {

TSnfRoomForm::TSnfRoomForm(AppContext context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName("TSnfRoomForm");
  setWindowTitle(U8("DERSHANE"));
  setModal(true);
  panel1_ = NewPanel(this, "Panel1");
  grid_ = NewGrid(this, "Grid", RoomLoadColumns());
  roomGrid_ = NewGrid(this, "RoomGrid", LessonRoomColumns());
  NewSearchBox(grid_, 1, "SearchEd");
  auto* ekleBtn = NewButton(this, "EkleBtn", U8("EKLE"));
  delBtn_ = NewButton(this, "DelBtn", U8("SİL"));
  auto* cikisBtn = NewButton(this, "CikisBtn", U8("ÇIKIŞ"));
  auto* grids = new QHBoxLayout;
  grids->addLayout(Captioned(this, U8("DERSHANELER"), grid_), 1);
  auto* middle = new QVBoxLayout;
  middle->addStretch(1);
  middle->addWidget(ekleBtn);
  middle->addWidget(delBtn_);
  middle->addStretch(1);
  grids->addLayout(middle);
  grids->addLayout(Captioned(this, U8("BU DERSİN OKUTULDUĞU DERSHANE"), roomGrid_), 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(cikisBtn);
  auto* main = new QVBoxLayout(this);
  main->addWidget(panel1_);
  main->addLayout(grids, 1);
  main->addLayout(bottom);
  connect(grid_, &ListGrid::EditRequested, this, [this](int) { EkleBtnClick(); });
  connect(ekleBtn, &QPushButton::clicked, this, &TSnfRoomForm::EkleBtnClick);
  connect(delBtn_, &QPushButton::clicked, this, &TSnfRoomForm::DelBtnClick);
  connect(cikisBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(qApp, &QApplication::focusChanged, this, [this] { UpdateDelBtn(); });
  auto* keys = new KeyLine(this);
  keys->Show(U8("Çift tık / Enter"), U8("Ekle"));
  keys->BindIn(roomGrid_, {QKeySequence(Qt::Key_Delete)}, U8("Sil"),
               [this] {
                 if (delBtn_->isEnabled()) DelBtnClick();
               },
               {QKeySequence(Qt::Key_F5)});
  BindHelpKey(this, context_.help, HelpTopicPage(113));
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("Kapat"));
  main->addWidget(keys);
  new FocusColouring({grid_, roomGrid_});
  resize(560, 420);
}

TSnfRoomForm::~TSnfRoomForm() { StopFollowingFocus(this); }

void TSnfRoomForm::Open(int classNo, int lesson) {
  classNo_ = classNo;
  lesson_ = lesson;
  panel1_->setText(U8(LessonRoomsTitle(context_.school, classNo, lesson)));
  Refill(0);
  grid_->SelectRow(0);
  grid_->setFocus(Qt::OtherFocusReason);
  exec();
}

void TSnfRoomForm::Refill(int selectRoom) {
  Fill(grid_, RoomLoadRows(context_.school), grid_->SelectedNumber());
  Fill(roomGrid_, LessonRoomRows(context_.school, classNo_, lesson_), selectRoom);
  UpdateDelBtn();
}

void TSnfRoomForm::UpdateDelBtn() {
  delBtn_->setEnabled(roomGrid_->hasFocus() && roomGrid_->FilledRows() > 0);
}

void TSnfRoomForm::EkleBtnClick() {
  const int room = grid_->SelectedNumber();
  if (room == 0) return;
  ApplyChange(context_, AttachRoomToClassLesson(context_.school, classNo_, lesson_, room),
              ClassroomNotice);
  Refill(room);
}

void TSnfRoomForm::DelBtnClick() {
  const int room = roomGrid_->SelectedNumber();
  if (room == 0) return;
  const int row = roomGrid_->SelectedRow();
  ApplyChange(context_, DetachRoomFromClassLesson(context_.school, classNo_, lesson_, room),
              ClassroomNotice);
  Refill(0);
  roomGrid_->SelectRow(row);
  roomGrid_->setFocus(Qt::OtherFocusReason);
}

}  // namespace kalvodrin
