#include "gui/masterdata/hours_forms.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/field_text.h"
#include "core/school.h"
#include "gui/common/apply_change.h"
#include "gui/common/focus_return.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_filters.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/masterdata/record_texts.h"
#include "masterdata/class_hours.h"
#include "masterdata/list_rows.h"

namespace kalvodrin {
namespace {

QLineEdit* HourBox(QWidget* parent, int n) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString("Edit%1").arg(n));
  box->setMaxLength(2);
  box->setMaximumWidth(44);
  InstallKeyFilter(box, FieldKind::kDigits);
  return box;
}

}  // namespace

TSaatlerForm::TSaatlerForm(AppContext context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName("TSaatlerForm");
  setWindowTitle(U8("DERS BAŞLANGIÇ SAATLERİ"));
  setModal(true);
  auto* main = new QVBoxLayout(this);
  auto* boxes = new QGridLayout;
  for (int h = 0; h < 16; ++h) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString("Edit%1").arg(h + 1));
    edit->setMaximumWidth(72);
    edit->setMaxLength(5);  // what the settings record stores of a start time
    InstallKeyFilter(edit, FieldKind::kTurkishUpper);
    edits_[static_cast<std::size_t>(h)] = edit;
    const int column = h / 8 * 2;
    boxes->addWidget(new QLabel(QString::number(h + 1), this), h % 8, column, Qt::AlignRight);
    boxes->addWidget(edit, h % 8, column + 1);
  }
  main->addLayout(boxes);
  // The times are stored as typed; the example shows the usual way to write them.
  auto* example = new QLabel(U8("Örnek: 08:30"), this);
  example->setObjectName("OrnekLabel");
  main->addWidget(example);
  auto* buttons = new QHBoxLayout;
  auto* kaydet = new QPushButton(U8("KAYDET"), this);
  kaydet->setObjectName("KaydetBtn");
  kaydet->setDefault(true);
  auto* iptal = new QPushButton(U8("İPTALET"), this);
  iptal->setObjectName("IptalBtn");
  iptal->setAutoDefault(false);
  buttons->addStretch(1);
  buttons->addWidget(kaydet);
  buttons->addWidget(iptal);
  main->addLayout(buttons);
  connect(kaydet, &QPushButton::clicked, this, &TSaatlerForm::KaydetBtnClick);
  connect(iptal, &QPushButton::clicked, this, &QDialog::reject);
  auto* keys = new KeyLine(this);
  keys->Bind({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_S)}, U8("Kaydet"),
             [this] { KaydetBtnClick(); });
  keys->Show("Enter", U8("Kaydet"));
  BindHelpKey(this, context_.help, HelpTopicPage(134));
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("İptal"));
  main->addWidget(keys);
}

bool TSaatlerForm::Open() {
  const std::array<std::string, 16> texts = StartTimeTexts(context_.school);
  for (std::size_t h = 0; h < texts.size(); ++h) edits_[h]->setText(FromCp1254(texts[h]));
  edits_[0]->setFocus(Qt::OtherFocusReason);
  return ExecReturningFocus(*this) == QDialog::Accepted;
}

void TSaatlerForm::KaydetBtnClick() {
  std::array<std::string, 16> texts;
  for (std::size_t h = 0; h < texts.size(); ++h) texts[h] = ToRecordText(edits_[h]->text());
  const Change change = SaveStartTimes(context_.school, texts);
  if (change.outcome == Outcome::kBadStartTime) {
    // The window stays open on the box to mend; nothing was stored.
    const auto box = static_cast<std::size_t>(change.number - 1);
    context_.sil.Notice(U8(StartTimeNotice(change.number, texts[box])));
    edits_[box]->setFocus(Qt::OtherFocusReason);
    edits_[box]->selectAll();
    return;
  }
  if (ApplyChange(context_, change, RefusalOf(EntityKind::kClass))) accept();
}

TGDSForm::TGDSForm(AppContext context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName("TGDSForm");
  setWindowTitle(U8("HAFTALIK DERS SAATLERİ"));
  setModal(true);
  grid_ = new ListGrid(this);
  grid_->setObjectName("Grid");
  grid_->SetColumns(ColumnHeaders(ClassHoursColumns()), {0});
  QGridLayout* days = BuildDayBoxes();
  auto* saatlerBtn = new QPushButton(U8("DERSE GİRİŞ SAATLERİ"), this);
  saatlerBtn->setObjectName("SaatlerBtn");
  saatlerBtn->setAutoDefault(false);
  days->addWidget(saatlerBtn, 8, 0, 1, 3);
  days->setRowStretch(9, 1);
  auto* sides = new QHBoxLayout;
  sides->addWidget(grid_, 1);
  sides->addLayout(days);
  auto* keys = new KeyLine(this);
  auto* main = new QVBoxLayout(this);
  main->addLayout(sides, 1);
  main->addWidget(keys);

  for (QLineEdit* box : boxes_) {
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, &TGDSForm::BoxChanged);
  }
  connect(grid_, &QTableWidget::itemSelectionChanged, this, &TGDSForm::ShowSelectedClass);
  connect(saatlerBtn, &QPushButton::clicked, this, &TGDSForm::SaatlerBtnClick);
  keys->Show(U8("Yazınca"), U8("Kaydedilir"));
  keys->Bind({QKeySequence(Qt::Key_F5)}, U8("Üstteki sınıftan kopyala"),
             [this] { CopyFromAbove(); });
  keys->Bind({QKeySequence(Qt::Key_F9)}, U8("Derse giriş saatleri"), [this] { SaatlerBtnClick(); });
  BindHelpKey(this, context_.help, HelpTopicPage(111));
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("Kapat"));
  saatlerForm_ = new TSaatlerForm(context_, this);
  resize(620, 440);
}

