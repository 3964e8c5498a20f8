#include "gui/printing/printer_settings_form.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/school.h"
#include "core/storage.h"
#include "core/turkish_text.h"
#include "gui/common/key_filters.h"
#include "gui/common/key_line.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"

namespace kalvodrin {
namespace {

QLineEdit* NumberField(QWidget* parent, int editNo) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString("Edit%1").arg(editNo));
  edit->setMaxLength(5);
  InstallKeyFilter(edit, FieldKind::kDigits);
  return edit;
}

int NumberOf(const QLineEdit* edit) { return edit->text().toInt(); }

}  // namespace

TYaziciForm::TYaziciForm(AppContext context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName("TYaziciForm");
  setWindowTitle(U8("YAZICI AYARLARI"));
  auto* layout = new QVBoxLayout(this);
  timetable_ = AddGroup(U8("SINIF - DERSLİK - ÖĞRETMEN DERS PROGRAMI"), 1, 1, 1);
  lessonList_ = new QCheckBox(U8("ÖĞRETMEN PROGRAMINDA DERS LİSTESİNİ YAZDIR"), this);
  twoPerPage_ = new QCheckBox(U8("ÖĞRETMEN PROGRAMINI TEK SAYFAYA ÇİFT YAZDIR"), this);
  lessonList_->setObjectName("CheckBox2");
  twoPerPage_->setObjectName("CheckBox3");
  sheet_ = AddGroup(U8("SINIF - DERSLİK - ÖĞRETMEN ÇARŞAF LİSTE"), 7, 4, 2);
  noSplit_ = new QCheckBox(U8("ÇARŞAF LİSTEDE SABAH-ÖĞLE AYRIMI YAPMA"), this);
  printRooms_ = new QCheckBox(U8("ÇARŞAF LİSTEDE DERSLİKLERİ YAZDIR"), this);
  noSplit_->setObjectName("CheckBox5");
  printRooms_->setObjectName("CheckBox6");
  const QList<QGroupBox*> groups = findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly);
  groups[0]->layout()->addWidget(lessonList_);
  groups[0]->layout()->addWidget(twoPerPage_);
  groups[1]->layout()->addWidget(noSplit_);
  groups[1]->layout()->addWidget(printRooms_);
  for (QGroupBox* g : groups) layout->addWidget(g);
  // The lesson list needs a whole page, so it and two copies a page exclude each other.
  connect(lessonList_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) twoPerPage_->setChecked(false);
  });
  connect(twoPerPage_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) lessonList_->setChecked(false);
  });

  auto* buttons = new QHBoxLayout;
  auto* kaydet = new QPushButton(U8("AYARLARI KAYDET"), this);
  auto* iptal = new QPushButton(U8("İPTALET"), this);
  kaydet->setObjectName("KaydetBtn");
  iptal->setObjectName("IptalBtn");
  // Enter saves from any field but the font fields, which open the font dialog instead.
  kaydet->setDefault(true);
  iptal->setAutoDefault(false);
  buttons->addWidget(kaydet);
  buttons->addWidget(iptal);
  layout->addLayout(buttons);
  connect(kaydet, &QPushButton::clicked, this, [this] { KaydetBtnClick(); });
  connect(iptal, &QPushButton::clicked, this, &QDialog::reject);
  auto* keys = new KeyLine(this);
  keys->Bind({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_S)}, U8("Ayarları kaydet"),
             [this] { KaydetBtnClick(); });
  keys->Show("Enter", U8("Kaydet (yazı tipi alanında: yazı tipi seç)"));
  keys->Show("Esc", U8("İptal"));
  layout->addWidget(keys);
}

