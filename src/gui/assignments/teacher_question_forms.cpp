#include "gui/assignments/teacher_question_forms.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "gui/assignments/grid_panels.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_filters.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/qt_text.h"
#include "staffing/staffing_rows.h"

namespace kalvodrin {

TBosDersForm::TBosDersForm(AppContext context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName("TBosDersForm");
  setWindowTitle(U8("ÖĞRETMENE ATAMASI YAPILMAYAN DERSLER"));
  setModal(true);
  clLeGrid_ = NewGrid(this, "ClLeGrid", UnassignedColumns());
  panel1_ = NewPanel(this, "Panel1");
  gitBtn_ = NewButton(this, "GitBtn", U8("ATAMAYA GİT"));
  auto* cikisBtn = NewButton(this, "CikisBtn", U8("ÇIKIŞ"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(gitBtn_);
  buttons->addStretch(1);
  buttons->addWidget(cikisBtn);
  auto* main = new QVBoxLayout(this);
  main->addWidget(clLeGrid_, 1);
  main->addWidget(panel1_);
  main->addLayout(buttons);
  connect(gitBtn_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cikisBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(clLeGrid_, &ListGrid::EditRequested, this, &QDialog::accept);
  BindKey(this, QKeySequence(Qt::CTRL | Qt::Key_Right), [this] {
    if (gitBtn_->isEnabled()) accept();
  });
  BindHelpKey(this, context_.help, HelpTopicPage(117));
  auto* keys = new KeyLine(this);
  keys->Show(U8("Çift tık / Enter / Ctrl+Right"), U8("Atamaya git"));
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("Çıkış"));
  main->addWidget(keys);
  resize(420, 420);
}

bool TBosDersForm::Open() {
  Fill(clLeGrid_, UnassignedRows(context_.school));
  panel1_->setText(U8(UnassignedSummary(context_.school)));
  gitBtn_->setEnabled(clLeGrid_->FilledRows() > 0);
  clLeGrid_->setFocus(Qt::OtherFocusReason);
  return exec() == QDialog::Accepted && clLeGrid_->FilledRows() > 0;
}

int TBosDersForm::selectedClass() const { return clLeGrid_->SelectedNumber(0); }
int TBosDersForm::selectedLesson() const { return clLeGrid_->SelectedNumber(1); }

TBFOForm::TBFOForm(AppContext context, QWidget* parent) : QDialog(parent) {
  setObjectName("TBFOForm");
  setWindowTitle(U8("İKİ VEYA DAHA FAZLA ÖĞRETMEN"));
  setModal(true);
  memo_ = new QTextEdit(this);
  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  memo_->setFocusPolicy(Qt::NoFocus);
  edit1_ = new QLineEdit(this);
  edit1_->setObjectName("Edit1");
  edit1_->setMaximumWidth(30);
  edit1_->setMaxLength(1);
  edit1_->installEventFilter(this);
  auto* kaydet = new QPushButton(U8("KAYDET"), this);
  kaydet->setObjectName("KaydetBtn");
  kaydet->setDefault(true);
  auto* iptal = new QPushButton(U8("İptal"), this);
  iptal->setObjectName("IptalBtn");
  iptal->setAutoDefault(false);
  auto* answer = new QHBoxLayout;
  answer->addWidget(new QLabel(U8("Tekrar vermek istiyor musunuz?"), this));
  answer->addWidget(edit1_);
  answer->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(kaydet);
  buttons->addWidget(iptal);
  auto* main = new QVBoxLayout(this);
  main->addWidget(memo_, 1);
  main->addWidget(
      new QLabel(U8("Bu ders yukarıda adı yazılan öğretmen  yada öğretmenlere verilmiş."), this));
  main->addLayout(answer);
  main->addLayout(buttons);
  connect(kaydet, &QPushButton::clicked, this, &QDialog::accept);
  connect(iptal, &QPushButton::clicked, this, &QDialog::reject);
  BindHelpKey(this, context.help, HelpTopicPage(118));
  auto* keys = new KeyLine(this);
  keys->Show("E / H", U8("Cevap"));
  keys->Show("Enter", U8("Kaydet"));
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("İptal"));
  main->addWidget(keys);
  resize(440, 240);
}

// The box holds one letter: E or H (typed in either case) replaces what is there;
// every other character is dropped.
bool TBFOForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit1_ || event->type() != QEvent::KeyPress)
    return QDialog::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->text().isEmpty() || !key->text().at(0).isPrint()) return false;
  if (const std::optional<QString> letter = FilterTyped(FieldKind::kYesNo, key->text()))
    edit1_->setText(*letter);
  return true;
}

bool TBFOForm::Ask(const QString& teachers) {
  memo_->setPlainText(teachers);
  edit1_->setText("H");
  edit1_->setFocus(Qt::OtherFocusReason);
  edit1_->selectAll();
  return exec() == QDialog::Accepted && edit1_->text() == "E";
}

}  // namespace kalvodrin
