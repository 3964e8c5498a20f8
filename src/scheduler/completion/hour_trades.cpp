// Two hours of the week trading their blocks: a single hour goes to another hour, and
// every block there that shares a teacher, class or room with it comes the other way,
// bringing along in turn what stands in its way, until nothing more is in the way.
// Where the classes' weeks are full, a teacher's hour can move only so, with the
// classes and the other teachers keeping their hours; the chains, sending each block
// back to wait, find such a trade only by luck.

#include <algorithm>
#include <bit>

#include "core/cells.h"
#include "scheduler/completion/completion_search.h"
#include "scheduler/completion/model_costs.h"

namespace kalvodrin {
namespace {

std::size_t Ix(int n) { return static_cast<std::size_t>(n); }

// Blocks one trade may move: more touch so many days that it rarely keeps every rule.
constexpr std::size_t kMostTraded = 12;

}  // namespace

bool CompletionSearch::TradeHours(int unit, int to, const std::function<bool()>& better) {
  const int from = model_.units[Ix(unit)].start;
  if (from == 0 || from == to) return false;
  ++steps_;  // the mending passes' budgets count trades too
  std::vector<int> traded{unit};
  if (!CloseTrade(from, to, traded)) return false;
  // The teachers the trade touches and how far over their gap limits they are now.
  std::vector<std::pair<int, int>> teachers;
  for (int x : traded) {
    const Block& b = model_.units[Ix(x)].block;
    for (int k = 0; k < b.teacherCount; ++k) {
      const int t = b.teachers[Ix(k)];
      if (std::none_of(teachers.begin(), teachers.end(), [&](const auto& e) { return e.first == t; }))
        teachers.emplace_back(t, TeacherGapExcess(model_, t));
    }
  }
  std::vector<ShiftMove> moves;
  for (int x : traded) {
    const int start = model_.units[Ix(x)].start;
    moves.push_back({x, start, start == from ? to : from});
    model_.Take(x);
  }
  bool kept = true;
  for (const ShiftMove& m : moves) {
    const CompletionUnit& x = model_.units[Ix(m.unit)];
    kept = kept && !Barred(m.unit, m.to) &&
           std::binary_search(x.domain.begin(), x.domain.end(), static_cast<uint8_t>(m.to));
  }
  if (kept)
    for (const ShiftMove& m : moves) model_.Put(m.unit, m.to);
  kept = kept && TradeKeepsRules(moves, teachers) && better();
  if (kept && ApplyShifts(moves)) return true;
  if (kept) {
    model_.Put(unit, from);  // ApplyShifts put the others back
    return false;
  }
  for (const ShiftMove& m : moves)
    if (model_.units[Ix(m.unit)].start != 0) model_.Take(m.unit);
  for (const ShiftMove& m : moves) model_.Put(m.unit, m.from);
  return false;
}

bool CompletionSearch::TradeTeachersHour(int teacher, const std::function<bool()>& better) {
  // The teacher's single hours, and the free hours that could close a gap: between two
  // of the teacher's lessons of a day, or just before or after them.
  std::vector<int> hours;
  std::vector<int> targets;
  for (int d = 1; d <= kDays; ++d) {
    const uint32_t held = model_.HeldHours(teacher, d);
    if (held == 0) continue;
    const int first = std::countr_zero(held);
    const int last = 31 - std::countl_zero(held);
    for (int h = std::max(1, first - 1); h <= std::min(kHoursPerDay, last + 1); ++h) {
      const int cell = CellIndex(d, h);
      const int x = model_.TeacherAt(teacher, cell);
      if (x >= 0 && model_.units[Ix(x)].block.length == 1) hours.push_back(x);
      if (x == kFreeCell && model_.TeacherOpen(teacher, cell)) targets.push_back(cell);
    }
  }
  Shuffle(hours);
  for (int x : hours)
    for (int cell : targets)
      if (TradeHours(x, cell, better)) return true;
  return false;
}

bool CompletionSearch::CloseTrade(int from, int to, std::vector<int>& traded) const {
  // A holder at the other hour joins; false for one that may not move or is not a
  // single hour (its other hours would not move with it).
  auto join = [&](int holder) {
    if (holder == kFreeCell) return true;
    if (holder == kForeignBlock) return false;
    if (std::find(traded.begin(), traded.end(), holder) == traded.end())
      traded.push_back(holder);
    return true;
  };
  for (std::size_t i = 0; i < traded.size(); ++i) {
    const CompletionUnit& x = model_.units[Ix(traded[i])];
    if (x.fixed || x.guidance || x.block.length != 1 || traded.size() > kMostTraded) return false;
    const int other = x.start == from ? to : from;
    const Block& b = x.block;
    for (int k = 0; k < b.teacherCount; ++k)
      if (!join(model_.TeacherAt(b.teachers[Ix(k)], other))) return false;
    for (int k = 0; k < b.classCount; ++k)
      if (!join(model_.ClassAt(b.classes[Ix(k)], other))) return false;
    for (int k = 0; k < b.roomCount; ++k)
      if (!join(model_.RoomAt(b.rooms[Ix(k)], other))) return false;
  }
  return true;
}

bool CompletionSearch::TradeKeepsRules(const std::vector<ShiftMove>& moves,
                                       const std::vector<std::pair<int, int>>& teachers) const {
  const int dayA = DayOfCell(moves.front().from);
  const int dayB = DayOfCell(moves.front().to);
  for (const auto& [t, excessWas] : teachers) {
    for (int day : {dayA, dayB})
      if (model_.Load(t, day) > std::max(MostOn(t, day), 1)) return false;
    if (!model_.GapLimitsOfTeacher(t).kept || gapAllowance_[Ix(t)] >= kGapsBent) continue;
    const int excess = TeacherGapExcess(model_, t);
    if (excess > gapAllowance_[Ix(t)] && excess > excessWas) return false;
  }
  for (const ShiftMove& m : moves) {
    const CompletionUnit& x = model_.units[Ix(m.unit)];
    if (KeepsRulesOf(x.lessonIndex) && !LessonRulesLetStand(m.unit, m.to)) return false;
  }
  return true;
}

}  // namespace kalvodrin
