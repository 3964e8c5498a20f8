#include "gui/assignments/common_lessons_form.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/pick_rows.h"
#include "core/school.h"
#include "curriculum/common_lessons.h"
#include "curriculum/curriculum_rows.h"
#include "curriculum/curriculum_texts.h"
#include "gui/assignments/grid_panels.h"
#include "gui/common/apply_change.h"
#include "gui/common/focus_colouring.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"

namespace kalvodrin {

TOrtakForm::TOrtakForm(AppContext context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName("TOrtakForm");
  setWindowTitle(U8("ORTAK DERSLER"));
  setModal(true);
  classGrid_ = NewGrid(this, "ClassGrid", ClassPickColumns());
  clLeGrid_ = NewGrid(this, "ClLeGrid", ClassLessonPickColumns());
  cmnGrid_ = NewGrid(this, "CmnGrid", CommonGroupColumns());
  commonGrid_ = NewGrid(this, "CommonGrid", CommonMemberColumns());
  NewSearchBox(classGrid_, 1, "ClSearchEd");
  NewSearchBox(clLeGrid_, 2, "LeSearchEd");
  auto* newBtn = NewButton(this, "NewBtn", U8("YENİ ORTAK DERS AÇ"));
  delBtn_ = NewButton(this, "DelBtn", U8("SEÇİLİ ORTAK DERSİ SİL"));
  auto* cikisBtn = NewButton(this, "CikisBtn", U8("ÇIKIŞ"));

  auto* grids = new QHBoxLayout;
  grids->addLayout(Captioned(this, U8("SINIFLAR"), classGrid_), 2);
  grids->addLayout(Captioned(this, U8("SINIFTA OKUTULAN DERSLER"), clLeGrid_), 3);
  grids->addLayout(Captioned(this, U8("ORTAK DERSLER"), cmnGrid_), 1);
  grids->addLayout(Captioned(this, U8("ORTAK DERSİN SINIFLARI"), commonGrid_), 4);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(newBtn);
  buttons->addWidget(delBtn_);
  buttons->addStretch(1);
  buttons->addWidget(cikisBtn);
  auto* main = new QVBoxLayout(this);
  main->addLayout(grids, 1);
  main->addLayout(buttons);

  connect(classGrid_, &QTableWidget::itemSelectionChanged, this, &TOrtakForm::RefillClassLessons);
  connect(cmnGrid_, &QTableWidget::itemSelectionChanged, this, &TOrtakForm::RefillMembers);
  connect(clLeGrid_, &QTableWidget::cellClicked, this,
          [this](int, int) { rememberedLesson_ = clLeGrid_->SelectedNumber(1); });
  connect(clLeGrid_, &ListGrid::EditRequested, this, [this](int) { AddSelected(); });
  connect(classGrid_, &ListGrid::EditRequested, this, [this](int) { AddSelected(); });
  connect(newBtn, &QPushButton::clicked, this, &TOrtakForm::NewBtnClick);
  connect(delBtn_, &QPushButton::clicked, this, &TOrtakForm::DelBtnClick);
  connect(cikisBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(qApp, &QApplication::focusChanged, this, [this] { UpdateDelBtn(); });
  auto* keys = new KeyLine(this);
  keys->Show(U8("Çift tık / Enter"), U8("Sınıfın dersini ortak derse kat"));
  keys->Bind({QKeySequence(Qt::Key_F5)}, U8("Yeni ortak ders"), [this] { NewBtnClick(); });
  keys->BindIn(commonGrid_, {QKeySequence(Qt::Key_Delete)}, U8("Sınıfı ortak dersten çıkar"),
               [this] { DelBtnClick(); }, {QKeySequence(Qt::Key_F7)});
  BindHelpKey(this, context_.help, HelpTopicPage(114));
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("Kapat"));
  main->addWidget(keys);
  new FocusColouring({classGrid_, clLeGrid_, cmnGrid_, commonGrid_});
  resize(900, 480);
}

TOrtakForm::~TOrtakForm() { StopFollowingFocus(this); }

void TOrtakForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TOrtakForm::FormActivate() {
  Fill(classGrid_, ClassPickRows(context_.school), classGrid_->SelectedNumber());
  RefillClassLessons();
  RefillGroups(SelectedGroup());
  classGrid_->setFocus(Qt::OtherFocusReason);
}

int TOrtakForm::SelectedGroup() const { return cmnGrid_->SelectedNumber(); }

void TOrtakForm::RefillClassLessons() {
  Fill(clLeGrid_, ClassLessonPickRows(context_.school, classGrid_->SelectedNumber()),
       rememberedLesson_);
}

void TOrtakForm::RefillGroups(int selectGroup) {
  Fill(cmnGrid_, CommonGroupRows(context_.school), selectGroup);
  RefillMembers();
}

void TOrtakForm::RefillMembers() {
  Fill(commonGrid_, CommonMemberRows(context_.school, SelectedGroup()));
  UpdateDelBtn();
}

void TOrtakForm::UpdateDelBtn() {
  delBtn_->setEnabled(commonGrid_->hasFocus() && commonGrid_->FilledRows() > 0);
}

void TOrtakForm::NewBtnClick() {
  const Change change = NewCommonGroup(context_.school);
  if (change.outcome == Outcome::kOpenGroup || ApplyChange(context_, change, CurriculumNotice))
    RefillGroups(change.number);
  classGrid_->setFocus(Qt::OtherFocusReason);
}

void TOrtakForm::AddSelected() {
  const int group = SelectedGroup();
  const int classNo = classGrid_->SelectedNumber();
  const int lesson = clLeGrid_->SelectedNumber(1);
  if (group == 0 || classNo == 0 || lesson == 0) return;
  ApplyChange(context_, AddToCommonGroup(context_.school, group, classNo, lesson),
              CurriculumNotice);
  RefillMembers();
}

void TOrtakForm::DelBtnClick() {
  const int row = commonGrid_->SelectedRow();
  const int classNo = commonGrid_->NumberAt(row, 1);
  const int lesson = commonGrid_->NumberAt(row, 2);
  if (classNo == 0 || lesson == 0) return;
  const std::string question =
      RemoveMemberConfirm(context_.school, classNo, lesson, SelectedGroup());
  if (!context_.sil.Confirm(U8(question))) return;
  ApplyChange(context_, RemoveFromCommonGroup(context_.school, classNo, lesson),
              CurriculumNotice);
  RefillMembers();
  commonGrid_->SelectRow(row);
  commonGrid_->setFocus(Qt::OtherFocusReason);
}

void TOrtakForm::done(int result) {
  ApplyChange(context_, DissolveSmallGroups(context_.school), CurriculumNotice);
  QDialog::done(result);
}

}  // namespace kalvodrin
