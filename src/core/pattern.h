#pragma once
// Placement patterns ("YERLEŞTİRME BİÇİMİ"): how a lesson's weekly hours split into
// blocks of consecutive hours, typed as "2+2+1".

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kalvodrin {

using PatternBytes = std::array<uint8_t, 5>;

struct ParsedPattern {
  PatternBytes blocks{};
  bool valid = false;
};

// Valid when every part is a number, the blocks do not increase and they add up to
// weeklyHours. A part with no digits ("+2", "2++1") makes the text invalid.
ParsedPattern ParsePattern(int weeklyHours, std::string_view text);

int CountBlocks(const PatternBytes& pattern);

// "2+2+1" for 2, 2, 1, 0, 0.
std::string PatternText(const PatternBytes& pattern);

}  // namespace kalvodrin
