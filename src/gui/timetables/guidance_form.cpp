#include "gui/timetables/guidance_form.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/field_text.h"
#include "core/school.h"
#include "core/storage.h"
#include "gui/common/apply_change.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_filters.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/common/search_box.h"
#include "gui/timetables/settings_fields.h"
#include "masterdata/entry_text.h"

namespace kalvodrin {
namespace {

QComboBox* DayBox(const char* name) {
  auto* box = new QComboBox;
  box->setObjectName(name);
  for (int day = 1; day <= kDays; ++day) box->addItem(U8(DayName(day)));
  return box;
}

QLineEdit* HourBox(const char* name) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  edit->setMaxLength(2);
  InstallKeyFilter(edit, FieldKind::kDigits);
  return edit;
}

QGroupBox* Slot(const char* title, QComboBox* day, QLineEdit* hour) {
  auto* group = new QGroupBox(U8(title));
  auto* form = new QFormLayout(group);
  form->addRow(U8("GÜN"), day);
  form->addRow(U8("SAAT"), hour);
  return group;
}

}  // namespace

TRehberlikForm::TRehberlikForm(AppContext context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      grid_(new ListGrid),
      edit1_(new QLineEdit),
      comboBox1_(DayBox("ComboBox1")),
      edit2_(HourBox("Edit2")),
      comboBox2_(DayBox("ComboBox2")),
      edit3_(HourBox("Edit3")) {
  setObjectName("TRehberlikForm");
  setWindowTitle(U8("REHBERLİK DERSİ "));
  grid_->setObjectName("Grid");
  grid_->GrowToTexts();
  grid_->SetColumns(ColumnHeaders(GuidanceColumns()), {0});
  grid_->setColumnWidth(1, 220);
  new SearchBox(grid_, 1);
  edit1_->setObjectName("Edit1");
  edit1_->setReadOnly(true);
  edit1_->installEventFilter(this);

  auto* heading = new QLabel(U8("REHBERLİK DERSİ  VE REHBERLİK DERSİ İÇİN SABİT YER TANIMLA"));
  heading->setWordWrap(true);
  auto* lessonRow = new QFormLayout;
  lessonRow->addRow(U8("DERSİN ADI"), edit1_);
  auto* slotRow = new QHBoxLayout;
  slotRow->addWidget(Slot("SABAHÇI SINIFLAR", comboBox1_, edit2_));
  slotRow->addWidget(Slot("ÖĞLENCİ SINIFLAR", comboBox2_, edit3_));
  auto* buttons = new QHBoxLayout;
  connect(AddButton(buttons, U8("Tamam"), "BitBtn1"), &QPushButton::clicked, this,
          [this] { TamamClick(); });
  connect(AddButton(buttons, U8("İptal"), "BitBtn2"), &QPushButton::clicked, this,
          &QDialog::reject);

  auto* right = new QVBoxLayout;
  right->addWidget(heading);
  right->addLayout(lessonRow);
  right->addLayout(slotRow);
  right->addWidget(new QLabel(U8("F7: REHBERLİK DERSİNİ KALDIRIR")));
  right->addStretch();
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addLayout(right, 1);
  resize(760, 420);

  connect(grid_, &ListGrid::EditRequested, this, [this] { ChooseSelectedLesson(); });
  KeyLine* keys = SettingsKeyLine(this, context_.help, HelpTopicPage(123), U8("Tamam"),
                                  [this] { TamamClick(); });
  keys->Bind({QKeySequence(Qt::Key_F7)}, U8("Rehberlik dersini kaldır"), [this] { Clear(); });
  right->addWidget(keys);
}

void TRehberlikForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ReloadSettings(context_);
  grid_->SetRows(ToQtRows(GuidanceRows(context_.school)));
  entry_ = GuidanceEntryOf(context_.school);
  comboBox1_->setCurrentIndex(entry_.dayMorning - 1);
  comboBox2_->setCurrentIndex(entry_.dayAfternoon - 1);
  edit2_->setText(U8(entry_.hourMorning));
  edit3_->setText(U8(entry_.hourAfternoon));
  ShowLesson();
  const int row = grid_->RowOfNumber(entry_.lesson);
  grid_->SelectRow(row < 0 ? 0 : row);
  grid_->setFocus();
}

bool TRehberlikForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit1_ && event->type() == QEvent::MouseButtonDblClick) {
    Clear();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TRehberlikForm::ShowLesson() {
  const TLessonRec* l = context_.school.LessonByNo(entry_.lesson);
  edit1_->setText(l != nullptr ? FromCp1254(l->name.view()) : QString());
}

void TRehberlikForm::ChooseSelectedLesson() {
  const int lesson = grid_->SelectedNumber(0);
  if (lesson == 0) return;
  entry_.lesson = lesson;
  ShowLesson();
}

void TRehberlikForm::Clear() {
  ClearGuidance(entry_);
  ShowLesson();
  edit2_->clear();
  edit3_->clear();
}

void TRehberlikForm::TamamClick() {
  GuidanceEntry e = entry_;
  e.dayMorning = comboBox1_->currentIndex() + 1;
  e.dayAfternoon = comboBox2_->currentIndex() + 1;
  e.hourMorning = edit2_->text().toStdString();
  e.hourAfternoon = edit3_->text().toStdString();
  const TSettingsRec before = context_.school.Settings;
  const Change c = StoreGuidance(context_.school, e);
  if (c.done()) {
    if (const Status s = SaveFiles(context_.school, {DataFile::kSettings}, context_.Disk()); !s) {
      context_.school.Settings = before;
      context_.sil.Notice(U8(s.message()));
      return;
    }
    accept();
    return;
  }
  context_.sil.Notice(U8(NoticeText(c.outcome, EntityKind::kLesson)));
}

}  // namespace kalvodrin
