#include "gui/masterdata/record_texts.h"

namespace kalvodrin {

RefusalText RefusalOf(EntityKind kind) {
  return [kind](const Change& change) { return NoticeText(change.outcome, kind, change.day); };
}

RecordTexts TextsOf(EntityKind kind) {
  return {RefusalOf(kind), [kind](const School& school, int number) {
            return DeleteConfirmText(school, kind, number);
          }};
}

}  // namespace kalvodrin
