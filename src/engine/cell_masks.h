#pragma once
// The week's cells as bits, so that whether every participant of a block has a cell
// open, or free, is asked once for the whole week instead of cell by cell: bit k - 1
// stands for cell k.

#include <cstdint>

#include "core/cells.h"
#include "core/school.h"
#include "engine/block.h"

namespace kalvodrin {

struct CellMask {
  uint64_t low = 0;   // cells 1..64
  uint64_t high = 0;  // cells 65..80

  bool operator==(const CellMask&) const = default;
};

// The cells open for every teacher, class and classroom of the block, and the cells
// free for all of them. Both are empty when a participant has no timetable or a list
// is out of range, as the slot tests then answer no.
struct ParticipantCells {
  CellMask open;
  CellMask free;
};
ParticipantCells CellsOf(const School& school, const Block& block);

// Every cell from `startCell` on for `length` cells is in the mask; no for a run that
// does not lie within cells 1..80.
bool HasRun(const CellMask& mask, int startCell, int length);

// The hours of `day` (1..5) whose byte in the plane is not 0: bit h - 1 for hour h.
uint16_t DayBits(const Plane& plane, int day);

// The cells k for which HasRun(mask, k, length) holds, so that a search asks once per
// block length instead of once per cell. Runs may cross from one day into the next, as
// in HasRun; a caller keeps its starts within a day.
CellMask RunStarts(const CellMask& mask, int length);

// Whether `cell` (1..80) is in the mask; no for any other number. Inline: the search
// asks it for every cell it walks.
inline bool InMask(const CellMask& mask, int cell) {
  if (!IsCell(cell)) return false;
  return cell <= 64 ? (mask.low >> (cell - 1)) & 1u : (mask.high >> (cell - 65)) & 1u;
}

inline CellMask operator&(const CellMask& a, const CellMask& b) {
  return CellMask{a.low & b.low, a.high & b.high};
}

}  // namespace kalvodrin
