#pragma once
// A small seeded random source whose sequence is the same on every platform and
// standard library, so a generated school is the same wherever it is built.

#include <cstdint>

namespace kalvodrin::samples {

// SplitMix64.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0..n-1; n must be at least 1.
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
  // True with probability 1/n.
  bool OneIn(int n) { return Below(n) == 0; }

 private:
  uint64_t state_;
};

}  // namespace kalvodrin::samples
