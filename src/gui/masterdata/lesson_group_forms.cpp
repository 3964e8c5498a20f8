#include "gui/masterdata/lesson_group_forms.h"

#include "core/school.h"
#include "gui/common/qt_text.h"
#include "gui/masterdata/record_texts.h"
#include "masterdata/deletions.h"
#include "masterdata/lessons.h"
#include "masterdata/list_rows.h"

namespace kalvodrin {

namespace {

std::string_view GroupName(const School& school, int number) {
  const TLessonGroupRec* g = school.LessonGroupByNo(number);
  return g != nullptr ? g->name.view() : std::string_view();
}

constexpr int kGroupNameWidth = decltype(TLessonGroupRec::name)::kCapacity;

}  // namespace

TDersGrupEditForm::TDersGrupEditForm(AppContext context, QWidget* parent)
    : NameEditWindow(context,
                     {.caption = U8("DERS GRUBU  DÜZELT"),
                      .iptalCaption = U8("İPTALET"),
                      .helpTopic = 104,
                      .texts = TextsOf(EntityKind::kLessonGroup)},
                     {.label = U8("GRUP ADI"), .name = GroupName, .store = SaveLessonGroupEdit},
                     kGroupNameWidth, parent) {
  setObjectName("TDersGrupEditForm");
}

TDersGrupForm::TDersGrupForm(AppContext context, QWidget* parent)
    : NameListWindow(context,
                     {.caption = U8("DERS GRUPLARI AÇ"),
                      .texts = TextsOf(EntityKind::kLessonGroup),
                      .helpTopic = 102,
                      .kaydetCaption = U8(" KAYDET(F2)    "),
                      .duzeltCaption = U8("DÜZENLE    "),
                      .silCaption = U8("SİL (F5)            "),
                      .columns = LessonGroupColumns(),
                      .rows = LessonGroupRows,
                      .deleteRecord = DeleteLessonGroupFromList},
                     U8("DERS GRUBU"), kGroupNameWidth, SaveNewLessonGroup, parent) {
  setObjectName("TDersGrupForm");
  SetEditWindow(new TDersGrupEditForm(context, this));
  resize(420, 420);
}

}  // namespace kalvodrin
