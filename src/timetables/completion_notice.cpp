#include "timetables/completion_notice.h"

namespace kalvodrin {

std::string CompletionNotice(const School& school, const CompletionOutcome& o) {
  if (!o.refused.empty()) return o.refused;
  const int left = o.total - o.placedAfter;
  // Counted as the teachers' hours are: the report of unplaced lessons counts by class.
  std::string bent;
  if (!o.bentRules.empty()) {
    bent = "Esnetilen kurallar: ";
    for (std::size_t i = 0; i < o.bentRules.size(); ++i)
      bent += (i > 0 ? "; " : "") + BentRuleText(school, o.bentRules[i]);
    bent += ". ";
  }
  return std::to_string(o.placedAfter - o.placedBefore) + " öğretmen saati yerleşti, " +
         std::to_string(o.movedHours) + " ders saatinin yeri değişti. " + bent +
         (left == 0 ? std::string("Tebrikler dersleri yerleştirdiniz.")
                    : "Yerleşmeyen " + std::to_string(left) + " öğretmen saati kaldı.");
}

std::string RunAndCompletionNotice(const School& school, int placedBefore, const RunOutcome& run,
                                   const CompletionOutcome& completion) {
  return "Otomatik dağıtım " + std::to_string(run.placed - placedBefore) +
         " öğretmen ders saati yerleştirdi; kalanlar tamamlama aramasıyla yerleştirildi. " +
         CompletionNotice(school, completion);
}

}  // namespace kalvodrin
