#pragma once
// The two phases of the completion search over one school: placing the waiting units
// by ejection chains (a unit takes the place that costs least, the blocks in its way
// wait next, recently moved blocks and places are avoided, and the search returns to
// the best timetable when it stops gaining), then moving single blocks to free places
// and trading the places of two blocks of one class while that lowers the soft costs. Internal to
// the completion.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "core/school.h"
#include "engine/change_journal.h"
#include "scheduler/completion/completion.h"
#include "scheduler/completion/completion_model.h"
#include "scheduler/completion/completion_rng.h"
#include "scheduler/completion/model_costs.h"

namespace kalvodrin {

class CompletionSearch {
 public:
  // Requires: the school is consistent and its teachers prepared.
  CompletionSearch(School& school, const CompletionOptions& options, int placedBefore);

  void PlaceWaiting();
  // Where the placing left a teacher's gaps over the limits: takes out blocks at the
  // ends of that teacher's days (or else the teacher's whole week) and lets the chains
  // place them again, with no rule bent further and that teacher one hour nearer the
  // limits; kept only when every hour gets back in. The teachers nearest the limits
  // first, as a teacher brought within them is a rule no longer bent.
  void MendGapLimits();
  // Where the placing left a teacher's day over the daily maximum: moves one of that
  // teacher's blocks off the day along a ring of trades (ShiftAlong), or else lets the
  // chains place the teacher's whole week again with that day an hour shorter; no other
  // day goes over the maximum or further over, and no teacher within the gap limits
  // over them. Kept only with every hour placed.
  void MendDailyMaxima();
  // A teacher's day of a single hour: takes that hour out and lets the chains place it
  // (and what it takes out) again with every rule kept, or else one of the teacher's
  // blocks of another day, which may then go only to that day; kept only with every hour
  // back in, no teacher newly over the gap limits, and fewer such days at a price in gap
  // hours (kSettleWeights) or as many at lower soft costs. The `last` settling goes on
  // past where the passes end, trying every lone hour left again, at no price in gaps.
  void MendSingleHourDays(bool last = false);
  void LowerSoftCosts();

  const CompletionModel& model() const { return model_; }
  long steps() const { return steps_; }
  bool stopped() const { return stopped_; }
  bool timedOut() const { return timedOut_; }

 private:
  // A teacher's gap limits not kept as limits (while placing, where they are heavy costs
  // of a free place instead): as many hours over as the chains need.
  static constexpr int kGapsBent = kCells;

  struct Choice {
    int start = 0;  // 0 = no place
    long score = 0;
    std::vector<int> takenOut;
    // Blocks taken out that go straight to a free place: (unit, start).
    std::vector<std::pair<int, int>> moved;
  };
  struct Saved {
    std::vector<TTeacherGridRec> teachers;
    std::vector<TClassGridRec> classes;
    std::vector<TRoomGridRec> rooms;
    std::vector<int> starts;
    int waiting = 0;
  };

