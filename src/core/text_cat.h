#pragma once
// Joining the pieces of a message with one allocation: the checks write their lines by
// the thousand for a damaged file, and `a + b + c` allocates again at each step.

#include <initializer_list>
#include <string>
#include <string_view>

namespace kalvodrin {

inline std::string Cat(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (std::string_view p : pieces) size += p.size();
  std::string out;
  out.reserve(size);
  for (std::string_view p : pieces) out += p;
  return out;
}

}  // namespace kalvodrin
