#include "gui/timetables/cancel_form.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/apply_change.h"
#include "gui/common/function_keys.h"
#include "gui/common/key_line.h"
#include "gui/common/qt_text.h"
#include "gui/timetables/history_buttons.h"
#include "timetables/edit_history.h"
#include "timetables/timetable_commands.h"

namespace kalvodrin {

TBosaltForm::TBosaltForm(AppContext context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      clearClosed_(new QCheckBox(U8("Kapatılmış özel Ayarlarıda Sil"))),
      clearSpecial_(new QCheckBox(U8("Tek öğretmene özel ayarları sil"))),
      historyButtons_(new HistoryButtons(context, this, {}, {})) {
  setObjectName("TBosaltForm");
  setWindowTitle(U8("YAPILAN DERS YERLEŞTİRMELERİNİ İPTAL ET"));
  clearClosed_->setObjectName("CheckBox1");
  clearSpecial_->setObjectName("CheckBox2");
  auto* ok = new QPushButton(U8("TAMAM"));
  ok->setObjectName("TamamBtn");
  ok->setDefault(true);
  auto* cancel = new QPushButton(U8("İPTAL ET"));
  cancel->setObjectName("IptalBtn");
  connect(ok, &QPushButton::clicked, this, [this] { TamamClick(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  for (const char* text :
       {"UYARI", "DAHA ÖNCE YAPTIĞINIZ TÜM YERLEŞTİRMELER", "SİLİNECEK!!!!!!!"}) {
    auto* label = new QLabel(U8(text));
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }
  layout->addWidget(clearClosed_);
  layout->addWidget(clearSpecial_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  layout->addWidget(historyButtons_);
  BindHelpKey(this, context.help, "132");
  auto* keys = new KeyLine(this);
  keys->Show("Enter", U8("Tamam"));
  keys->Show("Ctrl+Z", U8("Geri al"));
  keys->Show("Ctrl+Y", U8("Yinele"));
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("İptal"));
  layout->addWidget(keys);
}

void TBosaltForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  clearClosed_->setChecked(false);
  clearSpecial_->setChecked(false);
  historyButtons_->Refresh();
}

void TBosaltForm::SetHistory(EditHistory* history) { historyButtons_->SetHistory(history); }

void TBosaltForm::TamamClick() {
  EditRecorder step(historyButtons_->history(), context_.school);
  ApplyChange(context_,
              CancelPlacements(context_.school,
                               ResetOptions{clearClosed_->isChecked(), clearSpecial_->isChecked()}),
              {});
  step.Commit("YERLEŞTİRMELER İPTAL", context_.school);
  historyButtons_->Refresh();
  accept();
}

}  // namespace kalvodrin
