#include "gui/masterdata/record_texts.h"

#include "masterdata/duplicates.h"

namespace kalvodrin {

RefusalText RefusalOf(EntityKind kind) {
  return [kind](const Change& change) { return NoticeText(change.outcome, kind, change.day); };
}

RecordTexts TextsOf(EntityKind kind) {
  RecordTexts texts{RefusalOf(kind), [kind](const School& school, int number) {
                      return DeleteConfirmText(school, kind, number);
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
