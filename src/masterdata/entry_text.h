#pragma once
// The texts of the list windows' entry fields and messages: typed names made into
// stored names, digit fields read as numbers, refusals and delete confirmations.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/change.h"
#include "core/school.h"

namespace kalvodrin {

// The kinds of master data the list windows keep.
enum class EntityKind { kLessonGroup, kLesson, kClass, kRoom, kTeacher };

// The notice the window shows for a refused command, in UTF-8; empty for kDone and
// kUnchanged, which need none. `day` (1..5) names the day of an hour problem.
std::string NoticeText(Outcome outcome, EntityKind kind, int day = 0);

// A typed cp1254 text as it is stored: Turkish capitals, cut to `width` characters.
std::string StoredText(std::string_view typed, std::size_t width);

// The value of a field of 1..maxDigits decimal digits; empty for an empty text, any
// other character or too many digits.
std::optional<int> DigitsValue(std::string_view text, std::size_t maxDigits);

// "SİLİNECEK" line of the confirmation window for the record, in UTF-8:
//   lesson group  name + " Ders Grubu silinecek !"
//   lesson        name + " Dersi silinecek !"
//   class         name + " " + section + " Sınıfı silinecek !"
//   classroom     name + " Dersliği silinecek !"
//   teacher       name + " adındaki öğretmen silinecek !"
// Empty when no record carries the number.
std::string DeleteConfirmText(const School& school, EntityKind kind, int number);

}  // namespace kalvodrin
