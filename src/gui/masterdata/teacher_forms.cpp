#include "gui/masterdata/teacher_forms.h"

#include <QLineEdit>
#include <QPushButton>

#include <utility>

#include "core/ordering.h"
#include "core/school.h"
#include "gui/common/function_keys.h"
#include "gui/common/key_line.h"
#include "gui/common/print_requests.h"
#include "gui/common/qt_text.h"
#include "gui/masterdata/record_texts.h"
#include "masterdata/deletions.h"
#include "masterdata/list_rows.h"
#include "masterdata/teachers.h"

namespace kalvodrin {
namespace {

TeacherFields FieldsOf(const QLineEdit* name, const QLineEdit* branch,
                       const QLineEdit* classTeacherOf, const QLineEdit* club) {
  return {ToRecordText(name->text()), ToRecordText(branch->text()),
          ToRecordText(classTeacherOf->text()), ToRecordText(club->text())};
}

}  // namespace

TOgretmenEditForm::TOgretmenEditForm(AppContext context, QWidget* parent)
    : EditWindow(context,
                 {.caption = U8("DÜZELT"),
                  .iptalCaption = U8("İPTALET"),
                  .helpTopic = 110,
                  .texts = TextsOf(EntityKind::kTeacher)},
                 parent) {
  setObjectName("TOgretmenEditForm");
  edit1_ = AddField("Edit1", U8("ADI SOYADI"), 30);
  edit2_ = AddField("Edit2", U8("BRANŞI"), 12);
  edit3_ = AddField("Edit3", U8("SINIF ÖĞRETMENLİĞİ"), 8);
  edit4_ = AddField("Edit4", U8("EĞİTSEL KULÜP"), 12);
}

void TOgretmenEditForm::ShowRecord(int number) {
  const TeacherFields f = TeacherFieldsOf(context().school, number);
  edit1_->setText(FromCp1254(f.name));
  edit2_->setText(FromCp1254(f.branch));
  edit3_->setText(FromCp1254(f.classTeacherOf));
  edit4_->setText(FromCp1254(f.club));
}

Change TOgretmenEditForm::Store(int number) {
  return SaveTeacherEdit(context().school, number, FieldsOf(edit1_, edit2_, edit3_, edit4_));
}

TOgretmenForm::TOgretmenForm(AppContext context, QWidget* parent)
    : ListWindow(context,
                 {.caption = U8("ÖĞRETMENLER"),
                  .texts = TextsOf(EntityKind::kTeacher),
                  .helpTopic = 109,
                  .kaydetCaption = U8(" KAYDET(F2) "),
                  .duzeltCaption = U8("DÜZELT"),
                  .silCaption = U8("SİL(F5)"),
                  .columns = TeacherColumns(),
                  .searchColumn = 2,
                  .ordered = true,
                  .rows = TeacherRows,
                  .deleteRecord = DeleteTeacherFromList,
                  .moveRecord = MoveTeacher,
                  .sortBeforeFill = SortTeachers},
                 parent) {
  setObjectName("TOgretmenForm");
  AddEntryField("Edit1", U8("ADI SOYADI"), 30);
  AddEntryField("Edit2", U8("BRANŞI"), 12);
  AddEntryField("Edit3", U8("SINIF ÖĞRETMENLİĞİ"), 8);
  AddEntryField("Edit4", U8("EĞİTSEL KULÜP"), 12);
  // The list prints through the program's printing (a preview, then the system print
  // dialog); "Nöbet" is disabled until the duty window is given.
  yazdirBtn_ = AddButton("YazdirBtn", U8("YAZDIR(F9)"));
  yazdirBtn_->setEnabled(context.printing != nullptr);
  connect(yazdirBtn_, &QPushButton::clicked, this, [this] { YazdirBtnClick(); });
  keyLine()->Bind({QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_P)}, U8("Yazdır"),
                  [this] { YazdirBtnClick(); });
  nobetBtn_ = AddButton("NobetBtn", U8("Nöbet"));
  nobetBtn_->setEnabled(false);
  connect(nobetBtn_, &QPushButton::clicked, this, [this] {
    if (openDuties_) openDuties_();
  });
  QPushButton* kapatBtn = AddButton("KapatBtn", U8("KAPAT"));
  connect(kapatBtn, &QPushButton::clicked, this, &QDialog::accept);
  SetEditWindow(new TOgretmenEditForm(context, this));
  resize(820, 560);
}

void TOgretmenForm::SetDutyOpener(std::function<void()> open) {
  openDuties_ = std::move(open);
  nobetBtn_->setEnabled(static_cast<bool>(openDuties_));
}

Change TOgretmenForm::SaveNew() {
  return SaveNewTeacher(context().school, FieldsOf(entry(0), entry(1), entry(2), entry(3)));
}

void TOgretmenForm::YazdirBtnClick() {
  if (context().printing != nullptr) context().printing->PrintTeacherList();
}

}  // namespace kalvodrin
