#include <gtest/gtest.h>

#include "timetables/completion_notice.h"

namespace kalvodrin {
namespace {

TEST(CompletionNotice, SaysWhatWasPlacedAndMovedAndWhatIsLeft) {
  const School school;
  CompletionOutcome o;
  o.total = 40;
  o.placedBefore = 30;
  o.placedAfter = 39;
  o.movedHours = 4;
  EXPECT_EQ(CompletionNotice(school, o),
            "9 öğretmen saati yerleşti, 4 ders saatinin yeri değişti. Yerleşmeyen 1 öğretmen "
            "saati kaldı.");
  o.placedAfter = 40;
  EXPECT_EQ(CompletionNotice(school, o),
            "10 öğretmen saati yerleşti, 4 ders saatinin yeri değişti. Tebrikler dersleri "
            "yerleştirdiniz.");
  o.refused = "Ders programları tutarsız: x";
  EXPECT_EQ(CompletionNotice(school, o), "Ders programları tutarsız: x");
}

// Each bent rule is named with its owner and amount; the run's own share comes first.
TEST(CompletionNotice, NamesEveryBentRuleAfterWhatTheRunPlaced) {
  const School school;  // no records: owners are named by number
  CompletionOutcome o;
  o.total = 40;
  o.placedBefore = 30;
  o.placedAfter = 40;
  o.bentRules = {{BentRuleKind::kGaps, 3, 0, 0, 2}, {BentRuleKind::kDaysApart, 0, 5, 7, 1}};
  RunOutcome run;
  run.placed = 30;
  EXPECT_EQ(RunAndCompletionNotice(school, 12, run, o),
            "Otomatik dağıtım 18 öğretmen ders saati yerleştirdi; kalanlar tamamlama "
            "aramasıyla yerleştirildi. 10 öğretmen saati yerleşti, 0 ders saatinin yeri değişti. "
            "Esnetilen kurallar: 3: boşluk sınırı 2 saat aşıldı; 5 7: 1 kez arada gün "
            "bırakılmadı. Tebrikler dersleri yerleştirdiniz.");
}

}  // namespace
}  // namespace kalvodrin
