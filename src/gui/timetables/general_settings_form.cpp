#include "gui/timetables/general_settings_form.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/school.h"
#include "gui/common/focus_return.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_filters.h"
#include "gui/common/message_window.h"
#include "gui/common/print_requests.h"
#include "gui/common/qt_text.h"
#include "gui/timetables/guidance_form.h"
#include "gui/timetables/settings_fields.h"
#include "scheduler/run_preferences.h"

namespace kalvodrin {
namespace {

struct Question {
  const char* text;
  const char* recommended;
};

constexpr std::array<Question, 8> kGeneralQuestions = {{
    {"1-Ders Programında Dersler arasında boşluk bırakılsın mı ?", "E"},
    {"2-Boşluk bırakılacaksa sayısı en fazla kaç olsun ?", "3"},
    {"3-İki ders arasında en fazla kaç boşluk olsun ?", "2"},
    {"4-Öğretmen aynı sınıfın iki ayrı dersine giriyorsa bu dersler\nfarklı günlere gelsin mi ?",
     "E"},
    {"5-Bir ders birden fazla güne dağılıyorsa arada en az  bir gün\nara olsun mu ?", "E"},
    {"6-Bir ders birden fazla güne dağılıyorsa farklı günlere yerleşen\ndersler farklı "
     "saatlere yerleşsin mi ?",
     "E"},
    {"7-Bir sınıfta aynı gruptaki dersler farklı günlere yerleşsin mi ?", "E"},
    {"8-Bir öğretmene günde en fazla kaç saat ders verilsin ?",
     "6 (  LİSELER İÇİN 7 VEYA 8 OLMALI)"},
}};

constexpr std::array<const char*, 8> kDetailQuestions = {
    "Bir ders 1 + 1 şeklinde dağıtılıyorsa bu dersin 2 biçiminde\nbirleştirilmesine izin "
    "verilsin mi ?",
    "Blok (2) biçiminde dağıtılan bir dersin 1 + 1 biçiminde\nbölünmesine izin verilsin mi ?",
    "Haftalık ders saati 5 den fazla olan bir ders için bir güne\n2 den fazla ders verilmesine "
    "izin verilsin mi?",
    "Ayarlarda yer alan  Haftada En Fazla verilecek Boşluk\nSayısının her gün için geçerli "
    "olmasına izin verilsin mi ?",
    "Otomatik arama sırasında ayarların program tarafından\notomatik olarak değiştirilmesine "
    "izin verilsin mi?",
    "Öğretmen programlarında derslerin günlere düzenli olarak\ndağıtılmasına dikkat edilsin mi?",
    "Blok dersler  sadece 1-2, 3-4, 5-6 gibi saatlere gelsin mi ?",
    "Otomatik arama sırasında daha uzun bir zaman alan\nYeniden Düzenleme işlemi yapılsın mı",
};

// Caption of each check box, and the line under it.
constexpr std::array<std::pair<const char*, const char*>, 9> kAutoOptions = {{
    {"Öğretmen Programında Dersler arasında boşluk verilsin mi ?", ""},
    {"Bir Öğretmen aynı sınıfın farklı iki dersine giriyorsa bu",
     "dersler Farklı Günlere verilsin mi?"},
    {"Bir ders birden fazla güne dağılıyorsa arada en az bir gün", "ara olsun mu ?"},
    {"Bir sınıfta aynı gruptaki dersler farklı günlere gelsin mi ?", ""},
    {"Bir ders 1 + 1 şeklinde dağılıyorsa bu dersin  2 biçiminde",
     "birleştirilmesine izin verilsin mi ?"},
    {"Blok (2) biçiminde dağıtılan bir dersin 1 + 1biçiminde", "bölünmesine izin verilsin mi ?"},
    {"Haftalık ders saati 5 den fazla olan bir ders için bir günde",
     "2 den fazla ders verilmesine izin verilsin mi ?"},
    {"Öğretmen programında derslerin düzenli olarak dağıtılmasına", "dikkat edilsin mi?"},
    {"Daha uzun bir zaman alan Yeniden Düzenleme yapılsın mı?", ""},
}};

QString FieldName(int k) { return QString("Edit%1").arg(k + 1); }

QLineEdit* NameField(const char* name, int length) {
  auto* field = new QLineEdit;
  field->setObjectName(name);
  field->setMaxLength(length);
  InstallKeyFilter(field, FieldKind::kTurkishUpper);
  return field;
}

// KAYDET and İPTAL ET of a settings window; returns the row for further buttons.
QHBoxLayout* SaveAndCancel(QDialog* window, const char* saveCaption, const char* cancelCaption,
                           const std::function<void()>& save) {
  auto* row = new QHBoxLayout;
  QObject::connect(AddButton(row, U8(saveCaption), "KaydetBtn"), &QPushButton::clicked, window,
                   save);
  QObject::connect(AddButton(row, U8(cancelCaption), "IptalBtn"), &QPushButton::clicked, window,
                   &QDialog::reject);
  return row;
}

}  // namespace

TOtomatikForm::TOtomatikForm(AppContext context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName("TOtomatikForm");
  setWindowTitle(U8("OTOMATİK AYARLAR"));
  auto* layout = new QVBoxLayout(this);
  for (std::size_t k = 0; k < boxes_.size(); ++k) {
    boxes_[k] = new QCheckBox(U8(kAutoOptions[k].first));
    boxes_[k]->setObjectName(QString("CheckBox%1").arg(k + 1));
    layout->addWidget(boxes_[k]);
    if (*kAutoOptions[k].second != '\0') {
      auto* under = new QLabel(U8(kAutoOptions[k].second));
      under->setIndent(24);
      layout->addWidget(under);
    }
  }
  skipOnItsOwn_ =
      new QCheckBox(U8("Bir dersin denemesi 5 saniyeyi aşınca ders kendiliğinden "
                       "atlansın mı ?"));
  skipOnItsOwn_->setObjectName("KendiligindenAtlaBox");
  completeAfterRun_ =
      new QCheckBox(U8("Dağıtım bitince kalan dersler tamamlama aramasıyla "
                       "yerleştirilsin mi ?"));
  completeAfterRun_->setObjectName("TamamlaBox");
  layout->addWidget(skipOnItsOwn_);
  layout->addWidget(completeAfterRun_);
  layout->addLayout(SaveAndCancel(this, "KAYDET", "İPTAL ET", [this] { KaydetBtnClick(); }));
  layout->addWidget(SettingsKeyLine(this, context_.help, "otomatik_ayarlar", U8("Kaydet"),
                                    [this] { KaydetBtnClick(); }));
}

void TOtomatikForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ReloadSettings(context_);
  for (std::size_t k = 0; k < boxes_.size(); ++k)
    boxes_[k]->setChecked(context_.school.Settings.autoOptions[k] != 0);
  RunPreferences preferences;
  if (!context_.school.WorkFolder.empty())
    static_cast<void>(LoadRunPreferences(context_.school.WorkFolder, context_.Disk(), preferences));
  skipOnItsOwn_->setChecked(preferences.skipOnItsOwn);
  completeAfterRun_->setChecked(preferences.completeAfterRun);
}