  bool Interrupted();
  // The blocks in the way of the unit at `start`; false when the place is impossible
  // (a fixed block in the way, or a teacher's day would be too long), with `gaps`
  // GapConflicts too.
  bool Conflicts(int unit, int start, std::vector<int>& out, bool gaps = true) const;
  // While the school's rules are kept: adds the blocks of the unit's own lesson that
  // the same-lesson, days-apart and different-hours rules would not let stand beside
  // it at `start`; false when a fixed one is among them.
  bool LessonRuleConflicts(int unit, int start, std::vector<int>& out) const;
  // While the teachers' gap limits are kept: adds blocks at the ends of the days of the
  // unit's teachers until the unit at `start` leaves none of them further over the
  // limits than the hours still waiting could mend; false when that cannot be done, or
  // when the blocks in the way leave another teacher over (see TeacherGapExcess).
  bool GapConflicts(int unit, int start, std::vector<int>& out) const;
  // Adds the first or last blocks of the teacher's days to `out` (and takes them out of
  // `week`, the teacher's week with `out` taken out and `unit` at `start`; -1 for none)
  // until the teacher is at most `ceiling` over; false when no block left to take out
  // mends it.
  bool TakeOutDayEnds(TeacherWeekDraft& week, int teacher, int unit, int start, int ceiling,
                      std::vector<int>& out) const;
  // Whether the teacher's gaps in `week` stay within what the teacher may have: the
  // allowance, or what the teacher has already.
  bool GapsWithin(int teacher, const TeacherWeekDraft& week) const;
  Choice ChoosePlace(int unit);
  // What the rules of a lesson the search had to bend cost at a place with the blocks
  // in its way taken out: 0 while they are kept as conflicts.
  long BentRulesCostAt(int unit, int start, const std::vector<int>& takenOut) const;
  long TakeOutScore(int unit) const;
  bool StandsWhereItStood(int unit) const;
  // Where the blocks in the way could go at once, with the unit at `start`; false when
  // one of them has no free place.
  bool Relocate(int unit, int start, Choice& choice);
  // Whether the unit could stand at `start` with nothing taken out of its way: what
  // Conflicts decides with an empty list, without building one (most places are
  // looked at only to be refused).
  bool FreeAt(int unit, int start) const;
  // Whether the unit is kept off `start`'s day (see barredTeacher_).
  bool Barred(int unit, int start) const;
  // The lesson's own rules of FreeAt: whether they let the unit stand at `start` beside
  // the lesson's other blocks.
  bool LessonRulesLetStand(int unit, int start) const;
  int FreePlaceFor(int unit) const;
  // Takes the blocks out, places the unit and the blocks that have a free place,
  // through the engine and in the mirror; false (nothing changed) when the engine
  // refuses.
  bool Move(int unit, const Choice& choice);
  bool TryBetterPlace(int unit);
  bool TrySwap(int unit);
  void PlaceGuidanceFirst();
  // Ejection chains until nothing waits, the budget is spent or the search stops
  // gaining (`briefly`: sooner, while the school's rules are all kept; or after
  // `patienceOverride` moves without gain, when set); ends on the best timetable found.
  void RunChains(long budget, bool briefly, long patienceOverride = 0);
  // Briefly with the rules kept, then from there with a teacher's day one hour longer
  // while hours still wait.
  void RunKeepingRules(long budget);
  // Briefly with the lessons' own rules bent, from where the last run ended.
  void RunBendingRules(long budget);
  bool KeepsRulesOf(int lessonIndex) const {
    return lessonBent_[static_cast<std::size_t>(lessonIndex)] == 0;
  }
  // The most hours the teacher's day may hold: while placing, the daily maximum (an hour
  // more where bent); once mending, the ceilings HoldDaysAsTheyAre set.
  int MostOn(int teacher, int day) const {
    if (!dayCeiling_.empty())
      return dayCeiling_[static_cast<std::size_t>(teacher * kDays + day - 1)];
    return model_.MaxPerDay(teacher) + teacherExtra_[static_cast<std::size_t>(teacher)];
  }
  // The (lead) classes of the units waiting that have somewhere to go.
  std::vector<int> ClassesWaiting() const;
  void KeepAllRules();
  void BendAll();
  // A mending pass over a whole timetable: its moves and teachers' gaps judged, per
  // unit, from now, with every rule and the gap limits kept while it runs.
  struct MendBudget {
    long steps = 0;
    long checks = 0;
  };
  MendBudget BeginMend(long stepsPerUnit, long checksPerUnit);
  bool MendSpent(const MendBudget& budget) {
    return Interrupted() || steps_ >= budget.steps || gapChecks_ >= budget.checks;
  }
  // No teacher's gaps may go further over the limits than they are now.
  void AllowGapsAsTheyAre();
  // Puts the items in an order drawn from the search's own random numbers, so that one
  // seed gives one order.
  template <typename T>
  void Shuffle(std::vector<T>& items) {
    for (std::size_t i = items.size(); i > 1; --i)
      std::swap(items[i - 1], items[static_cast<std::size_t>(rng_.Below(static_cast<int>(i)))]);
  }
  // Orders the teachers by their hours over the gap limits, fewest first; equals keep
  // their order.
  void NearestLimitsFirst(std::vector<int>& teachers) const;
  // One try of MendGapLimits for the teacher, `now` hours over; true when kept.
  bool MendGapsOf(int teacher, int now, const MendBudget& budget);
  // No teacher's day may hold more than the prepared daily maximum or, where it holds
  // more already, than it holds now; in force for the rest of the search.
  void HoldDaysAsTheyAre();
  // Hours over the teacher's prepared daily maximum, summed over the days.
  int HoursOverDailyMaximum(int teacher) const;
  int HoursOverDailyMaxima() const;
  // Bends the lessons' own rules (or the daily maximum of the teachers, those whose
  // days are exactly full or the others) of the units waiting; false when they were all
  // bent already.
  bool BendForWaiting(bool teacherDays, bool exactlyFull = false);
  // Teachers over their gap limits and the hours over, in all, and the teachers' days
  // of a single hour.
  struct GapStanding {
    int teachers = 0;
    int hours = 0;
    int singleHourDays = 0;
  };
  GapStanding MeasureGaps() const;
  // The teachers' lone hours: (unit, teacher) where the unit is the teacher's only hour
  // of its day and may move.
  std::vector<std::pair<int, int>> LoneHours() const;
  // A few of the teacher's blocks of other days that could join a lone hour on `day`
  // without leaving one behind (their days keep two hours or more, or none): those of
  // the fewest teachers and classes, at random among equals.
  std::vector<int> PullableTo(int teacher, int day);
  // Takes the unit out and lets the chains place it (and what it takes out) again; keeps
  // the result as MendSingleHourDays says (and, with `noMoreGaps`, only with no more gap
  // hours), else goes back. True when kept.
  bool SettleIfFewerLoneHours(int unit, const MendBudget& budget, bool noMoreGaps);
  // Moves the placed unit elsewhere with every rule kept and nothing left waiting: to a
  // free place, or into the place of one block that moves on in turn, a few blocks on;
  // kept only where `better`, asked of the mirror with the moves made, says
  // so. True when moved.
  bool ShiftAlong(int unit, const std::function<bool()>& better);
  struct ShiftMove {
    int unit = 0;
    int from = 0;
    int to = 0;
  };
  // ShiftAlong with the unit (which stood at `from`) taken out of the mirror: on success
  // the mirror holds the moves, else it is as it was.
  bool ShiftFrom(int unit, int from, int depth, std::vector<ShiftMove>& moves,
                 const std::function<bool()>& better);
  // Makes the moves in the school; false (the mirror back where it was but for the
  // first unit, which stays out) when the engine refuses.
  bool ApplyShifts(const std::vector<ShiftMove>& moves);
  // Moves the placed single hour to `to`, every block there in the way of a block moving
  // coming the other way (see hour_trades.cpp), with every rule kept, no teacher's gaps
  // further over the limits and where `better`, asked of the mirror with the moves
  // made, says so. True when moved; else nothing changed.
  bool TradeHours(int unit, int to, const std::function<bool()>& better);
  // TradeHours for each single hour of the teacher and each of its places, from random
  // ones, until one is made; false when none is.
  bool TradeTeachersHour(int teacher, const std::function<bool()>& better);
  // Adds to `traded` (the first block at `from`) every block that must come along;
  // false when one may not move or is longer than an hour.
  bool CloseTrade(int from, int to, std::vector<int>& traded) const;
  // With the moves made in the mirror: no day of the teachers (`teachers`: each with
  // its hours over the gap limits before) over its ceiling, no teacher's gaps further
  // over, no lesson's own rule bent.
  bool TradeKeepsRules(const std::vector<ShiftMove>& moves,
                       const std::vector<std::pair<int, int>>& teachers) const;
  // Takes every movable block of the teacher out and lets the chains place them (and
  // what they take out) again; keeps the result where `better` says so, else goes back.
  bool PlaceWeekAgain(int teacher, long budget, long patience, const std::function<bool()>& better);
  // Takes the placed units out (through the engine and the mirror); they wait.
  void TakeOut(const std::vector<int>& out);
  void Save();
  void RestoreSaved();
  void FillWaiting();

