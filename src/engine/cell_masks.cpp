#include "engine/cell_masks.h"

#include <bit>
#include <cstring>

#include "core/cells.h"
#include "engine/participants.h"

namespace kalvodrin {
namespace {

// Bit i set when byte i of the eight from `bytes` is not 0. The search builds these
// masks for every request, so eight bytes are read at once: adding 0x7F to the low
// seven bits of a byte carries into its high bit unless they are all 0, and one
// multiplication gathers the eight high bits into one byte.
uint64_t NonZeroBytes(const uint8_t* bytes) {
  if constexpr (std::endian::native != std::endian::little) {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(bytes[i] != 0) << i;
    return bits;
  }
  uint64_t x = 0;
  std::memcpy(&x, bytes, sizeof x);
  constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;
  const uint64_t marks = (((x & kLow7) + kLow7) | x) & ~kLow7;
  return ((marks >> 7) * 0x0102040810204080) >> 56;
}

// The cells whose byte is not 0, or with `zero` those whose byte is 0.
CellMask MaskOf(const Plane& plane, bool zero) {
  static_assert(kCells == 80);
  const uint64_t flip = zero ? 0xFF : 0;
  CellMask m;
  for (std::size_t k = 0; k < 8; ++k) m.low |= (NonZeroBytes(&plane[8 * k]) ^ flip) << (8 * k);
  for (std::size_t k = 0; k < 2; ++k)
    m.high |= (NonZeroBytes(&plane[64 + 8 * k]) ^ flip) << (8 * k);
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
    And(cells.open, MaskOf(g->open, false));
    And(cells.free, MaskOf(g->occupant, true));
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

uint16_t DayBits(const Plane& plane, int day) {
  const std::size_t first = static_cast<std::size_t>(CellIndex(day, 1) - 1);
  return static_cast<uint16_t>(NonZeroBytes(&plane[first]) | NonZeroBytes(&plane[first + 8]) << 8);
}

CellMask RunStarts(const CellMask& mask, int length) {
  if (length < 1 || length > kCells) return CellMask{};
  // Bits above cell 80 would count as open cells past the week's end.
  const CellMask week{mask.low, mask.high & ((uint64_t{1} << (kCells - 64)) - 1)};
  CellMask starts = week;
  for (int k = 1; k < length; ++k) {
    // Cell c + k of the run moves down to the bit of start cell c.
    const CellMask shifted =
        k < 64 ? CellMask{(week.low >> k) | (week.high << (64 - k)), week.high >> k}
               : CellMask{week.high >> (k - 64), 0};
    starts = starts & shifted;
  }
  return starts;
}

}  // namespace kalvodrin
