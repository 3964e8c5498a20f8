#pragma once
// A collection in its display or file order with constant-time lookup by number.

#include <array>
#include <cstdint>
#include <vector>

namespace kalvodrin {

// The records in collection order, plus a 256-slot index by the record's number field.
// Records may be changed, added or removed directly; reindex() rebuilds the slots.
// A lookup never trusts a stale slot: when the slot does not hold a record of that
// number it searches, so a forgotten reindex costs time, never a wrong answer.
template <typename Rec, auto Key>
class NumberedList : public std::vector<Rec> {
 public:
  using Base = std::vector<Rec>;

  NumberedList() { slots_.fill(-1); }

  Rec* find(int number) {
    return const_cast<Rec*>(static_cast<const NumberedList*>(this)->find(number));
  }
  const Rec* find(int number) const {
    if (number < 1 || number > 255) return nullptr;
    const int slot = slots_[static_cast<std::size_t>(number)];
    if (slot >= 0 && static_cast<std::size_t>(slot) < this->size() &&
        (*this)[static_cast<std::size_t>(slot)].*Key == number)
      return &(*this)[static_cast<std::size_t>(slot)];
    for (const Rec& r : *this)
      if (r.*Key == number) return &r;
    return nullptr;
  }
  bool contains(int number) const { return find(number) != nullptr; }

  // Where several records carry one number (a damaged file), the last one wins.
  void reindex() {
    slots_.fill(-1);
    for (std::size_t i = 0; i < this->size(); ++i)
      slots_[(*this)[i].*Key] = static_cast<int16_t>(i);
  }

  // The smallest number 1..255 that no record carries; 0 when all are taken.
  int nextFreeNumber() const {
    std::array<bool, 256> used{};
    for (const Rec& r : *this) used[r.*Key] = true;
    for (int n = 1; n <= 255; ++n)
      if (!used[static_cast<std::size_t>(n)]) return n;
    return 0;
  }

 private:
  std::array<int16_t, 256> slots_;
};

// The number a new entity takes: the smallest 1..255 no record of the collection
// carries; 0 when all 255 are in use.
template <typename Rec, auto Key>
int NextFreeNumber(const NumberedList<Rec, Key>& list) {
  return list.nextFreeNumber();
}

}  // namespace kalvodrin
