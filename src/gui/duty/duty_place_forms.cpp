#include "gui/duty/duty_place_forms.h"

#include <QPushButton>

#include "core/ordering.h"
#include "core/school.h"
#include "duty/duty_places.h"
#include "duty/duty_rows.h"
#include "gui/common/qt_text.h"

namespace kalvodrin {

namespace {

// What the box accepts and the record holds.
constexpr int kNameWidth = decltype(TDutyPlaceRec::name)::kCapacity;

}  // namespace

RecordTexts DutyPlaceTexts() {
  return {
      [](const Change& c) { return DutyPlaceNoticeText(c.outcome); },
      [](const School& school, int number) { return DeleteDutyPlaceConfirmText(school, number); }};
}

TNobetEditForm::TNobetEditForm(AppContext context, QWidget* parent)
    : NameEditWindow(context,
                     {.caption = U8("NÖBET YERİ (DÜZELT)"),
                      .kaydetCaption = U8("Tamam"),
                      .iptalCaption = U8("İptal"),
                      .helpTopic = 136,
                      .texts = DutyPlaceTexts()},
                     {.label = U8("NÖBET YERİ"), .name = DutyPlaceName, .store = SaveDutyPlaceEdit},
                     kNameWidth, parent) {
  setObjectName("TNobetEditForm");
}

TNobetForm::TNobetForm(AppContext context, QWidget* parent)
    : NameListWindow(context,
                     {.caption = U8("NÖBET YERLERİ"),
                      .texts = DutyPlaceTexts(),
                      .helpTopic = 135,
                      .kaydetCaption = U8("Kaydet"),
                      .duzeltCaption = U8("Düzelt"),
                      .silCaption = U8("Sil"),
                      .columns = DutyPlaceColumns(),
                      .ordered = true,
                      .saveKey = QKeySequence(Qt::Key_F4),
                      .deleteKey = QKeySequence(Qt::Key_F7),
                      .editFromGrid = false,
                      .rows = DutyPlaceRows,
                      .deleteRecord = DeleteDutyPlaceFromList,
                      .moveRecord = MoveDutyPlace,
                      .sortBeforeFill = SortDutyPlaces},
                     U8("NÖBET YERİ"), kNameWidth, SaveNewDutyPlace, parent) {
  setObjectName("TNobetForm");
  QPushButton* kapatBtn = AddButton("KapatBtn", U8("Kapat"));
  connect(kapatBtn, &QPushButton::clicked, this, &QDialog::accept);
  SetEditWindow(new TNobetEditForm(context, this));
  resize(420, 460);
}

}  // namespace kalvodrin
