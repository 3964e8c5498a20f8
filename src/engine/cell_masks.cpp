#include "engine/cell_masks.h"

#include "core/cells.h"
#include "engine/participants.h"

namespace kalvodrin {
namespace {

// Bits of the cells whose byte passes `keep`.
template <typename Keep>
CellMask MaskOf(const Plane& plane, Keep keep) {
  CellMask m;
  for (std::size_t i = 0; i < 64; ++i) m.low |= static_cast<uint64_t>(keep(plane[i])) << i;
  for (std::size_t i = 64; i < static_cast<std::size_t>(kCells); ++i)
    m.high |= static_cast<uint64_t>(keep(plane[i])) << (i - 64);
  return m;
}

void And(CellMask& into, const CellMask& m) {
  into.low &= m.low;
  into.high &= m.high;
}

// Narrows both masks by every listed owner; false when one has no timetable.
template <typename Grid>
bool Narrow(const School& school, const std::array<uint8_t, kMaxListed>& owners, int count,
            ParticipantCells& cells) {
  if (count < 0 || count > kMaxListed) return false;
  for (int k = 0; k < count; ++k) {
    const Grid* g = GridOf<Grid>(school, owners[static_cast<std::size_t>(k)]);
    if (g == nullptr) return false;
    And(cells.open, MaskOf(g->open, [](uint8_t v) { return v != 0; }));
    And(cells.free, MaskOf(g->occupant, [](uint8_t v) { return v == 0; }));
  }
  return true;
}

}  // namespace

ParticipantCells CellsOf(const School& school, const Block& block) {
  const CellMask all{~uint64_t{0}, (uint64_t{1} << (kCells - 64)) - 1};
  ParticipantCells cells{all, all};
  if (!Narrow<TTeacherGridRec>(school, block.teachers, block.teacherCount, cells) ||
      !Narrow<TClassGridRec>(school, block.classes, block.classCount, cells) ||
      !Narrow<TRoomGridRec>(school, block.rooms, block.roomCount, cells))
    return ParticipantCells{};
  return cells;
}

bool HasRun(const CellMask& mask, int startCell, int length) {
  if (length < 1 || !IsCell(startCell) || startCell + length - 1 > kCells) return false;
  for (int cell = startCell; cell < startCell + length; ++cell) {
    const bool set = cell <= 64 ? (mask.low >> (cell - 1)) & 1u : (mask.high >> (cell - 65)) & 1u;
    if (!set) return false;
  }
  return true;
}

}  // namespace kalvodrin
