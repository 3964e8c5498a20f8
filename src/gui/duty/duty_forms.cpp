#include "gui/duty/duty_forms.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/school.h"
#include "duty/duties.h"
#include "duty/duty_rows.h"
#include "gui/common/apply_change.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/common/search_box.h"
#include "gui/duty/duty_chart_form.h"
#include "gui/duty/duty_place_forms.h"
#include "gui/duty/duty_proposal_form.h"

namespace kalvodrin {
namespace {

ListGrid* Grid(QWidget* parent, const char* name, const std::vector<ListColumn>& columns,
               std::initializer_list<int> hidden) {
  auto* grid = new ListGrid(parent);
  grid->setObjectName(name);
  grid->GrowToTexts();
  grid->SetColumns(ColumnHeaders(columns), hidden);
  return grid;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(U8(caption), parent);
  button->setObjectName(name);
  // No button of this window acts on Enter: the grids take it to give a duty, and
  // elsewhere it must not reach "Sil" or "Temizle".
  button->setAutoDefault(false);
  return button;
}

QVBoxLayout* Column(std::initializer_list<QWidget*> widgets) {
  auto* column = new QVBoxLayout;
  for (QWidget* w : widgets) column->addWidget(w, qobject_cast<ListGrid*>(w) != nullptr ? 1 : 0);
  return column;
}

bool Apply(const AppContext& context, const Change& change) {
  return ApplyChange(context, change, [](const Change& c) { return DutyNoticeText(c.outcome); });
}

}  // namespace

TNobetVerForm::TNobetVerForm(AppContext context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      teacherGrid_(Grid(this, "TeacherGrid", DutyTeacherColumns(), {0})),
      nobetGrid_(Grid(this, "NobetGrid", TeacherDutyColumns(), {0, 1, 2})),
      yerGrid_(Grid(this, "YerGrid", DutyPlacePickColumns(), {0})),
      gunGrid_(Grid(this, "GunGrid", DayColumns(), {})),
      varGrid_(Grid(this, "VarGrid", OnDutyColumns(), {0, 1, 2})),
      label3_(new QLabel(this)),
      checkBox1_(new QCheckBox(U8("Yalnız Hafta İçi"), this)),
      delBtn_(Button(this, "DelBtn", "Sil")),
      del2Btn_(Button(this, "Del2Btn", "Sil")),
      placesForm_(new TNobetForm(context, this)),
      chartForm_(new TBosYerForm(context, this)),
      proposalForm_(new TNobetOneriForm(context, this)) {
  setObjectName("TNobetVerForm");
  setWindowTitle(U8("ÖĞRETMENLERE NÖBET DAĞITIMI"));
  new SearchBox(teacherGrid_, 2);
  label3_->setObjectName("Label3");
  checkBox1_->setObjectName("CheckBox1");
  delBtn_->setEnabled(false);
  del2Btn_->setEnabled(false);
  QPushButton* nobetYerBtn = Button(this, "NobetYerBtn", "Nöbet Yer.");
  QPushButton* cizelgeBtn = Button(this, "CizelgeBtn", "Çizelge");
  QPushButton* temizleBtn = Button(this, "TemizleBtn", "Temizle");
  QPushButton* oneriBtn = Button(this, "OneriBtn", "Adil Öneri");
  QPushButton* kapatBtn = Button(this, "KapatBtn", "Kapat");

  auto* varHeading =
      new QLabel(U8("BU GÜNDE BU NÖBET YERİNDE AŞAĞIDAKİ\nÖĞRETMENLERİN NÖBETİ VAR"), this);
  auto* grids = new QHBoxLayout;
  grids->addLayout(Column({teacherGrid_}), 3);
  grids->addLayout(Column({label3_, nobetGrid_, delBtn_}), 3);
  grids->addLayout(Column({yerGrid_, gunGrid_}), 2);
  grids->addLayout(Column({varHeading, varGrid_, del2Btn_}), 3);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(checkBox1_);
  buttons->addStretch();
  for (QPushButton* b : {nobetYerBtn, cizelgeBtn, oneriBtn, temizleBtn, kapatBtn})
    buttons->addWidget(b);
  auto* main = new QVBoxLayout(this);
  main->addLayout(grids, 1);
  main->addLayout(buttons);

  connect(teacherGrid_, &QTableWidget::itemSelectionChanged, this, [this] {
    if (!filling_) TeacherSelected();
  });
  connect(yerGrid_, &QTableWidget::itemSelectionChanged, this, [this] {
    if (!filling_) PlaceSelected();
  });
  connect(gunGrid_, &QTableWidget::itemSelectionChanged, this, [this] {
    if (!filling_) FillOnDuty();
  });
  connect(yerGrid_, &ListGrid::EditRequested, this, [this] { GiveSelected(); });
  connect(gunGrid_, &ListGrid::EditRequested, this, [this] { GiveSelected(); });
  focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                        [this](QWidget*, QWidget* now) { FocusMoved(now); });
  connect(checkBox1_, &QCheckBox::toggled, this, [this](bool ticked) {
    if (filling_) return;
    if (!Apply(context_, SetWeekdaysOnly(context_.school, ticked))) return;
    // A weekend day selected before leaves the list: the day now selected has its
    // own teachers on duty.
    FillDays();
    FillOnDuty();
  });
  connect(delBtn_, &QPushButton::clicked, this, [this] { DelBtnClick(); });
  connect(del2Btn_, &QPushButton::clicked, this, [this] { Del2BtnClick(); });
  connect(nobetYerBtn, &QPushButton::clicked, this, [this] { NobetYerBtnClick(); });
  connect(cizelgeBtn, &QPushButton::clicked, this, [this] { CizelgeBtnClick(); });
  connect(oneriBtn, &QPushButton::clicked, this, [this] { OneriBtnClick(); });
  connect(temizleBtn, &QPushButton::clicked, this, [this] { TemizleBtnClick(); });
  connect(kapatBtn, &QPushButton::clicked, this, &QDialog::accept);
  auto* keys = new KeyLine(this);
  keys->Show(U8("Çift tık / Enter (yer, gün)"), U8("Nöbet ver"));
  // The duty removed is the one selected in the list that has the focus.
  keys->Bind({QKeySequence(Qt::Key_F7), QKeySequence(Qt::Key_Delete)}, U8("Nöbeti sil"), [this] {
    if (nobetGrid_->hasFocus()) DelBtnClick();
    if (varGrid_->hasFocus()) Del2BtnClick();
  });
  BindHelpKey(this, context_.help, HelpTopicPage(137));
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("Kapat"));
  main->addWidget(keys);
  resize(1000, 560);
}

