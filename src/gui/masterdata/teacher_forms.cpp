#include "gui/masterdata/teacher_forms.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "core/ordering.h"
#include "core/school.h"
#include "gui/common/key_filters.h"
#include "gui/common/qt_text.h"
#include "masterdata/deletions.h"
#include "masterdata/teachers.h"

namespace kalvodrin {
namespace {

QLineEdit* NameField(QWidget* parent, const char* objectName, int maxLength) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(objectName);
  if (maxLength > 0) field->setMaxLength(maxLength);
  InstallKeyFilter(field, FieldKind::kTurkishUpper);
  return field;
}

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
                  .kind = EntityKind::kTeacher},
                 parent) {
  setObjectName("TOgretmenEditForm");
  edit1_ = AddField("Edit1", U8("ADI SOYADI"));
  edit2_ = AddField("Edit2", U8("BRANŞI"));
  edit3_ = AddField("Edit3", U8("SINIF ÖĞRETMENLİĞİ"));
  edit4_ = AddField("Edit4", U8("EĞİTSEL KULÜP"));
}

void TOgretmenEditForm::ShowRecord(int number) {
  const TeacherFields f = TeacherFieldsOf(context().school, number);
  edit1_->setText(FromCp1254(f.name));
  edit2_->setText(FromCp1254(f.branch));
  edit3_->setText(FromCp1254(f.classTeacherOf));
  edit4_->setText(FromCp1254(f.club));
}

bool TOgretmenEditForm::Valid() const { return !edit1_->text().isEmpty(); }

Change TOgretmenEditForm::Store(int number) {
  return SaveTeacherEdit(context().school, number, FieldsOf(edit1_, edit2_, edit3_, edit4_));
}

TOgretmenForm::TOgretmenForm(AppContext context, QWidget* parent)
    : ListWindow(context,
                 {.caption = U8("ÖĞRETMENLER"),
                  .kind = EntityKind::kTeacher,
                  .helpTopic = 109,
                  .kaydetCaption = U8(" KAYDET(F2) "),
                  .duzeltCaption = U8("DÜZELT"),
                  .silCaption = U8("SİL(F5)"),
                  .columns = TeacherColumns(),
                  .searchColumn = 2,
                  .ordered = true},
                 parent) {
  setObjectName("TOgretmenForm");
  auto* panel = new QWidget(this);
  auto* form = new QFormLayout(panel);
  edit1_ = NameField(panel, "Edit1", 30);
  edit2_ = NameField(panel, "Edit2", 12);
  edit3_ = NameField(panel, "Edit3", 8);
  edit4_ = NameField(panel, "Edit4", 15);
  form->addRow(U8("ADI SOYADI"), edit1_);
  form->addRow(U8("BRANŞI"), edit2_);
  form->addRow(U8("SINIF ÖĞRETMENLİĞİ"), edit3_);
  form->addRow(U8("EĞİTSEL KULÜP"), edit4_);
  SetEntryPanel(panel, {edit1_});
  // Printing the list and the duty distribution come with their own parts of the
  // program; until then the buttons are shown and disabled.
  yazdirBtn_ = AddButton("YazdirBtn", U8("YAZDIR(F9)"));
  yazdirBtn_->setEnabled(false);
  nobetBtn_ = AddButton("NobetBtn", U8("Nöbet"));
  nobetBtn_->setEnabled(false);
  QPushButton* kapatBtn = AddButton("KapatBtn", U8("KAPAT"));
  connect(kapatBtn, &QPushButton::clicked, this, &QDialog::accept);
  editForm_ = new TOgretmenEditForm(context, this);
  resize(820, 560);
}

void TOgretmenForm::BeforeFill() { SortTeachers(context().school); }
std::vector<ListRow> TOgretmenForm::Rows() const { return TeacherRows(context().school); }
bool TOgretmenForm::EntryValid() const { return !edit1_->text().isEmpty(); }

Change TOgretmenForm::SaveNew() {
  return SaveNewTeacher(context().school, FieldsOf(edit1_, edit2_, edit3_, edit4_));
}

void TOgretmenForm::ClearEntries() {
  for (QLineEdit* f : {edit1_, edit2_, edit3_, edit4_}) f->clear();
}

QWidget* TOgretmenForm::FirstEntry() const { return edit1_; }
bool TOgretmenForm::EditRecord(int number) { return editForm_->Edit(number); }

Change TOgretmenForm::DeleteRecord(int number) {
  return DeleteTeacherFromList(context().school, number);
}

Change TOgretmenForm::MoveRecord(int number, MoveDirection direction) {
  return MoveTeacher(context().school, number, direction);
}

}  // namespace kalvodrin
