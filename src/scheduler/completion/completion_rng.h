#pragma once
// The completion search's random numbers: SplitMix64, written out here so that one
// seed gives the same numbers with every compiler and standard library (the standard
// distributions do not promise that).

#include <cstdint>

namespace kalvodrin {

class CompletionRng {
 public:
  explicit CompletionRng(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // 0 .. bound - 1; 0 when bound <= 0. The small bias of the modulo does not matter
  // for a search and keeps the stream portable.
  int Below(int bound) {
    return bound <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(bound));
  }

 private:
  uint64_t state_;
};

}  // namespace kalvodrin
