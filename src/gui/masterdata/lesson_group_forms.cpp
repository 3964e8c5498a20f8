#include "gui/masterdata/lesson_group_forms.h"

#include <QFormLayout>
#include <QLineEdit>

#include "core/school.h"
#include "gui/common/key_filters.h"
#include "gui/common/qt_text.h"
#include "masterdata/deletions.h"
#include "masterdata/lessons.h"

namespace kalvodrin {

TDersGrupEditForm::TDersGrupEditForm(AppContext context, QWidget* parent)
    : EditWindow(context,
                 {.caption = U8("DERS GRUBU  DÜZELT"),
                  .iptalCaption = U8("İPTALET"),
                  .helpTopic = 104,
                  .kind = EntityKind::kLessonGroup},
                 parent) {
  setObjectName("TDersGrupEditForm");
  edit1_ = AddField("Edit1", U8("GRUP ADI"));
}

void TDersGrupEditForm::ShowRecord(int number) {
  const TLessonGroupRec* g = context().school.LessonGroupByNo(number);
  edit1_->setText(g != nullptr ? FromCp1254(g->name.view()) : QString());
}

bool TDersGrupEditForm::Valid() const { return !edit1_->text().isEmpty(); }

Change TDersGrupEditForm::Store(int number) {
  return SaveLessonGroupEdit(context().school, number, ToRecordText(edit1_->text()));
}

TDersGrupForm::TDersGrupForm(AppContext context, QWidget* parent)
    : ListWindow(context,
                 {.caption = U8("DERS GRUPLARI AÇ"),
                  .kind = EntityKind::kLessonGroup,
                  .helpTopic = 102,
                  .kaydetCaption = U8(" KAYDET(F2)    "),
                  .duzeltCaption = U8("DÜZENLE    "),
                  .silCaption = U8("SİL (F5)            "),
                  .columns = LessonGroupColumns()},
                 parent) {
  setObjectName("TDersGrupForm");
  auto* panel = new QWidget(this);
  auto* form = new QFormLayout(panel);
  edit1_ = new QLineEdit(panel);
  edit1_->setObjectName("Edit1");
  InstallKeyFilter(edit1_, FieldKind::kTurkishUpper);
  form->addRow(U8("DERS GRUBU"), edit1_);
  SetEntryPanel(panel, {edit1_});
  editForm_ = new TDersGrupEditForm(context, this);
  resize(420, 420);
}

std::vector<ListRow> TDersGrupForm::Rows() const { return LessonGroupRows(context().school); }
bool TDersGrupForm::EntryValid() const { return !edit1_->text().isEmpty(); }

Change TDersGrupForm::SaveNew() {
  return SaveNewLessonGroup(context().school, ToRecordText(edit1_->text()));
}

void TDersGrupForm::ClearEntries() { edit1_->clear(); }
QWidget* TDersGrupForm::FirstEntry() const { return edit1_; }
bool TDersGrupForm::EditRecord(int number) { return editForm_->Edit(number); }

Change TDersGrupForm::DeleteRecord(int number) {
  return DeleteLessonGroupFromList(context().school, number);
}

}  // namespace kalvodrin
