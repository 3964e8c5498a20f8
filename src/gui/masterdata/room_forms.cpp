#include "gui/masterdata/room_forms.h"

#include "core/ordering.h"
#include "core/school.h"
#include "gui/common/qt_text.h"
#include "gui/masterdata/record_texts.h"
#include "masterdata/classes.h"
#include "masterdata/deletions.h"
#include "masterdata/list_rows.h"

namespace kalvodrin {

namespace {

std::string_view RoomName(const School& school, int number) {
  const TRoomRec* r = school.RoomByNo(number);
  return r != nullptr ? r->name.view() : std::string_view();
}

constexpr int kRoomNameWidth = decltype(TRoomRec::name)::kCapacity;

}  // namespace

TDerslikEditForm::TDerslikEditForm(AppContext context, QWidget* parent)
    : NameEditWindow(context,
                     {.caption = U8("DERSLİK ADI DÜZENLE"),
                      .iptalCaption = U8("İPTALET"),
                      .helpTopic = 108,
                      .texts = TextsOf(EntityKind::kRoom)},
                     {.label = U8("DERSLİK ADI"), .name = RoomName, .store = SaveRoomEdit},
                     kRoomNameWidth, parent) {
  setObjectName("TDerslikEditForm");
}

TDerslikForm::TDerslikForm(AppContext context, QWidget* parent)
    : NameListWindow(context,
                     {.caption = U8("DERSHANE AÇ-DÜZELT"),
                      .texts = TextsOf(EntityKind::kRoom),
                      .helpTopic = 107,
                      .kaydetCaption = U8("KAYDET (F2)"),
                      .duzeltCaption = U8("DÜZENLE     "),
                      .silCaption = U8("SİL (F5)"),
                      .columns = RoomColumns(),
                      .ordered = true,
                      .orderCaption = U8("DERSHANELERİ  SIRALA"),
                      .rows = RoomRows,
                      .deleteRecord = DeleteRoomFromList,
                      .moveRecord = MoveRoom,
                      .sortBeforeFill = SortRooms},
                     U8("DERSLİK ADI"), kRoomNameWidth, SaveNewRoom, parent) {
  setObjectName("TDerslikForm");
  SetEditWindow(new TDerslikEditForm(context, this));
  resize(460, 480);
}

}  // namespace kalvodrin
