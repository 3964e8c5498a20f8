#include "gui/assignments/class_lessons_form.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/pick_rows.h"
#include "core/school.h"
#include "curriculum/class_lessons.h"
#include "curriculum/curriculum_rows.h"
#include "curriculum/curriculum_texts.h"
#include "gui/assignments/common_lessons_form.h"
#include "gui/assignments/copy_form.h"
#include "gui/assignments/grid_panels.h"
#include "gui/assignments/room_assign_form.h"
#include "gui/common/apply_change.h"
#include "gui/common/focus_colouring.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/common/search_box.h"

namespace kalvodrin {

TSnfDrsForm::TSnfDrsForm(AppContext context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName("TSnfDrsForm");
  setWindowTitle(U8("SINIFLARDA OKUTULAN DERSLER"));
  setModal(true);
  classGrid_ = NewGrid(this, "ClassGrid", ClassPickColumns());
  lessonGrid_ = NewGrid(this, "LessonGrid", PoolColumns());
  clLeGrid_ = NewGrid(this, "ClLeGrid", ClassLessonColumns());
  NewSearchBox(classGrid_, 1, "ClSearchEd");
  NewSearchBox(lessonGrid_, 1, "LeSearchEd");
  NewSearchBox(clLeGrid_, 2, "ClLeSearchEd");
  panel1_ = NewPanel(this, "Panel1");
  panel2_ = NewPanel(this, "Panel2");
  delBtn_ = NewButton(this, "DelBtn", U8("SEÇİLİ DERSİ SİL"));
  auto* derslikBtn = NewButton(this, "DerslikBtn", U8("DERSHANE"));
  auto* commonBtn = NewButton(this, "CommonBtn", U8("Ortak"));
  auto* copyBtn = NewButton(this, "CopyBtn", U8("SINIFLAR ARASI DERS KOPYALA"));
  auto* cikisBtn = NewButton(this, "CikisBtn", U8("ÇIKIŞ"));

  auto* grids = new QHBoxLayout;
  grids->addLayout(Captioned(this, U8("SINIFLAR"), classGrid_), 2);
  grids->addLayout(Captioned(this, U8("DERS HAVUZU"), lessonGrid_), 4);
  QVBoxLayout* right = Captioned(this, U8("SINIFA ATANAN   DERSLER"), clLeGrid_);
  auto* panels = new QHBoxLayout;
  panels->addWidget(panel1_);
  panels->addWidget(panel2_, 1);
  right->addLayout(panels);
  grids->addLayout(right, 5);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {delBtn_, derslikBtn, commonBtn, copyBtn}) buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(cikisBtn);
  auto* main = new QVBoxLayout(this);
  main->addLayout(grids, 1);
  main->addLayout(buttons);

  connect(classGrid_, &QTableWidget::itemSelectionChanged, this, &TSnfDrsForm::ClassChosen);
  connect(lessonGrid_, &ListGrid::EditRequested, this, [this](int) { GiveSelectedLesson(); });
  connect(clLeGrid_, &ListGrid::EditRequested, this, [this](int) { DerslikBtnClick(); });
  connect(clLeGrid_, &QTableWidget::cellClicked, this,
          [this](int, int) { rememberedLesson_ = SelectedClassLesson(); });
  connect(delBtn_, &QPushButton::clicked, this, &TSnfDrsForm::DelBtnClick);
  connect(derslikBtn, &QPushButton::clicked, this, &TSnfDrsForm::DerslikBtnClick);
  connect(commonBtn, &QPushButton::clicked, this, &TSnfDrsForm::CommonBtnClick);
  connect(copyBtn, &QPushButton::clicked, this, &TSnfDrsForm::CopyBtnClick);
  connect(cikisBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(qApp, &QApplication::focusChanged, this, [this] { UpdateDelBtn(); });
  auto* keys = new KeyLine(this);
  keys->Show(U8("Çift tık / Enter"), U8("Dersi sınıfa ver"));
  keys->BindIn(clLeGrid_, {QKeySequence(Qt::Key_Delete)}, U8("Seçili dersi sil"),
               [this] { DelBtnClick(); }, {QKeySequence(Qt::Key_F5)});
  keys->Bind({QKeySequence(Qt::Key_F8)}, U8("Dershane"), [this] { DerslikBtnClick(); });
  keys->Bind({QKeySequence(Qt::Key_F4)}, U8("Sınıflar arası kopyala (sınıf listesinde)"), [this] {
    if (classGrid_->hasFocus()) CopyBtnClick();
  });
  BindHelpKey(this, context_.help, HelpTopicPage(112));
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("Kapat"));
  main->addWidget(keys);
  new FocusColouring({classGrid_, lessonGrid_, clLeGrid_});
  ortakForm_ = new TOrtakForm(context_, this);
  kopyalaForm_ = new TKopyalaForm(context_, this);
  roomForm_ = new TSnfRoomForm(context_, this);
  resize(900, 520);
}

