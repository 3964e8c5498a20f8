#include "scheduler/completion/completion_search.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdlib>

#include "core/cells.h"
#include "engine/block_operations.h"
#include "scheduler/completion/model_costs.h"
#include "scheduler/completion/step_aside.h"
#include "scheduler/run_state.h"

namespace kalvodrin {
namespace {

std::size_t Ix(int n) { return static_cast<std::size_t>(n); }

// How a place that needs blocks taken out is scored (lower is better). Any place that
// needs nothing taken out scores below all of these, by its soft costs alone.
constexpr long kPlaceWithConflicts = 1'000'000;
constexpr long kPerBlockTakenOut = 10'000;
constexpr long kPerHourTakenOut = 1'000;  // hours as the totals count them
// Taking out a block that still stands where the timetable had it: keeping the
// timetable the user or the classic run made is worth a detour.
constexpr long kPerOriginalHour = 10'000;
// ... for this many moves per unit; a school that is not complete by then is hard, and
// the chains may move any block from then on (held to the old places, a few unlucky
// starts took many times longer).
constexpr long kKeepOriginalsPerUnit = 3;
// Taking out a block placed only a few moves ago invites going round in circles.
constexpr long kRecentlyPlaced = 20'000;
constexpr long kRecentMoves = 8;
// A block taken out does not go back to that place for a while.
constexpr long kTabuPlace = 200'000;
constexpr int kTabuTenure = 12;

// Without gain for this many moves the search goes back to its best timetable, and
// after this many such returns in a row it ends.
constexpr long kPatiencePerUnit = 40;
constexpr long kMinPatience = 4'000;
constexpr int kReturnsWithoutGain = 6;
// While the school's rules are kept, fewer and shorter: a school that cannot keep them
// all should not wait long for the search to find out.
constexpr int kReturnsWhileKeeping = 1;
constexpr long kPatienceDivisorWhileKeeping = 16;
constexpr long kStepsPerUnit = 4'000;
// Short runs from the timetable as it was before the long search; a run that leaves at
// most this many hours waiting (as the totals count them) was unlucky rather than held
// by the rules, and the next starts afresh before any of the lessons' own rules is bent.
constexpr int kShortRuns = 4;
constexpr int kUnluckyWaiting = 2;

// A place is looked at for blocks that can step aside only when at most this many
// are in its way.
constexpr std::size_t kMostToStepAside = 2;

// One pick in this many takes a random waiting block instead of the last one taken out.
constexpr int kChainBreak = 4;

// Mending the teachers' gaps over the limits: tries that may fail per teacher before
// the next; moves of one try without fewer hours waiting before it gives up (the
// blocks taken out fit back soon or not at all); and, per unit, moves and teachers'
// gaps judged in all (a school of lessons with three teachers judges three times as
// many per move).
constexpr int kMendTries = 3;
constexpr long kMendPatience = 50;
constexpr long kMendStepsPerUnit = 40;
constexpr long kMendChecksPerUnit = 1500;
// Passes over the teachers still over the limits: a teacher mended moves others' blocks,
// which may let a teacher go that could not before, and a failed try draws afresh.
constexpr int kMendPasses = 5;

// Rounds of the soft phase over every movable block.
constexpr int kSoftRounds = 12;

// The same-lesson rule as a day of the lesson bends it: a block alone on its day
// stands even when longer than the hours a day allow.
int DayBreach(const LessonRuleSwitches& rules, int blocks, int hours) {
  return blocks <= 1 ? 0 : SameLessonBreach(rules, blocks, hours);
}

// Whether the list holds the value: a plain loop, as the lists of blocks in the way
// hold one to three, where std::find's unrolled search costs several times as much;
// asked for nearly every place weighed.
bool Holds(const std::vector<int>& list, int value) {
  for (int x : list)
    if (x == value) return true;
  return false;
}
}  // namespace

CompletionSearch::CompletionSearch(School& school, const CompletionOptions& options,
                                   int placedBefore)
    : school_(school),
      options_(options),
      model_(school),
      rng_(options.seed),
      journal_(std::make_unique<ChangeJournal>()),
      tabuUntil_(model_.units.size() * 81, 0),
      placedAt_(model_.units.size(), -1000),
      lessonBent_(model_.lessons.size(), 0),
      teacherExtra_(256, 0),
      gapAllowance_(256, kGapsBent) {
  const auto limit = std::chrono::duration<double>(std::max(0.0, options.timeLimitSeconds));
  deadline_ = std::chrono::steady_clock::now() +
              std::chrono::duration_cast<std::chrono::steady_clock::duration>(limit);
  waitingWeight_ = initialWaiting_ = model_.WaitingWeight();
  progress_.started = std::chrono::steady_clock::now();
  progress_.placed = placedBefore;
  progress_.total = placedBefore + initialWaiting_;
  progress_.searchLevel = 1;
}

bool CompletionSearch::Interrupted() {
  if (stopped_ || timedOut_ || phaseSkipped_) return true;
  if (options_.observer != nullptr) {
    progress_.placed = progress_.total - waitingWeight_;
    if (progress_.placed != placedShown_) {
      placedShown_ = progress_.placed;
      options_.observer->OnProgress(progress_);
    }
    const int key = options_.observer->OnSearchStep(progress_);
    if (key == kStopRun) stopped_ = true;
    if (key == kSkipLesson) phaseSkipped_ = true;
  }
  if ((steps_ & 63) == 0 && std::chrono::steady_clock::now() >= deadline_) timedOut_ = true;
  return stopped_ || timedOut_ || phaseSkipped_;
}

bool CompletionSearch::Conflicts(int unit, int start, std::vector<int>& out, bool gaps) const {
  const CompletionUnit& u = model_.units[Ix(unit)];
  const Block& b = u.block;
  const int last = start + b.length - 1;
  auto take = [&](int holder) {
    if (holder == kFreeCell) return true;
    if (holder == kForeignBlock) return false;
    const CompletionUnit& h = model_.units[Ix(holder)];
    if (h.fixed || h.guidance) return false;
    if (!Holds(out, holder)) out.push_back(holder);
    return true;
  };
  for (int c = start; c <= last; ++c) {
    for (int k = 0; k < b.teacherCount; ++k)
      if (!take(model_.TeacherAt(b.teachers[Ix(k)], c))) return false;
    for (int k = 0; k < b.classCount; ++k)
      if (!take(model_.ClassAt(b.classes[Ix(k)], c))) return false;
    for (int k = 0; k < b.roomCount; ++k)
      if (!take(model_.RoomAt(b.rooms[Ix(k)], c))) return false;
  }
  const int day = DayOfCell(start);
  for (int k = 0; k < b.teacherCount; ++k) {
    const int t = b.teachers[Ix(k)];
    int hours = model_.Load(t, day) + b.length;
    for (int x : out) {
      const CompletionUnit& h = model_.units[Ix(x)];
      if (DayOfCell(h.start) != day) continue;
      for (int j = 0; j < h.block.teacherCount; ++j)
        if (h.block.teachers[Ix(j)] == t) hours -= h.block.length;
    }
    // A day that would be too long gives up other blocks of the teacher too.
    const int most = std::max(MostOn(t, day), b.length);
    const int from = rng_.Below(kHoursPerDay);
    for (int i = 0; i < kHoursPerDay && hours > most; ++i) {
      const int holder = model_.TeacherAt(t, CellIndex(day, (from + i) % kHoursPerDay + 1));
      if (holder < 0 || Holds(out, holder)) continue;
      const CompletionUnit& x = model_.units[Ix(holder)];
      if (x.fixed || x.guidance) continue;
      out.push_back(holder);
      hours -= x.block.length;
    }
    if (hours > most) return false;
  }
  if (KeepsRulesOf(u.lessonIndex) && !LessonRuleConflicts(unit, start, out)) return false;
  return !gaps || GapConflicts(unit, start, out);
}

bool CompletionSearch::GapsWithin(int teacher, const TeacherWeekDraft& week) const {
  // Most drafts only take a block or two out of the teacher's days: no count needed.
  if (week.NoWorseThanNow()) return true;
  const int excess = week.Excess();
  // Over already (a timetable made by hand, or a bend kept from a longer search): no
  // further.
  return excess <= gapAllowance_[Ix(teacher)] || excess <= TeacherGapExcess(model_, teacher);
}

bool CompletionSearch::TakeOutDayEnds(TeacherWeekDraft& week, int teacher, int unit, int start,
                                      int ceiling, std::vector<int>& out) const {
  int day = 0;
  uint32_t unitHours = 0;
  if (unit >= 0) {
    day = DayOfCell(start);
    unitHours = ((1U << model_.units[Ix(unit)].block.length) - 1) << HourOfCell(start);
  }
  int excess = week.Excess();
  auto holderAt = [&](int d, int h) {
    return d == day && (unitHours >> h & 1U) != 0 ? unit
                                                  : model_.TeacherAt(teacher, CellIndex(d, h));
  };
  // Taking out the first or last block of one of the teacher's days shortens a gap
  // beside it (or none), and its hours wait: the one that mends most goes.
  const int from = rng_.Below(kDays);
  while (excess > ceiling) {
    int best = -1;
    int bestExcess = excess;
    for (int i = 0; i < kDays; ++i) {
      const int d = (from + i) % kDays + 1;
      const uint32_t held = week.HeldOn(d) | (d == day ? unitHours : 0);
      if (held == 0) continue;
      const int firstHolder = holderAt(d, std::countr_zero(held));
      const int lastHolder = holderAt(d, 31 - std::countl_zero(held));
      // A day of one block offers it once.
      for (int x : {firstHolder, lastHolder == firstHolder ? -1 : lastHolder}) {
        if (x < 0 || x == unit) continue;
        const CompletionUnit& h = model_.units[Ix(x)];
        if (h.fixed || h.guidance) continue;
        const int e = week.ExcessWithout(x);
        if (e < bestExcess) {
          bestExcess = e;
          best = x;
        }
      }
    }
    if (best < 0) return false;
    out.push_back(best);
    week.Take(best);
    excess = bestExcess;
  }
  return true;
}

bool CompletionSearch::GapConflicts(int unit, int start, std::vector<int>& out) const {
  const CompletionUnit& u = model_.units[Ix(unit)];
  // The guidance hour has its one cell; it is placed whatever the gaps.
  if (u.guidance) return true;
  auto kept = [&](int t) {
    return model_.GapLimitsOfTeacher(t).kept && gapAllowance_[Ix(t)] < kGapsBent;
  };
  const Block& b = u.block;
  bool any = false;
  for (int k = 0; k < b.teacherCount; ++k) {
    const int t = b.teachers[Ix(k)];
    if (!kept(t)) continue;
    any = true;
    ++gapChecks_;
    TeacherWeekDraft week(model_, t);
    for (int x : out) week.Take(x);
    week.Put(unit, start);
    if (week.Excess() <= gapAllowance_[Ix(t)]) continue;
    const int ceiling = std::max(gapAllowance_[Ix(t)], TeacherGapExcess(model_, t));
    if (!TakeOutDayEnds(week, t, unit, start, ceiling, out)) return false;
  }
  if (!any) return true;
  // The blocks taken out of other teachers' days: their hours wait, which makes up for
  // the gaps they leave, unless two gaps join into one too long. Each of their teachers
  // is judged once, at the first block, with all its blocks taken out; the mending
  // counts its work once per block and teacher.
  std::vector<int>& judged = draftTeachers_;
  judged.clear();
  for (int x : out) {
    const Block& h = model_.units[Ix(x)].block;
    for (int k = 0; k < h.teacherCount; ++k) {
      const int t = h.teachers[Ix(k)];
      if (!kept(t)) continue;
      ++gapChecks_;
      if (Holds(judged, t)) continue;
      judged.push_back(t);
      TeacherWeekDraft week(model_, t);
      for (int y : out) week.Take(y);
      week.Put(unit, start);
      if (!GapsWithin(t, week)) return false;
    }
  }
  return true;
}

bool CompletionSearch::LessonRuleConflicts(int unit, int start, std::vector<int>& out) const {
  const CompletionUnit& u = model_.units[Ix(unit)];
  const CompletionLesson& lesson = model_.lessons[Ix(u.lessonIndex)];
  const LessonRuleSwitches& rules = lesson.rules;
  const int day = DayOfCell(start);
  const int hour = HourOfCell(start);
  auto take = [&](int x) {
    if (Holds(out, x)) return true;
    const CompletionUnit& h = model_.units[Ix(x)];
    if (h.fixed || h.guidance) return false;
    out.push_back(x);
    return true;
  };
  // The lesson's blocks on the day, those already in the way left out, and what the
  // other days already bend of the same-lesson rule.
  int hours = u.block.length;
  // Kept between calls: this runs for every place of every move.
  std::vector<int>& sameDay = sameDayScratch_;
  sameDay.clear();
  std::array<int, kDays + 1> blocksOn{};
  std::array<int, kDays + 1> hoursOn{};
  for (int x : lesson.units) {
    const CompletionUnit& h = model_.units[Ix(x)];
    if (x == unit || h.start == 0) continue;
    const int d = DayOfCell(h.start);
    const bool inTheWay = Holds(out, x);
    if (d == day && !inTheWay) {
      sameDay.push_back(x);
      hours += h.block.length;
    }
    if (d != day && !inTheWay) {
      ++blocksOn[Ix(d)];
      hoursOn[Ix(d)] += h.block.length;
    }
    if (rules.daysApart && (d == day - 1 || d == day + 1) && !take(x)) return false;
    if (rules.differentHours && d != day) {
      const int from = std::max(hour, HourOfCell(h.start));
      const int to = std::min(hour + u.block.length, HourOfCell(h.start) + h.block.length);
      if (from < to && !take(x)) return false;
    }
  }
  // Alone on its day, it bends the same-lesson rule nowhere further.
  if (sameDay.empty()) return true;
  int elsewhere = 0;
  for (int d = 1; d <= kDays; ++d) elsewhere += DayBreach(rules, blocksOn[Ix(d)], hoursOn[Ix(d)]);
  // The same lesson on one day: one block, or at most its hours a day, beyond what the
  // lesson's places force.
  const std::size_t from = Ix(rng_.Below(static_cast<int>(sameDay.size())));
  for (std::size_t i = 0; i < sameDay.size(); ++i) {
    const int here = SameLessonBreach(rules, static_cast<int>(sameDay.size() - i) + 1, hours);
    if (here == 0 || here + elsewhere <= lesson.forcedBreach) break;
    const int x = sameDay[(from + i) % sameDay.size()];
    if (!take(x)) return false;
    hours -= model_.units[Ix(x)].block.length;
  }
  return true;
}

long CompletionSearch::BentRulesCostAt(int unit, int start,
                                       const std::vector<int>& takenOut) const {
  if (KeepsRulesOf(model_.units[Ix(unit)].lessonIndex)) return 0;
  return LessonRulesCostAt(model_, unit, start, takenOut, *weights_);
}

bool CompletionSearch::StandsWhereItStood(int unit) const {
  const CompletionUnit& u = model_.units[Ix(unit)];
  for (const auto& [start, length] : model_.lessons[Ix(u.lessonIndex)].originals)
    if (start == u.start && length == u.block.length) return true;
  return false;
}

long CompletionSearch::TakeOutScore(int unit) const {
  const CompletionUnit& u = model_.units[Ix(unit)];
  long score = kPerBlockTakenOut + kPerHourTakenOut * u.weight;
  const long keepingOriginals = kKeepOriginalsPerUnit * static_cast<long>(model_.units.size());
  if (steps_ < keepingOriginals && StandsWhereItStood(unit))
    score += kPerOriginalHour * u.block.length;
  if (placedAt_[Ix(unit)] + kRecentMoves > steps_) score += kRecentlyPlaced;
  return score;
}

bool CompletionSearch::Barred(int unit, int start) const {
  if (unit == pinnedUnit_ && DayOfCell(start) != pinnedDay_) return true;
  if (barredTeacher_ == 0 || DayOfCell(start) != barredDay_) return false;
  const Block& b = model_.units[Ix(unit)].block;
  return std::find(b.teachers.begin(), b.teachers.begin() + b.teacherCount, barredTeacher_) !=
         b.teachers.begin() + b.teacherCount;
}

bool CompletionSearch::FreeAt(int unit, int start) const {
  const CompletionUnit& u = model_.units[Ix(unit)];
  const Block& b = u.block;
  const int last = start + b.length - 1;
  // The class first: its days are the fullest, so most places fail there soonest.
  for (int c = start; c <= last; ++c) {
    for (int k = 0; k < b.classCount; ++k)
      if (model_.ClassAt(b.classes[Ix(k)], c) != kFreeCell) return false;
    for (int k = 0; k < b.teacherCount; ++k)
      if (model_.TeacherAt(b.teachers[Ix(k)], c) != kFreeCell) return false;
    for (int k = 0; k < b.roomCount; ++k)
      if (model_.RoomAt(b.rooms[Ix(k)], c) != kFreeCell) return false;
  }
  const int day = DayOfCell(start);
  for (int k = 0; k < b.teacherCount; ++k) {
    const int t = b.teachers[Ix(k)];
    if (model_.Load(t, day) + b.length > std::max(MostOn(t, day), b.length)) return false;
  }
  if (KeepsRulesOf(u.lessonIndex) && !LessonRulesLetStand(unit, start)) return false;
  if (u.guidance) return true;
  static const std::vector<int> kNothingOut;
  for (int k = 0; k < b.teacherCount; ++k) {
    const int t = b.teachers[Ix(k)];
    if (!model_.GapLimitsOfTeacher(t).kept || gapAllowance_[Ix(t)] >= kGapsBent) continue;
    TeacherWeekDraft week(model_, t);
    week.Put(unit, start);
    if (!GapsWithin(t, week)) return false;
  }
  return true;
}

bool CompletionSearch::LessonRulesLetStand(int unit, int start) const {
  const CompletionUnit& u = model_.units[Ix(unit)];
  const Block& b = u.block;
  const int day = DayOfCell(start);
  const CompletionLesson& lesson = model_.lessons[Ix(u.lessonIndex)];
  const LessonRuleSwitches& rules = lesson.rules;
  const int hour = HourOfCell(start);
  std::array<int, kDays + 1> blocksOn{};
  std::array<int, kDays + 1> hoursOn{};
  blocksOn[Ix(day)] = 1;
  hoursOn[Ix(day)] = b.length;
  for (int x : lesson.units) {
    const CompletionUnit& h = model_.units[Ix(x)];
    if (x == unit || h.start == 0) continue;
    const int d = DayOfCell(h.start);
    ++blocksOn[Ix(d)];
    hoursOn[Ix(d)] += h.block.length;
    if (d == day) continue;
    if (rules.daysApart && (d == day - 1 || d == day + 1)) return false;
    if (rules.differentHours) {
      const int from = std::max(hour, HourOfCell(h.start));
      const int to = std::min(hour + b.length, HourOfCell(h.start) + h.block.length);
      if (from < to) return false;
    }
  }
  // A block alone on its day stands even when longer than the hours a day allow; a
  // lesson whose places cover too few days may bend the rule as far as that forces.
  const int here = DayBreach(rules, blocksOn[Ix(day)], hoursOn[Ix(day)]);
  if (here == 0) return true;
  int total = 0;
  for (int d = 1; d <= kDays; ++d) total += DayBreach(rules, blocksOn[Ix(d)], hoursOn[Ix(d)]);
  return total <= lesson.forcedBreach;
}

// A free place for the waiting unit, the first from a random point of its places.
int CompletionSearch::FreePlaceFor(int unit) const {
  const CompletionUnit& u = model_.units[Ix(unit)];
  const std::vector<uint8_t>& domain = u.domain;
  if (domain.empty()) return 0;
  const int classNo = u.block.classes[0];
  // Most starts are taken in the class already: the class's day as bits leaves them out
  // a day at a time. From a random one of the unit's places.
  std::array<uint32_t, kDays + 1> starts{};
  for (int d = 1; d <= kDays; ++d)
    starts[Ix(d)] = u.domainHours[Ix(d)] & ~model_.ClassHeldHours(classNo, d);
  const int first = domain[Ix(rng_.Below(static_cast<int>(domain.size())))];
  return FirstStartRoundTheWeek(
      starts, first, [&](int start) { return !Barred(unit, start) && FreeAt(unit, start); });
}

bool CompletionSearch::Relocate(int unit, int start, Choice& choice) {
  // Most first blocks find no place: told without changing the mirror, with the number
  // FreePlaceFor would draw drawn all the same.
  const CompletionUnit& first = model_.units[Ix(choice.takenOut.front())];
  if (first.domain.empty()) return false;
  if (!CellsFreeSomewhere(model_, choice.takenOut.front(), unit, start, choice.takenOut)) {
    rng_.Below(static_cast<int>(first.domain.size()));
    return false;
  }
  // Blocks taken from the mirror, with their starts; kept allocated, as this runs for
  // many places of every move.
  std::vector<std::pair<int, int>>& undo = relocateUndo_;
  undo.clear();
  for (int x : choice.takenOut) {
    undo.emplace_back(x, model_.units[Ix(x)].start);
    model_.Take(x);
  }
  model_.Put(unit, start);
  bool all = true;
  for (int x : choice.takenOut) {
    const int to = FreePlaceFor(x);
    if (to == 0) {
      all = false;
      break;
    }
    model_.Put(x, to);
    choice.moved.emplace_back(x, to);
  }
  for (const auto& [x, to] : choice.moved) model_.Take(x);
  model_.Take(unit);
  for (const auto& [x, from] : undo) model_.Put(x, from);
  if (!all) choice.moved.clear();
  return all;
}

CompletionSearch::Choice CompletionSearch::ChoosePlace(int unit) {
  const CompletionUnit& u = model_.units[Ix(unit)];
  Choice best;
  best.score = LONG_MAX;
  Choice here;
  std::array<long, kDays + 1> before{};
  std::array<bool, kDays + 1> known{};
  auto withConflicts = [&](int start) {
    long score = kPlaceWithConflicts + BentRulesCostAt(unit, start, here.takenOut);
    for (int x : here.takenOut) score += TakeOutScore(x);
    if (tabuUntil_[Ix(unit) * 81 + start] > steps_) score += kTabuPlace;
    return score;
  };
  for (uint8_t start : u.domain) {
    if (Barred(unit, start)) continue;
    here.takenOut.clear();
    here.moved.clear();
    // The gap limits take longest to judge: where they are kept, they are asked only of
    // a place that could still be the best.
    if (!Conflicts(unit, start, here.takenOut, /*gaps=*/!gapsKept_)) continue;
    bool gapsAsked = !gapsKept_;
    long score = 0;
    if (here.takenOut.empty()) {
      const int day = DayOfCell(start);
      if (!known[Ix(day)]) {
        before[Ix(day)] = UnitLocalCost(model_, unit, day, 0, *weights_);
        known[Ix(day)] = true;
      }
      model_.Put(unit, start);
      score = UnitLocalCost(model_, unit, day, 0, *weights_) - before[Ix(day)] + rng_.Below(3);
      model_.Take(unit);
      if (!gapsAsked) {
        if (score >= best.score || !GapConflicts(unit, start, here.takenOut)) continue;
        gapsAsked = true;
      }
    }
    if (!here.takenOut.empty()) {
      score = withConflicts(start);
      if (!gapsAsked) {
        // Stepping aside takes off at most half the mark of a place with conflicts.
        if (score - kPlaceWithConflicts / 2 >= best.score) continue;
        const std::size_t inTheWay = here.takenOut.size();
        if (!GapConflicts(unit, start, here.takenOut)) continue;
        if (here.takenOut.size() != inTheWay) score = withConflicts(start);
      }
      // Blocks that can step aside to a free place leave nothing waiting: such a place
      // is better than any that sends blocks back to wait.
      if (here.takenOut.size() <= kMostToStepAside && best.score >= kPlaceWithConflicts &&
          Relocate(unit, start, here))
        score -= kPlaceWithConflicts / 2;
      score += rng_.Below(static_cast<int>(kPerHourTakenOut));
    }
    if (score < best.score) {
      best.score = score;
      best.start = start;
      best.takenOut = here.takenOut;
      best.moved = here.moved;
    }
  }
  return best;
}

bool CompletionSearch::Move(int unit, const Choice& choice) {
  const int mark = journal_->Mark();
  auto place = [&](int x, int start) {
    Block block = model_.units[Ix(x)].block;
    SetBlockStart(block, start);
    return PlaceBlock(school_, block, journal_.get());
  };
  bool ok = true;
  for (int x : choice.takenOut) {
    const CompletionUnit& h = model_.units[Ix(x)];
    ok = ok && RemoveBlock(school_, h.block.length, h.start, h.block.classes[0], journal_.get()) ==
                   RemoveOutcome::kRemoved;
  }
  ok = ok && place(unit, choice.start);
  for (const auto& [x, start] : choice.moved) ok = ok && place(x, start);
  if (!ok) {
    RollBack(school_, *journal_, mark);
    return false;
  }
  journal_->Clear();
  for (int x : choice.takenOut) {
    CompletionUnit& h = model_.units[Ix(x)];
    tabuUntil_[Ix(x) * 81 + Ix(h.start)] = steps_ + kTabuTenure + rng_.Below(kTabuTenure);
    waitingWeight_ += h.weight;
    model_.Take(x);
  }
  model_.Put(unit, choice.start);
  waitingWeight_ -= model_.units[Ix(unit)].weight;
  placedAt_[Ix(unit)] = steps_;
  for (const auto& [x, start] : choice.moved) {
    model_.Put(x, start);
    waitingWeight_ -= model_.units[Ix(x)].weight;
    placedAt_[Ix(x)] = steps_;
  }
  return true;
}

void CompletionSearch::Save() {
  best_.teachers.assign(school_.TeacherGrids.begin(), school_.TeacherGrids.end());
  best_.classes.assign(school_.ClassGrids.begin(), school_.ClassGrids.end());
  best_.rooms.assign(school_.RoomGrids.begin(), school_.RoomGrids.end());
  best_.starts.resize(model_.units.size());
  for (std::size_t u = 0; u < model_.units.size(); ++u) best_.starts[u] = model_.units[u].start;
  best_.waiting = waitingWeight_;
}

// The saved timetables are a whole, consistent state the search passed through.
void CompletionSearch::RestoreSaved() {
  std::copy(best_.teachers.begin(), best_.teachers.end(), school_.TeacherGrids.begin());
  std::copy(best_.classes.begin(), best_.classes.end(), school_.ClassGrids.begin());
  std::copy(best_.rooms.begin(), best_.rooms.end(), school_.RoomGrids.begin());
  journal_->Clear();
  // Only the units that moved since: most stand where they stood.
  for (std::size_t u = 0; u < model_.units.size(); ++u)
    if (model_.units[u].start != best_.starts[u]) model_.Take(static_cast<int>(u));
  for (std::size_t u = 0; u < model_.units.size(); ++u)
    if (model_.units[u].start != best_.starts[u]) model_.Put(static_cast<int>(u), best_.starts[u]);
  waitingWeight_ = best_.waiting;
  FillWaiting();
}

// Every waiting unit that has somewhere to go, the hardest on top: the guidance hours,
// then those with the fewest places, then the longest.
void CompletionSearch::FillWaiting() {
  waiting_.clear();
  parked_.clear();
  for (std::size_t u = 0; u < model_.units.size(); ++u)
    if (model_.units[u].start == 0 && !model_.units[u].domain.empty())
      waiting_.push_back(static_cast<int>(u));
  auto easier = [&](int a, int b) {
    const CompletionUnit& x = model_.units[Ix(a)];
    const CompletionUnit& y = model_.units[Ix(b)];
    if (x.guidance != y.guidance) return y.guidance;
    if (x.domain.size() != y.domain.size()) return x.domain.size() > y.domain.size();
    return x.weight < y.weight;
  };
  std::stable_sort(waiting_.begin(), waiting_.end(), easier);
}

// The guidance hours go to their fixed cells before anything else, taking out what
// stands there; nothing takes them out again (Conflicts refuses). Placed later in the
// chains, a guidance hour that had to take out a longer block raised the hours waiting,
// and the search went back to the timetable without it.
void CompletionSearch::PlaceGuidanceFirst() {
  for (std::size_t u = 0; u < model_.units.size(); ++u) {
    const CompletionUnit& unit = model_.units[u];
    if (!unit.guidance || unit.start != 0 || unit.domain.empty()) continue;
    if (Interrupted()) return;
    Choice choice;
    choice.start = unit.domain.front();
    if (Conflicts(static_cast<int>(u), choice.start, choice.takenOut))
      Move(static_cast<int>(u), choice);
  }
}

void CompletionSearch::PlaceWaiting() {
  PlaceGuidanceFirst();
  FillWaiting();
  Save();
  const Saved start = best_;
  const long units = static_cast<long>(model_.units.size());
  const long budget = options_.maxSteps > 0 ? options_.maxSteps : kStepsPerUnit * units + 100'000;
  // Short runs from the timetable as it was, each with the stream where the last left
  // it: on a school where the rules can all be kept, most runs end whole within a few
  // thousand moves and a few end an hour short, which a fresh run mends far sooner than
  // a long search from the stuck timetable. The lessons' own rules are bent only where a
  // run leaves more than that waiting, or in the last run.
  Saved kept = best_;
  std::vector<char> keptBent = lessonBent_;
  auto keep = [&](bool first) {
    if (first || best_.waiting < kept.waiting) {
      kept = best_;
      keptBent = lessonBent_;
    }
    return kept.waiting == 0 || Interrupted() || steps_ >= budget;
  };
  // A run that ends an hour or two short is tried again afresh, with every rule kept
  // and no longer days: where the rules can all be kept, such a retry has ended whole
  // in that first part or not at all, and the longer days that follow would only
  // repeat the short run. A retry that does not end whole is dropped, and the search
  // goes on from the short run.
  std::vector<int> shortBefore;
  bool retry = false;
  Saved shortRun;
  std::vector<int> shortExtra;
  for (int run = 0; run < kShortRuns; ++run) {
    if (run > 0) {
      best_ = start;
      RestoreSaved();
      KeepAllRules();
    }
    std::vector<int> shortNow;
    if (retry) {
      weights_ = &kKeepRulesWeights;
      RunChains(budget, /*briefly=*/true);
      if (waitingWeight_ > 0) {
        shortNow = ClassesWaiting();
        best_ = shortRun;
        RestoreSaved();
        teacherExtra_ = shortExtra;
      }
    } else {
      RunKeepingRules(budget);
      shortNow = ClassesWaiting();
    }
    if (keep(run == 0)) break;
    // The same class left short again: its hours do not fit its days as the rules
    // stand, and a fresh run would only find that once more.
    const bool again = std::any_of(shortNow.begin(), shortNow.end(), [&](int c) {
      return std::find(shortBefore.begin(), shortBefore.end(), c) != shortBefore.end();
    });
    if (!retry) shortBefore = shortNow;
    retry = waitingWeight_ <= kUnluckyWaiting && !again && run + 1 < kShortRuns;
    if (retry) {
      shortRun = best_;
      shortExtra = teacherExtra_;
      continue;
    }
    RunBendingRules(budget);
    if (keep(false)) break;
  }
  best_ = kept;
  RestoreSaved();
  lessonBent_ = keptBent;
  // Failing those, the chains start again from the timetable as it was, with the rules
  // as heavy costs instead of blocks to take out, then as light ones, long. The closest
  // to a whole timetable is kept.
  if (waitingWeight_ > 0 && !Interrupted() && steps_ < budget) {
    BendAll();
    best_ = start;
    RestoreSaved();
    weights_ = &kKeepRulesWeights;
    RunChains(budget, /*briefly=*/false);
    if (waitingWeight_ > 0 && !Interrupted() && steps_ < budget) {
      weights_ = &kLastResortWeights;
      FillWaiting();
      RunChains(budget, /*briefly=*/false);
    }
    // As complete as the short runs left it: their timetable, which bent less.
    if (kept.waiting <= best_.waiting) {
      best_ = kept;
      RestoreSaved();
      lessonBent_ = keptBent;
    }
  }
  weights_ = &kSoftWeights;
  // Lowering the soft costs moves no block into a day over the maximum, and moving
  // blocks out of such days mends it.
  std::fill(teacherExtra_.begin(), teacherExtra_.end(), 0);
}

std::vector<int> CompletionSearch::ClassesWaiting() const {
  std::vector<int> classes;
  for (const CompletionUnit& u : model_.units)
    if (u.start == 0 && !u.domain.empty()) classes.push_back(u.block.classes[0]);
  return classes;
}

void CompletionSearch::KeepAllRules() {
  std::fill(lessonBent_.begin(), lessonBent_.end(), 0);
  std::fill(teacherExtra_.begin(), teacherExtra_.end(), 0);
}

void CompletionSearch::BendAll() {
  std::fill(lessonBent_.begin(), lessonBent_.end(), 1);
  std::fill(teacherExtra_.begin(), teacherExtra_.end(), 1);
  std::fill(gapAllowance_.begin(), gapAllowance_.end(), kGapsBent);
}

bool CompletionSearch::BendForWaiting(bool teacherDays, bool exactlyFull) {
  bool more = false;
  for (const CompletionUnit& u : model_.units) {
    if (u.start != 0 || u.domain.empty()) continue;
    if (teacherDays) {
      for (int k = 0; k < u.block.teacherCount; ++k) {
        if (model_.DaysExactlyFull(u.block.teachers[Ix(k)]) != exactlyFull) continue;
        int& extra = teacherExtra_[Ix(u.block.teachers[Ix(k)])];
        more = more || extra == 0;
        extra = 1;
      }
    } else {
      more = more || lessonBent_[Ix(u.lessonIndex)] == 0;
      lessonBent_[Ix(u.lessonIndex)] = 1;
    }
  }
  return more;
}

void CompletionSearch::RunKeepingRules(long budget) {
  // First with the school's rules as limits; only when that leaves hours waiting may
  // the chains bend them (the soft phase then mends what it can, and what stays bent is
  // reported).
  weights_ = &kKeepRulesWeights;
  RunChains(budget, /*briefly=*/true);
  // A longer teacher's day is bent before the lessons' own rules: an hour more a day
  // changes no lesson's shape. First only for the teachers of the hours still waiting,
  // then for every teacher, and only then for the teachers whose days hold their weeks
  // only when each is full: a longer day of theirs leaves another short, which the
  // chains seldom mend.
  for (int round = 0; round < 3; ++round) {
    if (waitingWeight_ == 0 || Interrupted() || steps_ >= budget) return;
    if (round == 0 && !BendForWaiting(/*teacherDays=*/true)) continue;
    if (round == 1)
      for (std::size_t t = 0; t < teacherExtra_.size(); ++t)
        if (!model_.DaysExactlyFull(static_cast<int>(t))) teacherExtra_[t] = 1;
    if (round == 2 && !BendForWaiting(/*teacherDays=*/true, /*exactlyFull=*/true)) continue;
    FillWaiting();
    RunChains(budget, /*briefly=*/true);
  }
}

// Where the lessons' rules cannot all be kept, they become light costs, from the
// timetable that kept them: first only the rules of the lessons whose hours wait, then
// of those still waiting, then of every lesson.
void CompletionSearch::RunBendingRules(long budget) {
  weights_ = &kBendRulesWeights;
  for (int round = 0; round < 3; ++round) {
    if (waitingWeight_ == 0 || Interrupted() || steps_ >= budget) return;
    if (round == 2 || !BendForWaiting(/*teacherDays=*/false))
      std::fill(lessonBent_.begin(), lessonBent_.end(), 1);
    FillWaiting();
    RunChains(budget, /*briefly=*/true);
  }
}

void CompletionSearch::RunChains(long budget, bool briefly, long patienceOverride) {
  const long units = static_cast<long>(model_.units.size());
  const long patience = patienceOverride > 0 ? patienceOverride
                                             : std::max(kMinPatience, kPatiencePerUnit * units) /
                                                   (briefly ? kPatienceDivisorWhileKeeping : 1);
  const int mostReturns = briefly ? kReturnsWhileKeeping : kReturnsWithoutGain;
  long lastGain = steps_;
  int returns = 0;
  while (!waiting_.empty() || !parked_.empty()) {
    if (waiting_.empty()) std::swap(waiting_, parked_);
    if (steps_ >= budget || Interrupted()) break;
    ++steps_;
    // Mostly the block just taken out goes next, which makes the chain; now and then
    // another waiting block, so that two blocks that cannot both stand do not take
    // each other's place for ever.
    const std::size_t pick = rng_.Below(kChainBreak) == 0
                                 ? Ix(rng_.Below(static_cast<int>(waiting_.size())))
                                 : waiting_.size() - 1;
    const int unit = waiting_[pick];
    waiting_.erase(waiting_.begin() + static_cast<std::ptrdiff_t>(pick));
    Choice choice = ChoosePlace(unit);
    progress_.currentCell = choice.start;
    if (choice.start == 0 || !Move(unit, choice)) {
      parked_.push_back(unit);
    } else {
      Shuffle(choice.takenOut);
      for (int x : choice.takenOut)
        if (model_.units[Ix(x)].start == 0) waiting_.push_back(x);
    }
    if (waitingWeight_ < best_.waiting) {
      Save();
      lastGain = steps_;
      returns = 0;
    } else if (steps_ - lastGain > patience) {
      RestoreSaved();
      lastGain = steps_;
      if (++returns > mostReturns) break;
    }
  }
  // Ends where the fewest hours waited: moves that placed nothing more may have bent a
  // rule for nothing.
  if (waitingWeight_ >= best_.waiting) RestoreSaved();
}

// Moves the unit to the free place that lowers the soft costs most; false when none
// does.
bool CompletionSearch::TryBetterPlace(int unit) {
  const CompletionUnit& u = model_.units[Ix(unit)];
  const int from = u.start;
  const int fromDay = DayOfCell(from);
  model_.Take(unit);
  long bestGain = 0;
  int bestStart = 0;
  for (uint8_t start : u.domain) {
    if (start == from || !FreeAt(unit, start)) continue;
    const int day = DayOfCell(start);
    model_.Put(unit, start);
    const long there = UnitLocalCost(model_, unit, fromDay, day);
    model_.Take(unit);
    model_.Put(unit, from);
    const long here = UnitLocalCost(model_, unit, fromDay, day);
    model_.Take(unit);
    if (here - there > bestGain) {
      bestGain = here - there;
      bestStart = start;
    }
  }
  model_.Put(unit, from);
  if (bestStart == 0) return false;
  const int mark = journal_->Mark();
  Block block = u.block;
  SetBlockStart(block, bestStart);
  if (RemoveBlock(school_, u.block.length, from, u.block.classes[0], journal_.get()) !=
          RemoveOutcome::kRemoved ||
      !PlaceBlock(school_, block, journal_.get())) {
    RollBack(school_, *journal_, mark);
    return false;
  }
  journal_->Clear();
  model_.Take(unit);
  model_.Put(unit, bestStart);
  return true;
}

// Trades places with another block of the same length in the same class when that
// lowers the soft costs most; false when no trade does.
bool CompletionSearch::TrySwap(int unit) {
  const CompletionUnit& u = model_.units[Ix(unit)];
  if (u.block.classCount != 1) return false;
  const int classNo = u.block.classes[0];
  const int from = u.start;
  long bestGain = 0;
  int partner = -1;
  auto allowed = [&](const CompletionUnit& x, int start) {
    return std::binary_search(x.domain.begin(), x.domain.end(), static_cast<uint8_t>(start));
  };
  for (int cell = 1; cell <= kCells; ++cell) {
    const int other = model_.ClassAt(classNo, cell);
    if (other < 0 || other == unit) continue;
    const CompletionUnit& v = model_.units[Ix(other)];
    const int to = v.start;
    if (to != cell || v.fixed || v.guidance || v.block.classCount != 1 ||
        v.block.length != u.block.length || v.lessonIndex == u.lessonIndex || !allowed(u, to) ||
        !allowed(v, from))
      continue;
    const int dayA = DayOfCell(from);
    const int dayB = DayOfCell(to);
    const long here = PairLocalCost(model_, unit, other, dayA, dayB);
    model_.Take(unit);
    model_.Take(other);
    bool fits = FreeAt(unit, to);
    long there = here;
    if (fits) {
      model_.Put(unit, to);
      fits = FreeAt(other, from);
      if (fits) {
        model_.Put(other, from);
        there = PairLocalCost(model_, unit, other, dayA, dayB);
        model_.Take(other);
      }
      model_.Take(unit);
    }
    model_.Put(unit, from);
    model_.Put(other, to);
    if (fits && here - there > bestGain) {
      bestGain = here - there;
      partner = other;
    }
  }
  if (partner < 0) return false;
  const CompletionUnit& v = model_.units[Ix(partner)];
  const int to = v.start;
  const int mark = journal_->Mark();
  Block a = u.block;
  Block b = v.block;
  SetBlockStart(a, to);
  SetBlockStart(b, from);
  if (RemoveBlock(school_, u.block.length, from, classNo, journal_.get()) !=
          RemoveOutcome::kRemoved ||
      RemoveBlock(school_, v.block.length, to, classNo, journal_.get()) !=
          RemoveOutcome::kRemoved ||
      !PlaceBlock(school_, a, journal_.get()) || !PlaceBlock(school_, b, journal_.get())) {
    RollBack(school_, *journal_, mark);
    return false;
  }
  journal_->Clear();
  model_.Take(unit);
  model_.Take(partner);
  model_.Put(unit, to);
  model_.Put(partner, from);
  return true;
}

void CompletionSearch::TakeOut(const std::vector<int>& out) {
  const int mark = journal_->Mark();
  for (int x : out) {
    const CompletionUnit& h = model_.units[Ix(x)];
    if (RemoveBlock(school_, h.block.length, h.start, h.block.classes[0], journal_.get()) !=
        RemoveOutcome::kRemoved) {
      RollBack(school_, *journal_, mark);
      return;
    }
  }
  journal_->Clear();
  for (int x : out) {
    waitingWeight_ += model_.units[Ix(x)].weight;
    model_.Take(x);
    waiting_.push_back(x);
  }
}

CompletionSearch::GapStanding CompletionSearch::MeasureGaps() const {
  GapStanding standing;
  for (const TTeacherGridRec& t : school_.TeacherGrids) {
    const int over = TeacherGapExcess(model_, t.teacher);
    standing.teachers += over > 0 ? 1 : 0;
    standing.hours += over;
    for (int d = 1; d <= kDays; ++d) standing.singleHourDays += model_.Load(t.teacher, d) == 1;
  }
  return standing;
}

CompletionSearch::MendBudget CompletionSearch::BeginMend(long stepsPerUnit, long checksPerUnit) {
  progress_.searchLevel = 2;
  const long units = static_cast<long>(model_.units.size());
  const MendBudget budget{steps_ + stepsPerUnit * units, gapChecks_ + checksPerUnit * units};
  weights_ = &kKeepRulesWeights;
  KeepAllRules();
  HoldDaysAsTheyAre();
  gapsKept_ = true;
  return budget;
}

void CompletionSearch::AllowGapsAsTheyAre() {
  for (const TTeacherGridRec& t : school_.TeacherGrids)
    gapAllowance_[Ix(t.teacher)] = TeacherGapExcess(model_, t.teacher);
}

void CompletionSearch::MendGapLimits() {
  if (waitingWeight_ != 0 || Interrupted()) return;
  const MendBudget budget = BeginMend(kMendStepsPerUnit, kMendChecksPerUnit);
  std::vector<int> over;
  for (const TTeacherGridRec& t : school_.TeacherGrids)
    if (TeacherGapExcess(model_, t.teacher) > 0) over.push_back(t.teacher);
  Shuffle(over);
  NearestLimitsFirst(over);
  for (int pass = 0; pass < kMendPasses && !MendSpent(budget); ++pass)
    for (int teacher : over)
      for (int failed = 0; failed < kMendTries && !MendSpent(budget);) {
        const int now = TeacherGapExcess(model_, teacher);
        if (now == 0) break;
        if (!MendGapsOf(teacher, now, budget)) ++failed;
      }
  std::fill(gapAllowance_.begin(), gapAllowance_.end(), kGapsBent);
  gapsKept_ = false;
}

void CompletionSearch::NearestLimitsFirst(std::vector<int>& teachers) const {
  std::vector<std::pair<int, int>> keyed;
  for (int t : teachers) keyed.emplace_back(TeacherGapExcess(model_, t), t);
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < keyed.size(); ++i) teachers[i] = keyed[i].second;
}

