#include "gui/printing/print_dialog.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_line.h"
#include "gui/common/qt_text.h"

namespace kalvodrin {
namespace {

QString DefaultChooser(QWidget* parent, const QString& suggested) {
  return QFileDialog::getSaveFileName(parent, U8("PDF olarak kaydet"), suggested,
                                      U8("PDF dosyası (*.pdf)"));
}

}  // namespace

TYazdirForm::TYazdirForm(AppContext context, std::function<void()> printerSetup, QWidget* parent)
    : QDialog(parent), context_(context), chooser_(DefaultChooser) {
  setObjectName("TYazdirForm");
  setWindowTitle(U8("YAZDIR"));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(this);
  group->setObjectName("RadioGroup1");
  auto* groupLayout = new QVBoxLayout(group);
  secim_ = new QRadioButton(U8("Seçim"), group);
  tumu_ = new QRadioButton(U8("Tümü"), group);
  carsaf_ = new QRadioButton(U8("Çarşaf"), group);
  secim_->setObjectName("SecimRadio");
  tumu_->setObjectName("TumuRadio");
  carsaf_->setObjectName("CarsafRadio");
  for (QRadioButton* b : {secim_, tumu_, carsaf_}) groupLayout->addWidget(b);
  secim_->setChecked(true);
  layout->addWidget(group);

  auto* note = new QLabel(
      U8("Çarşaf yazıcı çıkışları için yazıcı özelliklerinden kağıt boyutunu Yatay seçiniz"), this);
  note->setWordWrap(true);
  layout->addWidget(note);

  auto* buttons = new QHBoxLayout;
  auto* yazdir = new QPushButton(U8("YAZDIR"), this);
  auto* iptal = new QPushButton(U8("İPTALET"), this);
  auto* printer = new QPushButton(U8("Yazıcı özellikleri"), this);
  auto* pdf = new QPushButton(U8("PDF olarak kaydet…"), this);
  yazdir->setObjectName("YazdirBtn");
  iptal->setObjectName("IptalBtn");
  printer->setObjectName("YaziciBtn");
  pdf->setObjectName("PdfBtn");
  yazdir->setDefault(true);
  for (QPushButton* b : {yazdir, pdf, iptal, printer}) buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(pdf, &QPushButton::clicked, this, &TYazdirForm::PdfBtnClick);
  connect(yazdir, &QPushButton::clicked, this, &QDialog::accept);
  connect(iptal, &QPushButton::clicked, this, &QDialog::reject);
  connect(printer, &QPushButton::clicked, this, [setup = std::move(printerSetup)] {
    if (setup) setup();
  });
  auto* keys = new KeyLine(this);
  keys->Show("Enter", U8("Yazdır"));
  keys->Bind({QKeySequence(Qt::CTRL | Qt::Key_S)}, U8("PDF olarak kaydet"),
             [this] { PdfBtnClick(); });
  keys->Bind({QKeySequence(Qt::Key_F1)}, U8("Yardım"),
             [this] { context_.help.ShowTopic(helpTopic_); });
  keys->Show("Esc", U8("İptal"));
  layout->addWidget(keys);
}

void TYazdirForm::PdfBtnClick() {
  QString file = chooser_(this, QDir::home().filePath("ders_programi.pdf"));
  if (file.isEmpty()) return;
  if (!file.endsWith(".pdf", Qt::CaseInsensitive)) file += ".pdf";
  pdfFile_ = file;
  accept();
}

std::optional<PrintChoice> TYazdirForm::Ask(int helpTopic) {
  helpTopic_ = helpTopic;
  pdfFile_.clear();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return choice();
}

PrintChoice TYazdirForm::choice() const {
  if (tumu_->isChecked()) return PrintChoice::kAll;
  if (carsaf_->isChecked()) return PrintChoice::kSheet;
  return PrintChoice::kSelection;
}

void TYazdirForm::SetChoice(PrintChoice choice) {
  (choice == PrintChoice::kAll     ? tumu_
   : choice == PrintChoice::kSheet ? carsaf_
                                   : secim_)
      ->setChecked(true);
}

}  // namespace kalvodrin