void TOtomatikForm::KaydetBtnClick() {
  const TSettingsRec before = context_.school.Settings;
  for (std::size_t k = 0; k < boxes_.size(); ++k)
    context_.school.Settings.autoOptions[k] = boxes_[k]->isChecked() ? 1 : 0;
  const RunPreferences preferences{skipOnItsOwn_->isChecked(), completeAfterRun_->isChecked()};
  if (Status s = SaveSettingsAndRunPreferences(context_.school, context_.Disk(), preferences); !s) {
    context_.school.Settings = before;
    context_.sil.Notice(U8(s.message()));
    return;
  }
  accept();
}

TAyrintilarForm::TAyrintilarForm(AppContext context, QWidget* parent)
    : QDialog(parent), context_(context), automatic_(std::make_shared<TOtomatikForm>(context)) {
  setObjectName("TAyrintilarForm");
  setWindowTitle(U8("AYARLAR (AYRINTILAR)"));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  for (std::size_t k = 0; k < edits_.size(); ++k)
    edits_[k] = AddQuestion(grid, static_cast<int>(k), U8(kDetailQuestions[k]),
                            qPrintable(FieldName(static_cast<int>(k))), ByteEntry::kYesNo);
  layout->addLayout(grid);
  QHBoxLayout* buttons = SaveAndCancel(this, "KAYDET", "İPTAL ET", [this] { KaydetBtnClick(); });
  connect(AddButton(buttons, U8("Otomatik"), "OtomatikBtn"), &QPushButton::clicked, this,
          [this] { ExecReturningFocus(*automatic_); });
  layout->addLayout(buttons);
  layout->addWidget(SettingsKeyLine(this, context_.help, "ayrintilar", U8("Kaydet"),
                                    [this] { KaydetBtnClick(); }));
}

void TAyrintilarForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ReloadSettings(context_);
  ShowTexts(DetailEntryOf(context_.school.Settings), edits_);
}

void TAyrintilarForm::KaydetBtnClick() {
  const auto entry = TextsOfFields<DetailSettingsEntry>(edits_);
  if (const std::optional<int> bad = FirstBadField(entry)) {
    RefuseEmptyField(context_, edits_[static_cast<std::size_t>(*bad)]);
    return;
  }
  if (StoreSettings(context_, [&entry](TSettingsRec& s) { StoreDetailEntry(s, entry); })) accept();
}