// The grids go before the window's own connections do; a focus change while they are
// torn down must not reach them.
TNobetVerForm::~TNobetVerForm() { disconnect(focusWatch_); }

void TNobetVerForm::OpenFor(int teacher) {
  if (teacher != 0) handedTeacher_ = teacher;
  exec();
}

void TNobetVerForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

void TNobetVerForm::FormActivate() {
  filling_ = true;
  checkBox1_->setChecked(context_.school.Settings.weekdaysOnly != 0);
  teacherGrid_->SetRows(ToQtRows(DutyTeacherRows(context_.school)));
  if (const int row = teacherGrid_->RowOfNumber(handedTeacher_); row >= 0)
    teacherGrid_->SelectRow(row);
  else if (teacherGrid_->SelectedRow() < 0)
    teacherGrid_->SelectRow(0);
  yerGrid_->SetRows(ToQtRows(DutyPlacePickRows(context_.school)));
  if (yerGrid_->SelectedRow() < 0) yerGrid_->SelectRow(0);
  FillDays();
  if (gunGrid_->SelectedRow() < 0) gunGrid_->SelectRow(0);
  filling_ = false;
  TeacherSelected();
  teacherGrid_->setFocus();
}

void TNobetVerForm::TeacherSelected() {
  const int teacher = SelectedTeacher();
  if (teacher != 0) handedTeacher_ = teacher;
  const TTeacherRec* t = context_.school.TeacherByNo(teacher);
  label3_->setText(t != nullptr ? FromCp1254(t->name.view()) + U8("  - NÖBET GÜNLERİ") : QString());
  FillTeacherDuties();
  FillOnDuty();
}

