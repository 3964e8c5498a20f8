#include "scheduler/completion/step_aside.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

#include "core/cells.h"

namespace kalvodrin {
namespace {

std::size_t Ix(int n) { return static_cast<std::size_t>(n); }

uint32_t HoursOf(const Block& b, int start) { return ((1U << b.length) - 1) << HourOfCell(start); }

// Whether the owner is in a block's list of classes, teachers or rooms.
bool Among(std::pair<const uint8_t*, int> list, int owner) {
  for (int k = 0; k < list.second; ++k)
    if (list.first[k] == owner) return true;
  return false;
}

}  // namespace

std::array<uint32_t, kDays + 1> FreeStartsOnceAside(const CompletionModel& model, int x, int unit,
                                                    int start, const std::vector<int>& out) {
  const CompletionUnit& moving = model.units[Ix(x)];
  const Block& b = moving.block;
  const Block& placed = model.units[Ix(unit)].block;
  const int unitDay = DayOfCell(start);
  std::array<uint32_t, kDays + 1> starts = moving.domainHours;
  // Keeps the starts from which the owner's hours are free once the blocks of `out`
  // are taken out and the unit stands at `start`, day by day as bits.
  auto narrow = [&](int owner, auto listOf, auto heldOn) {
    std::array<uint32_t, kDays + 1> held{};
    for (int d = 1; d <= kDays; ++d) held[Ix(d)] = heldOn(owner, d);
    for (int y : out) {
      const CompletionUnit& h = model.units[Ix(y)];
      if (Among(listOf(h.block), owner)) held[Ix(DayOfCell(h.start))] &= ~HoursOf(h.block, h.start);
    }
    if (Among(listOf(placed), owner)) held[Ix(unitDay)] |= HoursOf(placed, start);
    for (int d = 1; d <= kDays; ++d) {
      uint32_t from = ~held[Ix(d)];
      for (int i = 1; i < b.length; ++i) from &= ~held[Ix(d)] >> i;
      starts[Ix(d)] &= from;
    }
  };
  auto classes = [](const Block& k) { return std::pair(k.classes.data(), k.classCount); };
  auto teachers = [](const Block& k) { return std::pair(k.teachers.data(), k.teacherCount); };
  auto classHeld = [&](int owner, int d) { return model.ClassHeldHours(owner, d); };
  auto teacherHeld = [&](int owner, int d) { return model.HeldHours(owner, d); };
  // Where the class has no start left, the teachers need not be looked at.
  auto none = [&] {
    return std::all_of(starts.begin() + 1, starts.end(), [](uint32_t hours) { return hours == 0; });
  };
  for (int k = 0; k < b.classCount; ++k) narrow(b.classes[Ix(k)], classes, classHeld);
  if (none()) return starts;
  for (int k = 0; k < b.teacherCount; ++k) narrow(b.teachers[Ix(k)], teachers, teacherHeld);
  // Rooms have no hours as bits: their cells one by one, for the starts left.
  auto roomsFree = [&](int s) {
    for (int k = 0; k < b.roomCount; ++k) {
      const int room = b.rooms[Ix(k)];
      const bool ownsUnit = Among(std::pair(placed.rooms.data(), placed.roomCount), room);
      for (int c = s; c < s + b.length; ++c) {
        if (ownsUnit && c >= start && c < start + placed.length) return false;
        const int holder = model.RoomAt(room, c);
        if (holder != kFreeCell &&
            (holder < 0 || std::find(out.begin(), out.end(), holder) == out.end()))
          return false;
      }
    }
    return true;
  };
  if (b.roomCount > 0)
    for (int d = 1; d <= kDays; ++d)
      for (uint32_t left = starts[Ix(d)]; left != 0; left &= left - 1) {
        const int hour = std::countr_zero(left);
        if (!roomsFree(CellIndex(d, hour))) starts[Ix(d)] &= ~(1U << hour);
      }
  return starts;
}

}  // namespace kalvodrin
