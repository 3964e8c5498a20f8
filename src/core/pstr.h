#pragma once
// Byte-exact field types of the data files: short strings with a length byte, and
// little-endian 32-bit numbers kept as bytes so a record is its own file image.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace kalvodrin {

// String[N]: a length byte followed by N bytes of cp1254 text. The bytes after the
// length are undefined; they are kept as read so a load/save round trip is exact.
template <std::size_t N>
struct PStr {
  static_assert(N >= 1 && N <= 255);
  static constexpr std::size_t kCapacity = N;

  uint8_t length;
  std::array<char, N> chars;

  // Never longer than N, whatever the stored length byte says.
  std::string_view view() const {
    return {chars.data(), std::min<std::size_t>(length, N)};
  }
  std::string str() const { return std::string(view()); }
  bool damaged() const { return length > N; }
  bool empty() const { return view().empty(); }

  // Stores the text cut to N characters; the unused tail is cleared.
  void assign(std::string_view text) {
    const std::size_t n = std::min(text.size(), N);
    length = static_cast<uint8_t>(n);
    chars.fill(0);
    if (n > 0) std::memcpy(chars.data(), text.data(), n);  // an empty view may be null
  }
  PStr& operator=(std::string_view text) {
    assign(text);
    return *this;
  }
};

// A little-endian signed 32-bit number held as four bytes.
struct LeI32 {
  std::array<uint8_t, 4> bytes;

  int32_t get() const {
    const uint32_t u = uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 |
                       uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
    return static_cast<int32_t>(u);
  }
  void set(int32_t value) {
    const auto u = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(u >> (8 * i));
  }
};

// One timetable plane: cell k (1..80) is byte k-1.
using Plane = std::array<uint8_t, 80>;

// Five per-day bytes, day d (1..5) is byte d-1.
using DayBytes = std::array<uint8_t, 5>;

}  // namespace kalvodrin