// A label and two boxes per day; Saturday and Sunday are there but hidden: they have
// no lesson hours.
QGridLayout* TGDSForm::BuildDayBoxes() {
  auto* days = new QGridLayout;
  days->addWidget(new QLabel(U8("İLK SAAT"), this), 0, 1);
  days->addWidget(new QLabel(U8("SON SAAT"), this), 0, 2);
  for (int d = 1; d <= 7; ++d) {
    auto* label = new QLabel(U8(DayName(d)), this);
    QLineEdit* first = HourBox(this, 2 * d - 1);
    QLineEdit* last = HourBox(this, 2 * d);
    days->addWidget(label, d, 0);
    days->addWidget(first, d, 1);
    days->addWidget(last, d, 2);
    if (d > 5) {
      for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(first),
                         static_cast<QWidget*>(last)})
        w->hide();
      continue;
    }
    boxes_[static_cast<std::size_t>(2 * d - 2)] = first;
    boxes_[static_cast<std::size_t>(2 * d - 1)] = last;
  }
  return days;
}

void TGDSForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TGDSForm::FormActivate() {
  editedClass_ = 0;
  grid_->SetRows(ToQtRows(ClassHoursRows(context_.school)));
  ShowSelectedClass();
  grid_->setFocus(Qt::OtherFocusReason);
}

void TGDSForm::ShowSelectedClass() {
  const ClassHourTexts texts =
      ClassHourTextsOf(ClassHoursOf(context_.school, grid_->SelectedNumber()));
  showing_ = true;
  for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setText(U8(texts[i]));
  showing_ = false;
}

void TGDSForm::BoxChanged() {
  if (showing_ || editedClass_ == 0) return;
  ClassHourTexts texts;
  for (std::size_t i = 0; i < boxes_.size(); ++i) texts[i] = boxes_[i]->text().toStdString();
  const std::optional<ClassHours> hours = ClassHoursFromTexts(texts);
  if (!hours) return;  // an empty box suspends writing
  // A refused set is not stored; the user is told when the box is left, not while
  // still typing.
  const Change change = SetClassHours(context_.school, editedClass_, *hours);
  if (change.done()) ApplyChange(context_, change, RefusalOf(EntityKind::kClass));
}

bool TGDSForm::IsBox(const QWidget* widget) const {
  for (const QLineEdit* box : boxes_)
    if (box == widget) return true;
  return false;
}

bool TGDSForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    editedClass_ = grid_->SelectedNumber();
    beforeTyping_ = ClassHoursOf(context_.school, editedClass_);
  } else if (event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      LeaveBox();
      if (!IsBox(QApplication::focusWidget())) editedClass_ = 0;
    }
  }
  return QDialog::eventFilter(watched, event);
}

// A box loses the focus. When the ten boxes then hold a set that is refused, the user
// is told, and the class gets back the hours it had before this box was typed into:
// what was stored on the way (a last hour of 17 passes through 1) is undone too.
void TGDSForm::LeaveBox() {
  const int classNo = editedClass_;
  // Kept aside: while the notice is up, the box clicked to leave this one may take
  // the focus and note the class's hours as they stand, with the value on the way.
  const ClassHours before = beforeTyping_;
  if (classNo == 0) return;
  ClassHourTexts texts;
  for (std::size_t i = 0; i < boxes_.size(); ++i) texts[i] = boxes_[i]->text().toStdString();
  const std::optional<ClassHours> hours = ClassHoursFromTexts(texts);
  if (!hours) return;  // an empty box: the last complete set stays stored
  const Change check = CheckClassHours(*hours);
  if (check.done()) return;
  context_.sil.Notice(U8(NoticeText(check.outcome, EntityKind::kClass, check.day)));
  ApplyChange(context_, SetClassHours(context_.school, classNo, before),
              RefusalOf(EntityKind::kClass));
  beforeTyping_ = before;
  ShowSelectedClass();
}

void TGDSForm::LeaveBoxes() {
  LeaveBox();
  editedClass_ = 0;
}

void TGDSForm::CopyFromAbove() {
  const int classNo = grid_->SelectedNumber();
  if (classNo == 0) return;
  LeaveBox();
  ApplyChange(context_, CopyClassHoursFromAbove(context_.school, classNo),
              RefusalOf(EntityKind::kClass));
  ShowSelectedClass();
  // The cursor stays in its box, so what is typed next edits this class as before; a
  // refused entry then falls back to the copied hours.
  if (editedClass_ != 0) {
    editedClass_ = classNo;
    beforeTyping_ = ClassHoursOf(context_.school, classNo);
  }
}

void TGDSForm::SaatlerBtnClick() {
  LeaveBoxes();
  saatlerForm_->Open();
}

void TGDSForm::done(int result) {
  LeaveBoxes();
  QDialog::done(result);
}

}  // namespace kalvodrin
