#include "engine/participants.h"

#include "engine/cell_writes.h"

namespace kalvodrin {
namespace {

using cells::At;

bool InList(int count) { return count >= 0 && count <= kMaxListed; }

template <typename Grid>
Grid* Find(School& school, int number) {
  return const_cast<Grid*>(GridOf<Grid>(school, number));
}

template <typename Grid>
bool Resolve(School& school, const std::array<uint8_t, kMaxListed>& numbers, int count,
             std::array<Grid*, kMaxListed>& out) {
  for (int k = 0; k < count; ++k) {
    out[static_cast<std::size_t>(k)] =
        Find<Grid>(school, numbers[static_cast<std::size_t>(k)]);
    if (out[static_cast<std::size_t>(k)] == nullptr) return false;
  }
  return true;
}

}  // namespace

std::optional<Grids> GridsOf(School& school, const Block& block) {
  // Built in place and returned by name on every path: every block the search takes
  // out or puts back asks for its timetables, and a copy of the lists costs more than
  // filling them.
  std::optional<Grids> result;
  if (!InList(block.teacherCount) || !InList(block.classCount) ||
      !InList(block.roomCount))
    return result;
  Grids& g = result.emplace();
  g.teacherCount = block.teacherCount;
  g.classCount = block.classCount;
  g.roomCount = block.roomCount;
  if (!Resolve(school, block.teachers, g.teacherCount, g.teachers) ||
      !Resolve(school, block.classes, g.classCount, g.classes) ||
      !Resolve(school, block.rooms, g.roomCount, g.rooms))
    result.reset();
  return result;
}

bool HasClass(const Block& block, int classNo) {
  if (classNo == 0) return false;
  for (int k = 0; k < block.classCount; ++k)
    if (block.classes[static_cast<std::size_t>(k)] == classNo) return true;
  return false;
}

bool AllFree(const Grids& g, int first, int last) {
  for (int c = first; c <= last; ++c) {
    for (int k = 0; k < g.teacherCount; ++k)
      if (g.teachers[static_cast<std::size_t>(k)]->occupant[At(c)] != 0) return false;
    for (int k = 0; k < g.classCount; ++k)
      if (g.classes[static_cast<std::size_t>(k)]->occupant[At(c)] != 0) return false;
    for (int k = 0; k < g.roomCount; ++k)
      if (g.rooms[static_cast<std::size_t>(k)]->occupant[At(c)] != 0) return false;
  }
  return true;
}

bool AllHold(const Grids& g, const Block& b, int first, int last) {
  for (int c = first; c <= last; ++c) {
    for (int k = 0; k < g.teacherCount; ++k)
      if (!HasClass(b, g.teachers[static_cast<std::size_t>(k)]->occupant[At(c)]))
        return false;
    for (int k = 0; k < g.classCount; ++k)
      if (g.classes[static_cast<std::size_t>(k)]->occupant[At(c)] != b.lesson)
        return false;
    for (int k = 0; k < g.roomCount; ++k)
      if (!HasClass(b, g.rooms[static_cast<std::size_t>(k)]->occupant[At(c)]))
        return false;
  }
  return true;
}

void RelinkRange(const Grids& g, const Block& b, int first, int last, int length,
                 int start, ChangeJournal* journal) {
  for (int c = first; c <= last; ++c) {
    for (int k = 0; k < g.teacherCount; ++k) {
      TTeacherGridRec& t = *g.teachers[static_cast<std::size_t>(k)];
      if (HasClass(b, t.occupant[At(c)]))
        cells::RelinkTeacher(t, c, length, start, journal);
    }
    for (int k = 0; k < g.classCount; ++k) {
      TClassGridRec& cl = *g.classes[static_cast<std::size_t>(k)];
      if (cl.occupant[At(c)] == b.lesson)
        cells::RelinkClass(cl, c, length, start, journal);
    }
    for (int k = 0; k < g.roomCount; ++k) {
      TRoomGridRec& r = *g.rooms[static_cast<std::size_t>(k)];
      if (HasClass(b, r.occupant[At(c)])) cells::RelinkRoom(r, c, length, start, journal);
    }
  }
}

}  // namespace kalvodrin
