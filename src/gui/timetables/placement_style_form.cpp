#include "gui/timetables/placement_style_form.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/school.h"
#include "gui/common/apply_change.h"
#include "gui/common/focus_return.h"
#include "gui/common/function_keys.h"
#include "gui/common/key_filters.h"
#include "gui/common/qt_text.h"
#include "gui/timetables/settings_fields.h"
#include "scheduler/placement_style.h"

namespace kalvodrin {
namespace {

QLineEdit* Field(const char* name, bool readOnly) {
  auto* f = new QLineEdit;
  f->setObjectName(name);
  f->setReadOnly(readOnly);
  return f;
}

}  // namespace

TNewLFForm::TNewLFForm(AppContext context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      edit1_(Field("Edit1", true)),
      edit2_(Field("Edit2", true)),
      edit3_(Field("Edit3", true)),
      edit4_(Field("Edit4", false)),
      edit5_(Field("Edit5", false)) {
  setObjectName("TNewLFForm");
  setWindowTitle(U8("YERLEŞTİRME BİÇİMİ"));
  InstallKeyFilter(edit4_, FieldKind::kYesNo);
  edit5_->setMaxLength(10);
  edit5_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9+]{0,10}"), edit5_));
  auto* form = new QFormLayout;
  form->addRow(U8("SINIFI"), edit1_);
  form->addRow(U8("DERSİN ADI"), edit2_);
  form->addRow(U8("HAFTALIK DERS SAATİ"), edit3_);
  form->addRow(U8("DERS BÖLÜNSÜN MÜ"), edit4_);
  form->addRow(U8("DERS NASIL YERLEŞSİN"), edit5_);
  auto* buttons = new QHBoxLayout;
  kaydet_ = AddButton(buttons, U8("KAYDET"), "KaydetBtn");
  connect(kaydet_, &QPushButton::clicked, this, [this] { KaydetBtnClick(); });
  connect(AddButton(buttons, U8("İPTALET"), "IptalBtn"), &QPushButton::clicked, this,
          &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
  for (QLineEdit* f : {edit4_, edit5_})
    connect(f, &QLineEdit::textChanged, this, [this] { CheckEntry(); });
  // Saving waits, as the button does, for an entry that can be stored.
  layout->addWidget(
      SettingsKeyLine(this, context_.help, "yerlestirme_bicimi", U8("Kaydet"), [this] {
        if (kaydet_->isEnabled()) KaydetBtnClick();
      }));
}

int TNewLFForm::OpenFor(int classNo, int lesson) {
  const PlacementStyleView v = PlacementStyleOf(context_.school, classNo, lesson);
  if (!v.found) return Rejected;
  classNo_ = classNo;
  lesson_ = lesson;
  edit1_->setText(U8(v.className));
  edit2_->setText(U8(v.lessonName));
  edit3_->setText(QString::number(v.weeklyHours));
  edit4_->setText(U8(v.entry.divisible));
  edit5_->setText(U8(v.entry.pattern));
  CheckEntry();
  edit4_->setFocus();
  return ExecReturningFocus(*this);
}

void TNewLFForm::CheckEntry() {
  kaydet_->setEnabled(PlacementStyleStorable(
      context_.school, lesson_, {edit4_->text().toStdString(), edit5_->text().toStdString()}));
}

void TNewLFForm::KaydetBtnClick() {
  const Change c =
      StorePlacementStyle(context_.school, classNo_, lesson_,
                          {edit4_->text().toStdString(), edit5_->text().toStdString()});
  // A refused entry cannot reach here: the button is disabled while it would be.
  if (ApplyChange(context_, c, {})) accept();
}

}  // namespace kalvodrin
