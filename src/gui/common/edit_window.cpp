#include "gui/common/edit_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/apply_change.h"
#include "gui/common/enter_moves.h"
#include "gui/common/focus_return.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_filters.h"
#include "gui/common/key_line.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/common/save_reason.h"

namespace kalvodrin {

EditWindow::EditWindow(AppContext context, EditWindowSpec spec, QWidget* parent)
    : QDialog(parent), context_(context), spec_(std::move(spec)) {
  setWindowTitle(spec_.caption);
  setModal(true);
  setMinimumWidth(440);  // a 30-letter name fits its field
  auto* main = new QVBoxLayout(this);
  fields_ = new QFormLayout;
  main->addLayout(fields_);
  auto* buttons = new QHBoxLayout;
  kaydetBtn_ = new QPushButton(spec_.kaydetCaption, this);
  kaydetBtn_->setObjectName("KaydetBtn");
  kaydetBtn_->setDefault(true);
  iptalBtn_ = new QPushButton(spec_.iptalCaption, this);
  iptalBtn_->setObjectName("IptalBtn");
  iptalBtn_->setAutoDefault(false);
  reasonLabel_ = ReasonLabel(this);
  reasonLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  buttons->addWidget(reasonLabel_, 1);
  buttons->addStretch(0);
  buttons->addWidget(kaydetBtn_);
  buttons->addWidget(iptalBtn_);
  main->addLayout(buttons);
  connect(kaydetBtn_, &QPushButton::clicked, this, &EditWindow::KaydetBtnClick);
  connect(iptalBtn_, &QPushButton::clicked, this, &QDialog::reject);
  enterMoves_ = new EnterMoves(this, [this] { KaydetBtnClick(); });
  auto* keys = new KeyLine(this);
  keys->Bind({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_S)}, U8("Kaydet"),
             [this] { KaydetBtnClick(); });
  keys->Show("Enter", U8("Sonraki alan"));
  if (spec_.helpTopic != 0) {
    BindHelpKey(this, context_.help, HelpTopicPage(spec_.helpTopic));
    keys->Show("F1", U8("Yardım"));
  }
  keys->Show("Esc", U8("İptal"));
  main->addWidget(keys);
}

QLineEdit* EditWindow::AddField(const QString& objectName, const QString& label,
                                int maxLength) {
  auto* field = new QLineEdit(this);
  field->setObjectName(objectName);
  if (maxLength > 0) field->setMaxLength(maxLength);
  InstallKeyFilter(field, FieldKind::kTurkishUpper);
  fields_->addRow(label, field);
  WatchField(field);
  enterMoves_->Add(field);
  textFields_.push_back(field);
  if (firstField_ == nullptr) {
    firstField_ = field;
    firstLabel_ = label;
  }
  return field;
}

void EditWindow::SetEnterOrder(const std::vector<QWidget*>& boxes) {
  delete enterMoves_;
  enterMoves_ = new EnterMoves(this, [this] { KaydetBtnClick(); });
  for (QWidget* box : boxes) enterMoves_->Add(box);
}

bool EditWindow::Valid() const { return firstField_ != nullptr && !firstField_->text().isEmpty(); }

QString EditWindow::SaveBlockedReason() const {
  if (firstField_ == nullptr || !firstField_->text().isEmpty()) return {};
  return MissingFieldReason(firstLabel_);
}

void EditWindow::WatchField(QLineEdit* field) {
  connect(field, &QLineEdit::textChanged, this, &EditWindow::UpdateButton);
}

void EditWindow::UpdateButton() {
  const bool valid = Valid();
  kaydetBtn_->setEnabled(valid);
  ShowReason(reasonLabel_, valid ? QString() : SaveBlockedReason());
}

bool EditWindow::Edit(int number) {
  number_ = number;
  ShowRecord(number);
  UpdateButton();
  if (QLayoutItem* first = fields_->itemAt(0, QFormLayout::FieldRole))
    if (first->widget() != nullptr) first->widget()->setFocus(Qt::OtherFocusReason);
  return ExecReturningFocus(*this) == QDialog::Accepted;
}

void EditWindow::KaydetBtnClick() {
  if (!Valid()) return;
  if (spec_.texts.duplicateQuestion) {
    std::vector<std::string> texts;
    for (const QLineEdit* field : textFields_) texts.push_back(ToRecordText(field->text()));
    const std::string question = spec_.texts.duplicateQuestion(context_.school, texts, number_);
    if (!question.empty() && !context_.sil.Confirm(U8(question))) return;
  }
  if (ApplyChange(context_, Store(number_), spec_.texts.refusal)) accept();
}

NameEditWindow::NameEditWindow(AppContext context, EditWindowSpec spec, NameEditSpec name,
                               int maxLength, QWidget* parent)
    : EditWindow(context, std::move(spec), parent), name_(std::move(name)) {
  edit1_ = AddField("Edit1", name_.label, maxLength);
}

void NameEditWindow::ShowRecord(int number) {
  edit1_->setText(FromCp1254(name_.name(context().school, number)));
}

Change NameEditWindow::Store(int number) {
  return name_.store(context().school, number, ToRecordText(edit1_->text()));
}

}  // namespace kalvodrin
