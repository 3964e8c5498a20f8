// Moving one placed block with every rule kept and nothing left waiting: to a free
// place, or into the place of one block that moves on the same way. Where a class's week
// is full, a block can only trade places along such a ring of the class's blocks, which
// the chains, sending each block back to wait, find only by luck.

#include <algorithm>

#include "core/cells.h"
#include "engine/block_operations.h"
#include "scheduler/completion/completion_search.h"

namespace kalvodrin {
namespace {

std::size_t Ix(int n) { return static_cast<std::size_t>(n); }

// Blocks a ring of trades may move beyond the first.
constexpr int kShiftDepth = 2;

}  // namespace

bool CompletionSearch::ShiftAlong(int unit, const std::function<bool()>& better) {
  const CompletionUnit& u = model_.units[Ix(unit)];
  if (u.start == 0 || u.fixed || u.guidance) return false;
  ++steps_;  // the mending passes' budgets count rings too
  std::vector<ShiftMove> moves;
  const int from = u.start;
  model_.Take(unit);
  if (ShiftFrom(unit, from, kShiftDepth, moves, better) && ApplyShifts(moves)) return true;
  model_.Put(unit, from);
  return false;
}

bool CompletionSearch::ShiftFrom(int unit, int from, int depth, std::vector<ShiftMove>& moves,
                                 const std::function<bool()>& better) {
  const std::vector<uint8_t>& domain = model_.units[Ix(unit)].domain;
  if (domain.empty()) return false;
  const std::size_t offset = Ix(rng_.Below(static_cast<int>(domain.size())));
  auto startAt = [&](std::size_t i) {
    return static_cast<int>(domain[(offset + i) % domain.size()]);
  };
  auto moved = [&](int x) {
    return std::any_of(moves.begin(), moves.end(), [&](const ShiftMove& m) { return m.unit == x; });
  };
  // A free place closes the ring.
  for (std::size_t i = 0; i < domain.size(); ++i) {
    const int start = startAt(i);
    if (start == from || Barred(unit, start) || !FreeAt(unit, start)) continue;
    model_.Put(unit, start);
    moves.push_back({unit, from, start});
    if (better()) return true;
    moves.pop_back();
    model_.Take(unit);
  }
  if (depth == 0) return false;
  // Or the place of one block, which moves on.
  std::vector<int> inTheWay;
  for (std::size_t i = 0; i < domain.size(); ++i) {
    const int start = startAt(i);
    if (start == from || Barred(unit, start)) continue;
    inTheWay.clear();
    if (!Conflicts(unit, start, inTheWay, /*gaps=*/false) || inTheWay.size() != 1) continue;
    const int other = inTheWay.front();
    if (moved(other)) continue;
    const int otherFrom = model_.units[Ix(other)].start;
    model_.Take(other);
    if (FreeAt(unit, start)) {
      model_.Put(unit, start);
      moves.push_back({unit, from, start});
      if (ShiftFrom(other, otherFrom, depth - 1, moves, better)) return true;
      moves.pop_back();
      model_.Take(unit);
    }
    model_.Put(other, otherFrom);
  }
  return false;
}

bool CompletionSearch::ApplyShifts(const std::vector<ShiftMove>& moves) {
  const int mark = journal_->Mark();
  bool ok = true;
  for (const ShiftMove& m : moves) {
    const CompletionUnit& h = model_.units[Ix(m.unit)];
    ok = ok && RemoveBlock(school_, h.block.length, m.from, h.block.classes[0], journal_.get()) ==
                   RemoveOutcome::kRemoved;
  }
  for (const ShiftMove& m : moves) {
    Block block = model_.units[Ix(m.unit)].block;
    SetBlockStart(block, m.to);
    ok = ok && PlaceBlock(school_, block, journal_.get());
  }
  if (ok) {
    journal_->Clear();
    return true;
  }
  RollBack(school_, *journal_, mark);
  // The mirror goes back too; the first unit is put back by the caller.
  for (auto m = moves.rbegin(); m != moves.rend(); ++m) model_.Take(m->unit);
  for (std::size_t i = 1; i < moves.size(); ++i) model_.Put(moves[i].unit, moves[i].from);
  return false;
}

}  // namespace kalvodrin
