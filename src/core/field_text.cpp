#include "core/field_text.h"

#include "core/turkish_text.h"

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

std::string BoundedText(std::initializer_list<BoundedPiece> pieces) {
  // Cut in cp1254, where every character is one byte, as the buffer held them.
  std::string text;
  for (const BoundedPiece& piece : pieces) {
    text += Utf8ToCp1254(piece.text).value_or(std::string(piece.text));
    if (text.size() > piece.limit) text.resize(piece.limit);
  }
  return Cp1254ToUtf8(text);
}

}  // namespace kalvodrin
