#include "core/field_text.h"

namespace kalvodrin {

uint8_t YesNoToFlag(std::string_view text) { return text == "H" ? 0 : 1; }

std::string FlagToYesNo(uint8_t flag) { return flag == 0 ? "H" : "E"; }

std::string NumberText3(int number) {
  if (number <= 0) return "";
  std::string digits = std::to_string(number);
  while (digits.size() < 3) digits.insert(digits.begin(), '0');
  return digits;
}

std::string_view DayName(int day) {
  if (day < 1 || day > 7) return "";
  return DayNames[static_cast<std::size_t>(day - 1)];
}

}  // namespace kalvodrin
