#include "gui/common/edit_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/apply_change.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_filters.h"
#include "gui/common/qt_text.h"

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
  buttons->addStretch(1);
  buttons->addWidget(kaydetBtn_);
  buttons->addWidget(iptalBtn_);
  main->addLayout(buttons);
  connect(kaydetBtn_, &QPushButton::clicked, this, &EditWindow::KaydetBtnClick);
  connect(iptalBtn_, &QPushButton::clicked, this, &QDialog::reject);
  if (spec_.helpTopic != 0) BindHelpKey(this, context_.help, HelpTopicPage(spec_.helpTopic));
}

QLineEdit* EditWindow::AddField(const QString& objectName, const QString& label,
                                int maxLength) {
  auto* field = new QLineEdit(this);
  field->setObjectName(objectName);
  if (maxLength > 0) field->setMaxLength(maxLength);
  InstallKeyFilter(field, FieldKind::kTurkishUpper);
  fields_->addRow(label, field);
  WatchField(field);
  if (firstField_ == nullptr) firstField_ = field;
  return field;
}

bool EditWindow::Valid() const { return firstField_ != nullptr && !firstField_->text().isEmpty(); }

void EditWindow::WatchField(QLineEdit* field) {
  connect(field, &QLineEdit::textChanged, this, &EditWindow::UpdateButton);
}

void EditWindow::UpdateButton() { kaydetBtn_->setEnabled(Valid()); }

bool EditWindow::Edit(int number) {
  number_ = number;
  ShowRecord(number);
  UpdateButton();
  if (QLayoutItem* first = fields_->itemAt(0, QFormLayout::FieldRole))
    if (first->widget() != nullptr) first->widget()->setFocus(Qt::OtherFocusReason);
  return exec() == QDialog::Accepted;
}

void EditWindow::KaydetBtnClick() {
  if (!Valid()) return;
  if (ApplyChange(context_, Store(number_), spec_.texts.refusal)) accept();
}

NameEditWindow::NameEditWindow(AppContext context, EditWindowSpec spec, NameEditSpec name,
                               QWidget* parent)
    : EditWindow(context, std::move(spec), parent), name_(std::move(name)) {
  edit1_ = AddField("Edit1", name_.label);
}

void NameEditWindow::ShowRecord(int number) {
  edit1_->setText(FromCp1254(name_.name(context().school, number)));
}

Change NameEditWindow::Store(int number) {
  return name_.store(context().school, number, ToRecordText(edit1_->text()));
}

}  // namespace kalvodrin
