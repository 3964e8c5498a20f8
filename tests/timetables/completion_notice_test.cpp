#include <gtest/gtest.h>

#include <string>

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

// The one-button run's notice: what the run placed and how it ended, what the
// completion placed and moved, each bent rule with its owner and amount or that none
// was bent, and what is left.
TEST(CompletionNotice, TellsTheRunAndTheCompletionAndNamesEveryBentRule) {
  const School school;  // no records: owners are named by number
  CompletionOutcome o;
  o.total = 40;
  o.placedBefore = 30;
  o.placedAfter = 40;
  o.bentRules = {{BentRuleKind::kGaps, 3, 0, 0, 2}, {BentRuleKind::kDaysApart, 0, 5, 7, 1}};
  RunOutcome run;
  run.placed = 30;
  EXPECT_EQ(RunAndCompletionNotice(school, 12, run, o, false),
            "Otomatik dağıtım 18 öğretmen ders saati yerleştirdi; kalanlar için tamamlama "
            "araması çalıştı. Tamamlama araması 10 öğretmen saati yerleştirdi, 0 ders saatinin "
            "yerini değiştirdi. Esnetilen kurallar: 3: boşluk sınırı 2 saat aşıldı; 5 7: 1 kez "
            "arada gün bırakılmadı. Tebrikler dersleri yerleştirdiniz.");
  // A run that gave way after placing 30 hours from nothing: what it placed leads, and
  // what the completion did, or why it refused, follows.
  const std::string gaveWay =
      "Otomatik dağıtım 30 öğretmen ders saati yerleştirdi, ilerleyemeyince tamamlama "
      "aramasına devretti. ";
  o.bentRules.clear();
  o.placedAfter = 39;
  o.movedHours = 6;
  EXPECT_EQ(RunAndCompletionNotice(school, 0, run, o, true),
            gaveWay +
                "Tamamlama araması 9 öğretmen saati yerleştirdi, 6 ders saatinin yerini "
                "değiştirdi. Okulun kurallarından hiçbirini esnetmedi. Yerleşmeyen 1 "
                "öğretmen saati kaldı.");
  o.refused = "Ders programları tutarsız: x";
  EXPECT_EQ(RunAndCompletionNotice(school, 0, run, o, true), gaveWay + o.refused);
}

}  // namespace
}  // namespace kalvodrin
