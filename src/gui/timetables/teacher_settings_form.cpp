#include "gui/timetables/teacher_settings_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/school.h"
#include "gui/common/focus_return.h"
#include "gui/common/function_keys.h"
#include "gui/common/qt_text.h"
#include "gui/timetables/settings_fields.h"

namespace kalvodrin {
namespace {

constexpr std::array<const char*, 8> kQuestions = {
    "Bu Öğretmenin Programında Dersler arasında boşluk versin mi ?",
    "Bir Haftada boşluk sayısı en fazla kaç olsun ?",
    "İki ders arasında en fazla kaç boşluk olsun ?",
    "Bu öğretmen aynı sınıfın iki ayrı dersine giriyorsa bu dersler\nfarklı günlere gelsin mi ?",
    "Bu öğretmenin bir dersi birden fazla güne dağılıyorsa arada en az bir gün\nara olsun mu ?",
    "Bu öğretmenin bir dersi birden fazla güne dağılıyorsa farklı günlere\nyerleşen dersler "
    "farklı saatlere yerleşsin mi ?",
    "Bu öğretmenin girdiği bir sınıfta aynı gruptaki dersler farklı günlere\nyerleşsin mi ?",
    "Bu öğretmene günde en fazla kaç saat ders verilsin ?",
};

}  // namespace

TOzelForm::TOzelForm(AppContext context, QWidget* parent)
    : QDialog(parent), context_(context), specialNameLab_(new QLabel) {
  setObjectName("TOzelForm");
  setWindowTitle(U8("ÖZEL AYARLAR"));
  specialNameLab_->setObjectName("SpecialNameLab");
  specialNameLab_->setWordWrap(true);
  auto* grid = new QGridLayout;
  for (std::size_t k = 0; k < edits_.size(); ++k)
    edits_[k] = AddQuestion(grid, static_cast<int>(k), U8(kQuestions[k]),
                            qPrintable(QString("Edit%1").arg(k + 1)), kTeacherKinds[k]);
  auto* buttons = new QHBoxLayout;
  connect(AddButton(buttons, U8("KAYDET"), "KaydetBtn"), &QPushButton::clicked, this,
          [this] { KaydetBtnClick(); });
  connect(AddButton(buttons, U8("İPTAL ET"), "IptalBtn"), &QPushButton::clicked, this,
          &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(specialNameLab_);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  layout->addWidget(SettingsKeyLine(this, context_.help, "ozel_ayarlar", U8("Kaydet"),
                                    [this] { KaydetBtnClick(); }));
}

int TOzelForm::OpenFor(int teacher) {
  const TTeacherGridRec* grid = context_.school.TeacherGridByNo(teacher);
  const TTeacherRec* t = context_.school.TeacherByNo(teacher);
  if (grid == nullptr || t == nullptr) return Rejected;
  teacher_ = teacher;
  specialNameLab_->setText(U8("Sadece ") + FromCp1254(t->name.view()) +
                           U8(", adındaki öğretmen için geçerli olan ayarlar"));
  ShowTexts(TeacherEntryOf(grid->special), edits_);
  edits_[0]->setFocus();
  return ExecReturningFocus(*this);
}

void TOzelForm::KaydetBtnClick() {
  TTeacherGridRec* grid = context_.school.TeacherGridByNo(teacher_);
  if (grid == nullptr) return reject();
  const auto entry = TextsOfFields<TeacherSettingsEntry>(edits_);
  if (const std::optional<int> bad = FirstBadTeacherField(entry)) {
    RefuseEmptyField(context_, edits_[static_cast<std::size_t>(*bad)]);
    return;
  }
  StoreTeacherEntry(grid->special, entry);
  accept();
}

}  // namespace kalvodrin