TSnfDrsForm::~TSnfDrsForm() { StopFollowingFocus(this); }

void TSnfDrsForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TSnfDrsForm::FormActivate() {
  Fill(lessonGrid_, PoolRows(context_.school));
  Fill(classGrid_, ClassPickRows(context_.school), SelectedClass());
  ClassChosen();
  classGrid_->setFocus(Qt::OtherFocusReason);
}

int TSnfDrsForm::SelectedClass() const { return classGrid_->SelectedNumber(); }
int TSnfDrsForm::SelectedClassLesson() const { return clLeGrid_->SelectedNumber(1); }

void TSnfDrsForm::ClassChosen() { RefillClassLessons(rememberedLesson_); }

void TSnfDrsForm::RefillClassLessons(int selectLesson) {
  const int classNo = SelectedClass();
  Fill(clLeGrid_, ClassLessonRows(context_.school, classNo), selectLesson);
  panel1_->setText(QString::number(ClassCapacity(context_.school, classNo)));
  panel2_->setText(U8(ClassLessonSummary(context_.school, classNo)));
  UpdateDelBtn();
}

void TSnfDrsForm::UpdateDelBtn() {
  delBtn_->setEnabled(clLeGrid_->hasFocus() && clLeGrid_->FilledRows() > 0);
}

void TSnfDrsForm::GiveSelectedLesson() {
  const int classNo = SelectedClass();
  const int lesson = lessonGrid_->SelectedNumber();
  if (classNo == 0 || lesson == 0) return;
  ApplyChange(context_, GiveLessonToClass(context_.school, classNo, lesson), CurriculumNotice);
  RefillClassLessons(rememberedLesson_);
}

void TSnfDrsForm::DelBtnClick() {
  const int classNo = SelectedClass();
  const int lesson = SelectedClassLesson();
  if (classNo == 0 || lesson == 0) return;
  const int row = clLeGrid_->SelectedRow();
  if (!context_.sil.Confirm(U8(RemoveClassLessonConfirm(context_.school, classNo, lesson))))
    return;
  ApplyChange(context_, RemoveClassLesson(context_.school, classNo, lesson), CurriculumNotice);
  RefillClassLessons(0);
  const int left = clLeGrid_->FilledRows();
  if (left > 0) clLeGrid_->SelectRow(RowAfterDelete(row + 1, left) - 1);
  clLeGrid_->setFocus(Qt::OtherFocusReason);
}

void TSnfDrsForm::DerslikBtnClick() {
  if (context_.school.Rooms.empty()) {
    context_.sil.Notice(U8(kNoRoomNotice));
    return;
  }
  const int lesson = SelectedClassLesson();
  if (lesson == 0) return;
  const int row = clLeGrid_->SelectedRow();
  roomForm_->Open(SelectedClass(), lesson);
  RefillClassLessons(0);
  clLeGrid_->SelectRow(row);
}

void TSnfDrsForm::CommonBtnClick() {
  ortakForm_->exec();
  RefillClassLessons(rememberedLesson_);
}

void TSnfDrsForm::CopyBtnClick() {
  if (context_.school.ClassLessons.empty() || SelectedClass() == 0) return;
  if (kopyalaForm_->Open(SelectedClass())) RefillClassLessons(rememberedLesson_);
}

}  // namespace kalvodrin
