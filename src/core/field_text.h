#pragma once
// Small conversions between stored bytes and the texts the windows show.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
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
// The same days short, as charts and printouts head their columns: "PZT." ... "PAZ.".
inline constexpr std::array<std::string_view, 7> DayAbbrevs = {"PZT.", "SAL.", "ÇAR.", "PER.",
                                                               "CUM.", "CMT.", "PAZ."};

// A message put together in a buffer of fixed size, piece after piece: after each
// piece the text is cut to that piece's limit in characters. Pieces and result are
// UTF-8; a piece not representable in cp1254 counts as its bytes.
struct BoundedPiece {
  std::string_view text;
  std::size_t limit;
};
std::string BoundedText(std::initializer_list<BoundedPiece> pieces);

}  // namespace kalvodrin
