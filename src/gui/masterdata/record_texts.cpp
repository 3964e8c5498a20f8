#include "gui/masterdata/record_texts.h"

#include "masterdata/deletion_loss.h"
#include "masterdata/duplicates.h"

namespace kalvodrin {

RefusalText RefusalOf(EntityKind kind) {
  return [kind](const Change& change) { return NoticeText(change.outcome, kind, change.day); };
}

RecordTexts TextsOf(EntityKind kind) {
  // The question says what goes with the record, counted before it is asked.
  RecordTexts texts{RefusalOf(kind), [kind](const School& school, int number) {
                      const std::string confirm = DeleteConfirmText(school, kind, number);
                      if (confirm.empty()) return confirm;
                      return confirm + DeletionLossText(CountDeletionLoss(school, kind, number));
                    }};
  // The name is the window's first field; a class's section its second.
  texts.duplicateQuestion = [kind](const School& school, const std::vector<std::string>& fields,
                                   int except) {
    if (fields.empty()) return std::string();
    const std::string_view section =
        kind == EntityKind::kClass && fields.size() > 1 ? fields[1] : std::string_view();
    return DuplicateQuestion(school, kind, fields[0], section, except);
  };
  return texts;
}

}  // namespace kalvodrin
