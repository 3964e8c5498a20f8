#include "timetables/completion_notice.h"

namespace kalvodrin {

namespace {

std::string BentRulesText(const School& school, const CompletionOutcome& o) {
  std::string bent = "Esnetilen kurallar: ";
  for (std::size_t i = 0; i < o.bentRules.size(); ++i)
    bent += (i > 0 ? "; " : "") + BentRuleText(school, o.bentRules[i]);
  return bent + ". ";
}

// Counted as the teachers' hours are: the report of unplaced lessons counts by class.
std::string ClosingWords(const CompletionOutcome& o) {
  const int left = o.total - o.placedAfter;
  return left == 0 ? std::string("Tebrikler dersleri yerleştirdiniz.")
                   : "Yerleşmeyen " + std::to_string(left) + " öğretmen saati kaldı.";
}

}  // namespace

std::string CompletionNotice(const School& school, const CompletionOutcome& o) {
  if (!o.refused.empty()) return o.refused;
  return std::to_string(o.placedAfter - o.placedBefore) + " öğretmen saati yerleşti, " +
         std::to_string(o.movedHours) + " ders saatinin yeri değişti. " +
         (o.bentRules.empty() ? std::string() : BentRulesText(school, o)) + ClosingWords(o);
}

std::string RunAndCompletionNotice(const School& school, int placedBefore, const RunOutcome& run,
                                   const CompletionOutcome& completion, bool handedOver) {
  std::string text = "Otomatik dağıtım " + std::to_string(run.placed - placedBefore) +
                     " öğretmen ders saati yerleştirdi" +
                     (handedOver ? ", ilerleyemeyince tamamlama aramasına devretti. "
                                 : "; kalanlar için tamamlama araması çalıştı. ");
  if (!completion.refused.empty()) return text + completion.refused;
  const CompletionOutcome& o = completion;
  return text + "Tamamlama araması " + std::to_string(o.placedAfter - o.placedBefore) +
         " öğretmen saati yerleştirdi, " + std::to_string(o.movedHours) +
         " ders saatinin yerini değiştirdi. " +
         (o.bentRules.empty() ? std::string("Okulun kurallarından hiçbirini esnetmedi. ")
                              : BentRulesText(school, o)) +
         ClosingWords(o);
}

}  // namespace kalvodrin