void TNobetVerForm::PlaceSelected() {
  FillOnDuty();
  FillDays();
}

void TNobetVerForm::FillTeacherDuties() {
  nobetGrid_->SetRows(ToQtRows(TeacherDutyRows(context_.school, SelectedTeacher())));
  if (nobetGrid_->FilledRows() == 0) delBtn_->setEnabled(false);
}

void TNobetVerForm::FillOnDuty() {
  varGrid_->SetRows(ToQtRows(OnDutyRows(context_.school, SelectedPlace(), SelectedDay())));
  if (varGrid_->FilledRows() == 0) del2Btn_->setEnabled(false);
}

void TNobetVerForm::FillDays() {
  const bool wasFilling = filling_;
  filling_ = true;  // the day stays selected; its teachers are refilled by the caller
  gunGrid_->SetRows(ToQtRows(DayRows(context_.school, SelectedPlace())));
  if (gunGrid_->SelectedRow() < 0) gunGrid_->SelectRow(0);
  filling_ = wasFilling;
}

void TNobetVerForm::RefillAll() { FormActivate(); }

void TNobetVerForm::FocusMoved(QWidget* now) {
  if (now == nobetGrid_) {
    delBtn_->setEnabled(nobetGrid_->FilledRows() > 0);
    del2Btn_->setEnabled(false);
  } else if (now == varGrid_) {
    del2Btn_->setEnabled(varGrid_->FilledRows() > 0);
    delBtn_->setEnabled(false);
  } else if (now == teacherGrid_ || now == yerGrid_ || now == gunGrid_) {
    delBtn_->setEnabled(false);
    del2Btn_->setEnabled(false);
  }
}

int TNobetVerForm::SelectedTeacher() const { return teacherGrid_->SelectedNumber(); }
int TNobetVerForm::SelectedPlace() const { return yerGrid_->SelectedNumber(); }
int TNobetVerForm::SelectedDay() const {
  return gunGrid_->SelectedRow() < 0 ? 0 : gunGrid_->SelectedRow() + 1;
}

void TNobetVerForm::GiveSelected() {
  const int place = SelectedPlace();
  const int day = SelectedDay();
  if (place == 0 || day == 0) return;
  if (!Apply(context_, GiveDuty(context_.school, place, day, SelectedTeacher()))) return;
  FillTeacherDuties();
  FillDays();
  FillOnDuty();
}

void TNobetVerForm::RemoveFrom(ListGrid* grid) {
  const int row = grid->SelectedRow();
  if (row < 0 || row >= grid->FilledRows()) return;
  const int place = grid->NumberAt(row, 0);
  const int day = grid->NumberAt(row, 1);
  const int teacher = grid->NumberAt(row, 2);
  if (!context_.sil.Confirm(U8(RemoveDutyConfirmText(context_.school, place, day, teacher))))
    return;
  if (!Apply(context_, RemoveDuty(context_.school, place, day, teacher))) return;
  FillTeacherDuties();
  FillDays();
  FillOnDuty();
  grid->setFocus();
}

void TNobetVerForm::DelBtnClick() { RemoveFrom(nobetGrid_); }
void TNobetVerForm::Del2BtnClick() { RemoveFrom(varGrid_); }

void TNobetVerForm::TemizleBtnClick() {
  if (!context_.sil.Confirm(U8(kRemoveAllDutiesConfirm))) return;
  if (Apply(context_, RemoveAllDuties(context_.school))) RefillAll();
}

void TNobetVerForm::NobetYerBtnClick() {
  placesForm_->exec();
  RefillAll();
}

void TNobetVerForm::CizelgeBtnClick() {
  if (context_.school.DutyPlaces.empty()) return;
  chartForm_->Show(SelectedPlace());
}

void TNobetVerForm::OneriBtnClick() {
  if (proposalForm_->Propose()) RefillAll();
}

}  // namespace kalvodrin