TAyarlarForm::TAyarlarForm(AppContext context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      schoolName_(NameField("SchNameEd", 80)),
      principalName_(NameField("ManagerEd", 30)),
      deputyName_(NameField("CoManagerEd", 30)),
      chiefDeputy_(new QCheckBox(U8("Baş"))),
      details_(std::make_shared<TAyrintilarForm>(context)),
      guidance_(std::make_shared<TRehberlikForm>(context)) {
  setObjectName("TAyarlarForm");
  setWindowTitle(U8("AYARLAR"));
  chiefDeputy_->setObjectName("CheckBox1");
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(U8("(TAVSİYE EDİLEN AYARLAR")), 0, 2);
  for (std::size_t k = 0; k < kGeneralQuestions.size(); ++k)
    edits_[k] = AddQuestion(grid, static_cast<int>(k) + 1, U8(kGeneralQuestions[k].text),
                            qPrintable(FieldName(static_cast<int>(k))), kGeneralKinds[k],
                            U8(kGeneralQuestions[k].recommended));
  // The search level stood below the visible part of the original window; here it is
  // one more question.
  edits_[8] = AddQuestion(grid, 9, U8("ARAMA\nDÜZEYİ"), "Edit9", kGeneralKinds[8]);
  connect(edits_[2], &QLineEdit::textEdited, this, [this](const QString& typed) {
    const std::string kept = CappedGapBetween(edits_[1]->text().toStdString(), typed.toStdString());
    if (kept != typed.toStdString()) edits_[2]->setText(QString::fromStdString(kept));
  });

  auto* names = new QFormLayout;
  names->addRow(U8("Okulun Adı"), schoolName_);
  names->addRow(U8("Müdür Adı"), principalName_);
  auto* deputyCaption = new QWidget;
  auto* captionRow = new QHBoxLayout(deputyCaption);
  captionRow->setContentsMargins(0, 0, 0, 0);
  captionRow->addWidget(new QLabel(U8("Müdür")));
  captionRow->addWidget(chiefDeputy_);
  captionRow->addWidget(new QLabel(U8("Yardımcısı")));
  names->addRow(deputyCaption, deputyName_);

  QHBoxLayout* buttons =
      SaveAndCancel(this, "          KAYDET     ", "İPTAL ET", [this] { KaydetBtnClick(); });
  QPushButton* printer = AddButton(buttons, U8("YAZICI AYARLARI"), "YaziciBtn");
  printer->setEnabled(context_.printing != nullptr);
  connect(printer, &QPushButton::clicked, this, [this] {
    if (context_.printing != nullptr) context_.printing->OpenPrinterSettings();
  });
  connect(AddButton(buttons, U8("Ayrıntılar"), "BitBtn4"), &QPushButton::clicked, this,
          [this] { ExecReturningFocus(*details_); });
  connect(AddButton(buttons, U8("Rehberlik"), "Rehberlik"), &QPushButton::clicked, this,
          [this] { ExecReturningFocus(*guidance_); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(names);
  layout->addLayout(buttons);
  layout->addWidget(
      SettingsKeyLine(this, context_.help, "ayarlar", U8("Kaydet"), [this] { KaydetBtnClick(); }));
}

void TAyarlarForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ReloadSettings(context_);
  ShowFields();
  edits_[0]->setFocus();
}

void TAyarlarForm::ShowFields() {
  const GeneralSettingsEntry e = GeneralEntryOf(context_.school.Settings);
  ShowTexts(e.edits, edits_);
  chiefDeputy_->setChecked(e.chiefDeputy);
  schoolName_->setText(U8(e.schoolName));
  principalName_->setText(U8(e.principalName));
  deputyName_->setText(U8(e.deputyName));
}

void TAyarlarForm::KaydetBtnClick() {
  GeneralSettingsEntry e;
  e.edits = TextsOfFields<decltype(e.edits)>(edits_);
  e.chiefDeputy = chiefDeputy_->isChecked();
  e.schoolName = schoolName_->text().toStdString();
  e.principalName = principalName_->text().toStdString();
  e.deputyName = deputyName_->text().toStdString();
  if (const std::optional<int> bad = FirstBadField(e)) {
    RefuseEmptyField(context_, edits_[static_cast<std::size_t>(*bad)]);
    return;
  }
  const School& school = context_.school;
  if (StoreSettings(context_, [&e, &school](TSettingsRec& s) { StoreGeneralEntry(s, school, e); }))
    accept();
}

}  // namespace kalvodrin
