#pragma once
// The substitution sheet ("DERS GÖREVLENDİRME ÇİZELGESİ") and the list of teachers free
// at an hour ("BOŞ ÖĞRETMENLER") as the texts they print: the substitution area fills
// them, the printing area draws them, and neither needs the other.

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

// The teachers free at one hour of a day, best first, with what ranks each there.
struct FreeTeachersRow {  // UTF-8 texts
  std::string teacher;
  std::string notes;  // "NÖBETÇİ, OKULDA, 2 SAAT"
};

struct FreeTeachersSheet {
  std::string date;  // "09.12.2026"; empty when only the weekday was asked
  std::string dayName;
  int hour = 0;
  std::vector<FreeTeachersRow> rows;
};

}  // namespace kalvodrin
