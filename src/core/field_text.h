#pragma once
// Small conversions between stored bytes and the texts the windows show.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kalvodrin {

// "H" gives 0; every other text, the empty one too, gives 1.
uint8_t YesNoToFlag(std::string_view text);
// 0 gives "H", anything else "E".
std::string FlagToYesNo(uint8_t flag);

// Three digits with leading zeros for 1..255 (7 -> "007"); 0 gives "".
std::string NumberText3(int number);

// Day 1..7, Monday first, in UTF-8: "PAZARTESİ" ... "PAZAR".
inline constexpr std::array<std::string_view, 7> DayNames = {
    "PAZARTESİ", "SALI", "ÇARŞAMBA", "PERŞEMBE", "CUMA", "CUMARTESİ", "PAZAR"};
std::string_view DayName(int day);  // "" outside 1..7

}  // namespace kalvodrin
