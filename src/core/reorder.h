#pragma once
// Moving a record of an ordered list (classes, classrooms, teachers) one row up or
// down. The list is kept sorted by its order byte, so the record trades places with
// its neighbour and the order bytes are written again as the display positions
// 1..n: the same as exchanging the two order bytes and re-sorting, and it also mends
// order bytes that a damaged file left duplicated or with gaps.

#include <cstddef>
#include <utility>

#include "core/change.h"

namespace kalvodrin {

enum class MoveDirection { kUp, kDown };

// Requires: a NumberedList whose records have `order` and `number` fields.
// Returns kNotFound, kUnchanged (first row up, last row down) or kDone.
template <typename List>
Outcome MoveInList(List& list, int number, MoveDirection direction) {
  std::size_t i = 0;
  while (i < list.size() && list[i].number != number) ++i;
  if (i == list.size()) return Outcome::kNotFound;
  if (direction == MoveDirection::kUp && i == 0) return Outcome::kUnchanged;
  if (direction == MoveDirection::kDown && i + 1 == list.size()) return Outcome::kUnchanged;
  const std::size_t j = direction == MoveDirection::kUp ? i - 1 : i + 1;
  std::swap(list[i], list[j]);
  for (std::size_t k = 0; k < list.size(); ++k) list[k].order = static_cast<uint8_t>(k + 1);
  list.reindex();
  return Outcome::kDone;
}

}  // namespace kalvodrin