bool CompletionSearch::MendGapsOf(int teacher, int now, const MendBudget& budget) {
  // This teacher's gaps must come an hour nearer the limits, and no other teacher's may
  // go further over than they are; kept only with every hour placed, no more days of a
  // single hour and fewer teachers over, or as many by fewer hours.
  AllowGapsAsTheyAre();
  gapAllowance_[Ix(teacher)] = now - 1;
  const GapStanding was = MeasureGaps();
  auto better = [&] {
    const GapStanding is = MeasureGaps();
    return waitingWeight_ == 0 && is.singleHourDays <= was.singleHourDays &&
           (is.teachers < was.teachers || (is.teachers == was.teachers && is.hours < was.hours));
  };
  // First a single hour of the teacher trading hours with the blocks in its way.
  if (TradeTeachersHour(teacher, better)) return true;
  // Then the blocks at the ends of the teacher's days.
  std::vector<int> out;
  TeacherWeekDraft week(model_, teacher);
  if (TakeOutDayEnds(week, teacher, -1, 0, now - 1, out)) {
    Save();
    const Saved whole = best_;
    TakeOut(out);
    Save();
    RunChains(budget.steps, /*briefly=*/true, kMendPatience);
    if (better()) return true;
    best_ = whole;
    RestoreSaved();
  }
  // Else the whole week: a gap across the middle of a day (where a teacher of both
  // shifts changes from morning to afternoon classes) has no day end to give.
  return PlaceWeekAgain(teacher, budget.steps, kMendPatience, better);
}

void CompletionSearch::LowerSoftCosts() {
  progress_.searchLevel = 2;
  phaseSkipped_ = false;  // a skip ended the placing; this phase starts afresh
  // No move bends a lesson's own rule further: a block goes only where the rules let
  // it stand, which a block leaving a day that bends them always may. No teacher's gaps
  // go further over the limits than the placing left them.
  std::fill(lessonBent_.begin(), lessonBent_.end(), 0);
  for (const TTeacherGridRec& t : school_.TeacherGrids)
    gapAllowance_[Ix(t.teacher)] = TeacherGapExcess(model_, t.teacher);
  std::vector<int> order;
  for (std::size_t u = 0; u < model_.units.size(); ++u)
    if (model_.units[u].start != 0 && !model_.units[u].fixed && !model_.units[u].guidance)
      order.push_back(static_cast<int>(u));
  for (int round = 0; round < kSoftRounds; ++round) {
    Shuffle(order);
    bool moved = false;
    for (int unit : order) {
      if (Interrupted()) return;
      ++steps_;
      moved = TryBetterPlace(unit) || moved;
      moved = TrySwap(unit) || moved;
    }
    if (!moved) return;
  }
}

}  // namespace kalvodrin
