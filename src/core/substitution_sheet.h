#pragma once
// The substitution sheet ("DERS GÖREVLENDİRME ÇİZELGESİ") as the texts it prints: the
// substitution area fills it from a day's plan, the printing area draws it, and
// neither needs the other.

#include <string>
#include <vector>

namespace kalvodrin {

struct SubstitutionSheetRow {  // UTF-8 texts
  std::string hour;
  std::string className;
  std::string lesson;
  std::string absent;
  std::string substitute;
};

struct SubstitutionSheet {
  std::string date;     // "09.12.2026"
  std::string dayName;  // "ÇARŞAMBA"
  std::vector<SubstitutionSheetRow> rows;
};

}  // namespace kalvodrin