TYaziciForm::Group TYaziciForm::AddGroup(const QString& title, int firstEdit, int checkBox,
                                         int fontButton) {
  auto* box = new QGroupBox(title, this);
  auto* outer = new QVBoxLayout(box);
  auto* form = new QFormLayout;
  outer->addLayout(form);
  Group g{};
  const char* labels[] = {"ÜST BOŞLUK", "SOL BOŞLUK", "SAYFA UZUNLUĞU", "SAYFA YÜKSEKLİĞİ"};
  for (int k = 0; k < 4; ++k) {
    g.lengths[static_cast<std::size_t>(k)] = NumberField(box, firstEdit + k);
    form->addRow(U8(labels[k]), g.lengths[static_cast<std::size_t>(k)]);
  }
  g.autoSize = new QCheckBox(U8("SAYFA UZUNLUK VE YÜKSEKLİĞİNİ OTOMATİK BELİRLE"), box);
  g.autoSize->setObjectName(QString("CheckBox%1").arg(checkBox));
  outer->addWidget(g.autoSize);
  auto* fontRow = new QHBoxLayout;
  g.fontSize = NumberField(box, firstEdit + 4);
  g.fontSize->setMaxLength(2);
  g.fontName = new QLineEdit(box);
  g.fontName->setObjectName(QString("Edit%1").arg(firstEdit + 5));
  g.fontName->setMaxLength(40);
  auto* fontBtn = new QPushButton(U8("FONT BELİRLE"), box);
  fontBtn->setObjectName(QString("FontBtn%1").arg(fontButton));
  fontBtn->setAutoDefault(false);
  fontRow->addWidget(g.fontSize);
  fontRow->addWidget(g.fontName, 1);
  fontRow->addWidget(fontBtn);
  outer->addLayout(fontRow);
  Group* target = fontButton == 1 ? &timetable_ : &sheet_;
  connect(fontBtn, &QPushButton::clicked, this, [this, target] { ChooseFont(*target); });
  if (fontButton == 1)
    for (QLineEdit* e : {g.fontSize, g.fontName}) e->installEventFilter(this);
  return g;
}

bool TYaziciForm::eventFilter(QObject* watched, QEvent* event) {
  const bool fontField = watched == timetable_.fontSize || watched == timetable_.fontName;
  if (fontField && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ChooseFont(timetable_);
      return true;  // the Enter ends here: it must not also save and close
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TYaziciForm::ChooseFont(Group& group) {
  QFont preset(group.fontName->text());
  preset.setPointSize(std::max(1, NumberOf(group.fontSize)));
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, preset, this, U8("FONT BELİRLE"));
  if (!ok) return;
  group.fontSize->setText(QString::number(chosen.pointSize()));
  group.fontName->setText(chosen.family());
}

void TYaziciForm::ShowFields(const PrinterFields& f) {
  const auto show = [](Group& g, const PageFields& p) {
    const int values[] = {p.topMargin, p.leftMargin, p.pageLength, p.pageHeight};
    for (std::size_t k = 0; k < 4; ++k) g.lengths[k]->setText(QString::number(values[k]));
    g.autoSize->setChecked(p.autoPageSize);
    g.fontSize->setText(QString::number(p.fontSize));
    g.fontName->setText(FromCp1254(p.fontName));
  };
  show(timetable_, f.timetable);
  show(sheet_, f.sheet);
  lessonList_->setChecked(f.printLessonList);
  twoPerPage_->setChecked(f.twoPerPage);
  noSplit_->setChecked(f.sheetNoHalfDaySplit);
  printRooms_->setChecked(f.sheetPrintRooms);
}

PrinterFields TYaziciForm::fields() const {
  const auto read = [](const Group& g) {
    PageFields p;
    p.topMargin = NumberOf(g.lengths[0]);
    p.leftMargin = NumberOf(g.lengths[1]);
    p.pageLength = NumberOf(g.lengths[2]);
    p.pageHeight = NumberOf(g.lengths[3]);
    p.autoPageSize = g.autoSize->isChecked();
    p.fontSize = NumberOf(g.fontSize);
    // Font names keep their case; one the records' code page cannot write falls back.
    p.fontName = Utf8ToCp1254(g.fontName->text().toStdString()).value_or("Courier New");
    return p;
  };
  PrinterFields f;
  f.timetable = read(timetable_);
  f.sheet = read(sheet_);
  f.printLessonList = lessonList_->isChecked();
  f.twoPerPage = twoPerPage_->isChecked();
  f.sheetNoHalfDaySplit = noSplit_->isChecked();
  f.sheetPrintRooms = printRooms_->isChecked();
  return f;
}

int TYaziciForm::Open() {
  ShowFields(PrinterFieldsOf(context_.school.Settings));
  return exec();
}

void TYaziciForm::KaydetBtnClick() {
  const PrinterFields f = fields();
  if (const std::string problem = PrinterFieldsProblem(f); !problem.empty()) {
    context_.sil.Notice(FromCp1254(problem));
    return;
  }
  const TSettingsRec before = context_.school.Settings;
  StorePrinterFields(context_.school.Settings, f);
  if (const Status s = SaveFiles(context_.school, {DataFile::kSettings}, context_.Disk()); !s) {
    context_.school.Settings = before;
    context_.sil.Notice(QString::fromStdString(s.message()));
    return;
  }
  accept();
}

}  // namespace kalvodrin
