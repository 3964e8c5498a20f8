#include "gui/masterdata/room_forms.h"

#include <QFormLayout>
#include <QLineEdit>

#include "core/ordering.h"
#include "core/school.h"
#include "gui/common/key_filters.h"
#include "gui/common/qt_text.h"
#include "masterdata/classes.h"
#include "masterdata/deletions.h"

namespace kalvodrin {

TDerslikEditForm::TDerslikEditForm(AppContext context, QWidget* parent)
    : EditWindow(context,
                 {.caption = U8("DERSLİK ADI DÜZENLE"),
                  .iptalCaption = U8("İPTALET"),
                  .helpTopic = 108,
                  .kind = EntityKind::kRoom},
                 parent) {
  setObjectName("TDerslikEditForm");
  edit1_ = AddField("Edit1", U8("DERSLİK ADI"));
}

void TDerslikEditForm::ShowRecord(int number) {
  const TRoomRec* r = context().school.RoomByNo(number);
  edit1_->setText(r != nullptr ? FromCp1254(r->name.view()) : QString());
}

bool TDerslikEditForm::Valid() const { return !edit1_->text().isEmpty(); }

Change TDerslikEditForm::Store(int number) {
  return SaveRoomEdit(context().school, number, ToRecordText(edit1_->text()));
}

TDerslikForm::TDerslikForm(AppContext context, QWidget* parent)
    : ListWindow(context,
                 {.caption = U8("DERSHANE AÇ-DÜZELT"),
                  .kind = EntityKind::kRoom,
                  .helpTopic = 107,
                  .kaydetCaption = U8("KAYDET (F2)"),
                  .duzeltCaption = U8("DÜZENLE     "),
                  .silCaption = U8("SİL (F5)"),
                  .columns = RoomColumns(),
                  .ordered = true,
                  .orderCaption = U8("DERSHANELERİ  SIRALA")},
                 parent) {
  setObjectName("TDerslikForm");
  auto* panel = new QWidget(this);
  auto* form = new QFormLayout(panel);
  edit1_ = new QLineEdit(panel);
  edit1_->setObjectName("Edit1");
  InstallKeyFilter(edit1_, FieldKind::kTurkishUpper);
  form->addRow(U8("DERSLİK ADI"), edit1_);
  SetEntryPanel(panel, {edit1_});
  editForm_ = new TDerslikEditForm(context, this);
  resize(460, 480);
}

void TDerslikForm::BeforeFill() { SortRooms(context().school); }
std::vector<ListRow> TDerslikForm::Rows() const { return RoomRows(context().school); }
bool TDerslikForm::EntryValid() const { return !edit1_->text().isEmpty(); }

Change TDerslikForm::SaveNew() {
  return SaveNewRoom(context().school, ToRecordText(edit1_->text()));
}

void TDerslikForm::ClearEntries() { edit1_->clear(); }
QWidget* TDerslikForm::FirstEntry() const { return edit1_; }
bool TDerslikForm::EditRecord(int number) { return editForm_->Edit(number); }

Change TDerslikForm::DeleteRecord(int number) {
  return DeleteRoomFromList(context().school, number);
}

Change TDerslikForm::MoveRecord(int number, MoveDirection direction) {
  return MoveRoom(context().school, number, direction);
}

}  // namespace kalvodrin
