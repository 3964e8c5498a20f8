#include "engine/slot_tests.h"

#include "engine/cell_writes.h"
#include "engine/participants.h"

namespace kalvodrin {
namespace {

using cells::At;

// Every cell of the block passes `ok` on the plane chosen by `plane` for every listed
// owner; an owner without a timetable fails.
template <typename Grid, typename PlaneOf, typename Ok>
bool EveryCell(const School& school, const Block& b,
               const std::array<uint8_t, kMaxListed>& owners, int count, PlaneOf plane,
               Ok ok) {
  if (count < 0 || count > kMaxListed) return false;
  const int last = b.startCell + b.length - 1;
  for (int k = 0; k < count; ++k) {
    const Grid* g = GridOf<Grid>(school, owners[static_cast<std::size_t>(k)]);
    if (g == nullptr) return false;
    const Plane& p = plane(*g);
    for (int c = b.startCell; c <= last; ++c)
      if (!ok(p[At(c)])) return false;
  }
  return true;
}

template <typename Ok, typename PlaneOf>
bool AllParticipants(const School& school, const Block& b, PlaneOf plane, Ok ok) {
  return EveryCell<TTeacherGridRec>(school, b, b.teachers, b.teacherCount, plane, ok) &&
         EveryCell<TClassGridRec>(school, b, b.classes, b.classCount, plane, ok) &&
         EveryCell<TRoomGridRec>(school, b, b.rooms, b.roomCount, plane, ok);
}

}  // namespace

bool WindowTest(const School& school, const Block& block) {
  if (!BlockFitsDay(block) || block.classCount < 1) return false;
  const TClassGridRec* cg = school.ClassGridByNo(block.classes[0]);
  if (cg == nullptr) return false;
  const std::size_t d = static_cast<std::size_t>(block.day - 1);
  const int first = cg->firstHour[d];
  const int last = cg->lastHour[d];
  if (first == 0 || last == 0 || block.startHour < first ||
      block.startHour + block.length - 1 > last)
    return false;
  if (block.teacherCount < 1) return true;
  const TTeacherGridRec* tg = school.TeacherGridByNo(block.teachers[0]);
  return tg != nullptr && tg->firstUsable[d] != 0;
}

bool AvailabilityTest(const School& school, const Block& block) {
  if (!BlockFitsDay(block)) return false;
  return AllParticipants(
      school, block, [](const auto& g) -> const Plane& { return g.open; },
      [](uint8_t v) { return v != 0; });
}

bool FreedomTest(const School& school, const Block& block) {
  if (!BlockFitsDay(block)) return false;
  return AllParticipants(
      school, block, [](const auto& g) -> const Plane& { return g.occupant; },
      [](uint8_t v) { return v == 0; });
}

}  // namespace kalvodrin