  School& school_;
  CompletionOptions options_;
  CompletionModel model_;
  // Drawn from while judging places too, which does not change the timetable.
  mutable CompletionRng rng_;
  mutable std::vector<int> sameDayScratch_;  // LessonRuleConflicts' list, kept allocated
  std::vector<std::pair<int, int>> relocateUndo_;  // Relocate's list, kept allocated
  // GapConflicts' teachers of the blocks in the way judged so far, kept allocated
  mutable std::vector<int> draftTeachers_;
  std::unique_ptr<ChangeJournal> journal_;
  std::chrono::steady_clock::time_point deadline_;
  std::vector<int> waiting_;     // a stack: the blocks just taken out are placed next
  std::vector<int> parked_;      // waiting units that found no place for now
  std::vector<long> tabuUntil_;  // per unit and cell: do not go back there before
  std::vector<long> placedAt_;   // per unit: the step it was last placed
  Saved best_;
  // What a free place costs while placing: the school's rules as limits first.
  const SoftWeights* weights_ = &kKeepRulesWeights;
  // Per lesson: its own rules (same lesson on one day, days apart, different hours) are
  // no longer kept as conflicts, where the search had to bend them; the rest still
  // take the blocks in their way out.
  std::vector<char> lessonBent_;
  // Per teacher: hours a day may hold over the daily maximum, raised by one only for
  // the teachers whose hours the maximum as it is leaves waiting (then for all).
  std::vector<int> teacherExtra_;
  // Per teacher and day, once mending: the most hours the day may hold (empty while
  // placing).
  std::vector<int> dayCeiling_;
  // Per teacher: hours the gaps may go over the limits beyond what the hours still
  // waiting could mend; 0 while the limits are kept, kGapsBent (the placing) where
  // they are costs only.
  std::vector<int> gapAllowance_;
  // A teacher whose hours may not go to a day (0 = none), while a lone hour of that
  // day is settled elsewhere.
  int barredTeacher_ = 0;
  int barredDay_ = 0;
  // A unit that may go only to one day (-1 = none), while it joins a lone hour there.
  int pinnedUnit_ = -1;
  int pinnedDay_ = 0;
  bool gapsKept_ = false;       // some teacher's gap limits are kept (while mending)
  mutable long gapChecks_ = 0;  // teachers' gaps judged, the measure of the mending's work
  int waitingWeight_ = 0;
  int initialWaiting_ = 0;
  long steps_ = 0;
  bool stopped_ = false;
  bool timedOut_ = false;
  bool phaseSkipped_ = false;
  int placedShown_ = -1;
  RunProgress progress_;
};

}  // namespace kalvodrin
