#include "gui/assignments/teacher_lessons_form.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/pick_rows.h"
#include "core/school.h"
#include "gui/assignments/grid_panels.h"
#include "gui/assignments/teacher_question_forms.h"
#include "gui/common/apply_change.h"
#include "gui/common/focus_colouring.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "staffing/staffing_rows.h"
#include "staffing/staffing_texts.h"
#include "staffing/teacher_lessons.h"

namespace kalvodrin {

TOgrDrsForm::TOgrDrsForm(AppContext context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName("TOgrDrsForm");
  setWindowTitle(U8("ÖĞRETMEN DERS DAĞITIMI"));
  setModal(true);
  teacherGrid_ = NewGrid(this, "TeacherGrid", TeacherPickColumns());
  classGrid_ = NewGrid(this, "ClassGrid", ClassPickColumns());
  clLeGrid_ = NewGrid(this, "ClLeGrid", ClassLessonPickColumns());
  teleGrid_ = NewGrid(this, "TeleGrid", TeacherLessonColumns());
  NewSearchBox(teacherGrid_, 2, "TeSearchEd");
  NewSearchBox(classGrid_, 1, "ClSearchEd");
  NewSearchBox(clLeGrid_, 2, "LeSearchEd");
  panel1_ = NewPanel(this, "Panel1");
  panel2_ = NewPanel(this, "Panel2");
  delBtn_ = NewButton(this, "DelBtn", U8("ÖĞRETMENİN DERSİNİ SİL"));
  auto* nullBtn = NewButton(this, "NullBtn", U8("ATAMASI YAPILMAYAN DERSLER"));
  auto* cikisBtn = NewButton(this, "CikisBtn", U8("ÇIKIŞ"));

  QVBoxLayout* teachers = Captioned(this, U8("ÖĞRETMENLER"), teacherGrid_);
  QVBoxLayout* tele = Captioned(this, U8("ÖĞRETMENİN GİRECEĞİ DERSLER"), teleGrid_);
  tele->addWidget(panel1_);
  QVBoxLayout* classes = Captioned(this, U8("SINIFLAR"), classGrid_);
  classes->addWidget(panel2_);
  auto* grids = new QHBoxLayout;
  grids->addLayout(teachers, 5);
  grids->addLayout(classes, 2);
  grids->addLayout(Captioned(this, U8("SINIFTA OKUTULAN DERSLER"), clLeGrid_), 3);
  grids->addLayout(tele, 5);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(delBtn_);
  buttons->addWidget(nullBtn);
  buttons->addStretch(1);
  buttons->addWidget(cikisBtn);
  auto* main = new QVBoxLayout(this);
  main->addLayout(grids, 1);
  main->addLayout(buttons);

  connect(teacherGrid_, &QTableWidget::itemSelectionChanged, this, &TOgrDrsForm::TeacherChosen);
  connect(classGrid_, &QTableWidget::itemSelectionChanged, this, &TOgrDrsForm::ClassChosen);
  connect(clLeGrid_, &QTableWidget::cellClicked, this,
          [this](int, int) { rememberedLesson_ = clLeGrid_->SelectedNumber(1); });
  connect(classGrid_, &ListGrid::EditRequested, this, [this](int) { GiveSelectedLesson(); });
  connect(clLeGrid_, &ListGrid::EditRequested, this, [this](int) { GiveSelectedLesson(); });
  connect(delBtn_, &QPushButton::clicked, this, &TOgrDrsForm::DelBtnClick);
  connect(nullBtn, &QPushButton::clicked, this, &TOgrDrsForm::NullBtnClick);
  connect(cikisBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(qApp, &QApplication::focusChanged, this, [this] { UpdateDelBtn(); });
  auto* keys = new KeyLine(this);
  keys->Show(U8("Çift tık / Enter"), U8("Dersi öğretmene ver"));
  keys->BindIn(teleGrid_, {QKeySequence(Qt::Key_Delete)}, U8("Öğretmenin dersini sil"),
               [this] {
                 if (delBtn_->isEnabled()) DelBtnClick();
               },
               {QKeySequence(Qt::Key_F5)});
  BindHelpKey(this, context_.help, HelpTopicPage(116));
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("Kapat"));
  main->addWidget(keys);
  new FocusColouring({teacherGrid_, classGrid_, clLeGrid_, teleGrid_});
  bfoForm_ = new TBFOForm(context_, this);
  bosDersForm_ = new TBosDersForm(context_, this);
  resize(1040, 540);
}

TOgrDrsForm::~TOgrDrsForm() { StopFollowingFocus(this); }

void TOgrDrsForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TOgrDrsForm::FormActivate() {
  Fill(teacherGrid_, TeacherPickRows(context_.school), teacherGrid_->SelectedNumber());
  Fill(classGrid_, ClassPickRows(context_.school), classGrid_->SelectedNumber());
  ClassChosen();
  TeacherChosen();
  teacherGrid_->setFocus(Qt::OtherFocusReason);
}

void TOgrDrsForm::TeacherChosen() {
  const int teacher = teacherGrid_->SelectedNumber();
  Fill(teleGrid_, TeacherLessonRows(context_.school, teacher));
  panel1_->setText(U8(TeacherTotalsText(CountTeacherTotals(context_.school, teacher))));
  UpdateDelBtn();
}

void TOgrDrsForm::ClassChosen() {
  const int classNo = classGrid_->SelectedNumber();
  panel2_->setText(U8(ShiftText(context_.school, classNo)));
  Fill(clLeGrid_, ClassLessonPickRows(context_.school, classNo), rememberedLesson_);
}

void TOgrDrsForm::UpdateDelBtn() {
  delBtn_->setEnabled(teleGrid_->hasFocus() && teleGrid_->FilledRows() > 0);
}

void TOgrDrsForm::GiveSelectedLesson() {
  const int teacher = teacherGrid_->SelectedNumber();
  const int classNo = classGrid_->SelectedNumber();
  const int lesson = clLeGrid_->SelectedNumber(1);
  if (teacher == 0 || classNo == 0 || lesson == 0) return;
  Change change = GiveLessonToTeacher(context_.school, teacher, classNo, lesson);
  if (change.outcome == Outcome::kAskAnother) {
    if (!bfoForm_->Ask(U8(CurrentTeachersText(context_.school, classNo, lesson)))) return;
    change = GiveLessonToTeacher(context_.school, teacher, classNo, lesson, true);
  }
  ApplyChange(context_, change, TeacherLessonNotice);
  TeacherChosen();
}

void TOgrDrsForm::DelBtnClick() {
  const int row = teleGrid_->SelectedRow();
  const int teacher = teleGrid_->NumberAt(row, 0);
  const int classNo = teleGrid_->NumberAt(row, 1);
  const int lesson = teleGrid_->NumberAt(row, 2);
  if (teacher == 0) return;
  if (!context_.sil.Confirm(U8(TakeAwayConfirm(context_.school, teacher, classNo, lesson))))
    return;
  const Change change = TakeLessonFromTeacher(context_.school, teacher, classNo, lesson);
  ApplyChange(context_, change, TeacherLessonNotice);
  TeacherChosen();
  const int next = RowAfterTakeAway(row + 1, teleGrid_->FilledRows(), change.number);
  if (next > 0) teleGrid_->SelectRow(next - 1);
  teleGrid_->setFocus(Qt::OtherFocusReason);
}

void TOgrDrsForm::NullBtnClick() {
  if (!bosDersForm_->Open()) return;
  rememberedLesson_ = bosDersForm_->selectedLesson();
  const int row = classGrid_->RowOfNumber(bosDersForm_->selectedClass());
  if (row >= 0) classGrid_->SelectRow(row);
  ClassChosen();
  clLeGrid_->setFocus(Qt::OtherFocusReason);
}

}  // namespace kalvodrin
