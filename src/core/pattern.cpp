#include "core/pattern.h"

#include <string>

namespace kalvodrin {

ParsedPattern ParsePattern(int weeklyHours, std::string_view text) {
  // The scan ends at a "-" or at a "+" followed by another "+"; the appended "+-"
  // closes the last part.
  const std::string s = std::string(text.substr(0, 18)) + "+-";
  ParsedPattern result;
  std::string digits;
  std::size_t parts = 0;
  int sum = 0;
  for (std::size_t i = 0; i < s.size() && i < 20; ++i) {
    const char c = s[i];
    if (c == '-' || (c == '+' && i + 1 < s.size() && s[i + 1] == '+')) break;
    if (c != '+') {
      digits += c;
      continue;
    }
    if (digits.empty() || digits.size() > 3 || parts == result.blocks.size()) return {};
    int value = 0;
    for (char d : digits) {
      if (d < '0' || d > '9') return {};
      value = value * 10 + (d - '0');
    }
    if (value > 255) return {};
    result.blocks[parts++] = static_cast<uint8_t>(value);
    sum += value;
    digits.clear();
  }
  if (!digits.empty()) return {};  // a part cut off by the end of the scan
  for (std::size_t k = 1; k < result.blocks.size(); ++k)
    if (result.blocks[k] > result.blocks[k - 1]) return {};
  result.valid = sum == weeklyHours;
  return result;
}

int CountBlocks(const PatternBytes& pattern) {
  int n = 0;
  for (uint8_t b : pattern)
    if (b != 0) ++n;
  return n;
}

std::string PatternText(const PatternBytes& pattern) {
  std::string text;
  for (uint8_t b : pattern) {
    if (b == 0) break;
    if (!text.empty()) text += '+';
    text += std::to_string(b);
  }
  return text;
}

}  // namespace kalvodrin
