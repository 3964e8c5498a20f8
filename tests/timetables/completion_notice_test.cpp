#include <gtest/gtest.h>

#include "timetables/completion_notice.h"

namespace kalvodrin {
namespace {

TEST(CompletionNotice, SaysWhatWasPlacedAndMovedAndWhatIsLeft) {
  CompletionOutcome o;
  o.total = 40;
  o.placedBefore = 30;
  o.placedAfter = 39;
  o.movedHours = 4;
  EXPECT_EQ(CompletionNotice(o),
            "9 öğretmen saati yerleşti, 4 ders saatinin yeri değişti. Yerleşmeyen 1 öğretmen "
            "saati kaldı.");
  o.placedAfter = 40;
  EXPECT_EQ(CompletionNotice(o),
            "10 öğretmen saati yerleşti, 4 ders saatinin yeri değişti. Tebrikler dersleri "
            "yerleştirdiniz.");
  o.refused = "Ders programları tutarsız: x";
  EXPECT_EQ(CompletionNotice(o), "Ders programları tutarsız: x");
}

}  // namespace
}  // namespace kalvodrin
