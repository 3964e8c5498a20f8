#include "substitution/day_plan.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/min_cost_flow.h"
#include "substitution/plan_texts.h"

namespace kalvodrin {
namespace {

// Costs are whole numbers. The k-th hour a teacher of weight w takes this term costs
// (2k - 1) / w, the growth of k² / w, scaled by a multiple of every weight so that no
// division rounds. A rank bonus stays below one step of that growth for the largest
// weight (2 * kScale / 9 = 560), so it only chooses between teachers whose shares
// differ by less than one hour.
constexpr int64_t kScale = 2520;
constexpr int64_t kDutyBonus = 300;
constexpr int64_t kLessonBonus = 120;
constexpr int64_t kGroupBonus = 60;
constexpr int64_t kPresenceBonus = 40;  // per side with a lesson
constexpr int64_t kMostBonus = kDutyBonus + kLessonBonus + 2 * kPresenceBonus;
static_assert(kMostBonus < 2 * kScale / kMaxSubstituteWeight);

int64_t Bonus(const Candidate& c) {
  int64_t bonus = c.onDuty ? kDutyBonus : 0;
  bonus += c.sameLesson == SameLesson::kLesson  ? kLessonBonus
           : c.sameLesson == SameLesson::kGroup ? kGroupBonus
                                                : 0;
  return bonus + kPresenceBonus * static_cast<int>(c.presence);
}

std::array<int, 256> SubstitutesTaken(const DayPlan& plan, bool fixedOnly,
                                      std::size_t leaveOut = SIZE_MAX) {
  std::array<int, 256> taken{};
  for (std::size_t i = 0; i < plan.rows.size(); ++i)
    if (i != leaveOut && plan.rows[i].substitute != 0 && (plan.rows[i].fixed || !fixedOnly))
      ++taken[static_cast<std::size_t>(plan.rows[i].substitute)];
  return taken;
}

// Whether another row of the hour already has the teacher.
bool BusyAtHour(const DayPlan& plan, int hour, int teacher, std::size_t leaveOut) {
  for (std::size_t i = 0; i < plan.rows.size(); ++i)
    if (i != leaveOut && plan.rows[i].lesson.hour == hour && plan.rows[i].substitute == teacher)
      return true;
  return false;
}

// The cheapest covering of the open rows, most rows first: row -> (teacher, hour) ->
// teacher -> sink, the middle step taking a teacher once an hour and the last one
// growing dearer with each hour the teacher takes.
void Distribute(DayPlan& plan) {
  std::vector<std::size_t> open;
  for (std::size_t i = 0; i < plan.rows.size(); ++i)
    if (plan.rows[i].NeedsSubstitute() && !plan.rows[i].fixed) open.push_back(i);
  if (open.empty()) return;

  std::map<std::pair<int, int>, int> teacherHourNode;  // (teacher, hour)
  std::map<int, int> teacherNode;
  std::map<int, const Candidate*> anyCandidate;
  int nodes = 2 + static_cast<int>(open.size());
  for (std::size_t r : open)
    for (const Candidate& c : plan.rows[r].candidates) {
      if (BusyAtHour(plan, plan.rows[r].lesson.hour, c.teacher, r)) continue;
      if (teacherHourNode.emplace(std::pair(c.teacher, plan.rows[r].lesson.hour), nodes).second)
        ++nodes;
      if (teacherNode.emplace(c.teacher, nodes).second) ++nodes;
      anyCandidate.emplace(c.teacher, &c);
    }
  MinCostFlow flow(nodes);
  constexpr int kSource = 0;
  constexpr int kSink = 1;
  struct Choice {
    int edge;
    std::size_t row;
    int teacher;
  };
  std::vector<Choice> choices;
  for (std::size_t k = 0; k < open.size(); ++k) {
    const int rowNode = 2 + static_cast<int>(k);
    const PlanRow& row = plan.rows[open[k]];
    flow.AddEdge(kSource, rowNode, 1, 0);
    for (const Candidate& c : row.candidates) {
      const auto th = teacherHourNode.find({c.teacher, row.lesson.hour});
      if (th == teacherHourNode.end() || BusyAtHour(plan, row.lesson.hour, c.teacher, open[k]))
        continue;
      choices.push_back(
          {flow.AddEdge(rowNode, th->second, 1, kMostBonus - Bonus(c)), open[k], c.teacher});
    }
  }
  for (const auto& [key, node] : teacherHourNode)
    flow.AddEdge(node, teacherNode.at(key.first), 1, 0);
  for (const auto& [teacher, node] : teacherNode) {
    const Candidate& c = *anyCandidate.at(teacher);
    const int room = c.dailyMax - c.hoursToday;
    const int before = c.termCount + plan.context.takenToday[static_cast<std::size_t>(teacher)];
    for (int k = 1; k <= room; ++k)
      flow.AddEdge(node, kSink, 1, (2 * static_cast<int64_t>(before + k) - 1) * kScale / c.weight);
  }
  flow.Run(kSource, kSink);
  for (const Choice& c : choices)
    if (flow.FlowOn(c.edge) > 0) plan.rows[c.row].substitute = c.teacher;
}

void ExplainUncovered(const School& school, DayPlan& plan) {
  for (PlanRow& row : plan.rows)
    if (row.Uncovered())
      row.why = row.candidates.empty() ? WhyNoneFree(school, plan.context, row.lesson.hour)
                                       : NoneFree::kTaken;
}

}  // namespace

int DayPlan::Covered() const {
  return static_cast<int>(std::count_if(rows.begin(), rows.end(), [](const PlanRow& r) {
    return r.NeedsSubstitute() && r.substitute != 0;
  }));
}

int DayPlan::UncoveredCount() const {
  return static_cast<int>(
      std::count_if(rows.begin(), rows.end(), [](const PlanRow& r) { return r.Uncovered(); }));
}

DayPlan ProposeDay(const School& school, const SubstitutionRecord& record,
                   const DayRequest& request) {
  DayPlan plan;
  plan.date = request.date;
  plan.weekday = WeekdayOf(request.date);
  plan.context = MakeDayContext(plan.weekday, request.absences);
  plan.context.weights = request.weights;
  plan.context.termCounts = TermCounts(record, request.date);
  if (plan.weekday > kDays) return plan;

  for (AffectedLesson& a : AffectedLessons(school, plan.weekday, request.absences))
    plan.rows.push_back({std::move(a), 0, false, {}, NoneFree::kSomeone});
  for (const FixedSubstitute& f : request.fixed)
    for (PlanRow& row : plan.rows)
      if (row.lesson.hour == f.hour && row.lesson.classNo == f.classNo && row.NeedsSubstitute() &&
          school.TeacherByNo(f.teacher) != nullptr) {
        row.substitute = f.teacher;
        row.fixed = true;
      }
  plan.context.takenToday = SubstitutesTaken(plan, true);
  for (PlanRow& row : plan.rows)
    if (row.NeedsSubstitute())
      row.candidates = RankedCandidates(school, plan.context, row.lesson.hour, row.lesson.lesson);
  Distribute(plan);
  ExplainUncovered(school, plan);
  return plan;
}

bool ChangeSubstitute(const School& school, DayPlan& plan, std::size_t row, int teacher) {
  if (row >= plan.rows.size() || !plan.rows[row].NeedsSubstitute()) return false;
  PlanRow& target = plan.rows[row];
  if (teacher != 0) {
    DayContext context = plan.context;
    context.takenToday = SubstitutesTaken(plan, false, row);
    // The row of the same hour that loses the teacher gives back that hour.
    for (std::size_t i = 0; i < plan.rows.size(); ++i)
      if (i != row && plan.rows[i].lesson.hour == target.lesson.hour &&
          plan.rows[i].substitute == teacher)
        --context.takenToday[static_cast<std::size_t>(teacher)];
    const std::vector<Candidate> free =
        RankedCandidates(school, context, target.lesson.hour, target.lesson.lesson);
    if (std::none_of(free.begin(), free.end(),
                     [&](const Candidate& c) { return c.teacher == teacher; }))
      return false;
    for (std::size_t i = 0; i < plan.rows.size(); ++i)
      if (i != row && plan.rows[i].lesson.hour == target.lesson.hour &&
          plan.rows[i].substitute == teacher) {
        plan.rows[i].substitute = 0;
        plan.rows[i].fixed = false;
      }
  }
  target.substitute = teacher;
  target.fixed = teacher != 0;
  ExplainUncovered(school, plan);
  return true;
}

std::vector<SubstitutionEntry> PlanEntries(const School& school, const DayPlan& plan) {
  std::vector<SubstitutionEntry> entries;
  for (const PlanRow& row : plan.rows) {
    if (row.substitute == 0 || row.lesson.absentTeachers.empty()) continue;
    entries.push_back({plan.date, row.lesson.hour, row.lesson.classNo, row.lesson.lesson,
                       row.lesson.absentTeachers.front(), row.substitute,
                       ClassesText(school, row.lesson), LessonNameOf(school, row.lesson.lesson),
                       TeacherNameOf(school, row.lesson.absentTeachers.front()),
                       TeacherNameOf(school, row.substitute)});
  }
  return entries;
}

Status SavePlan(const School& school, const DayPlan& plan, SubstitutionRecord& record,
                FileSystem& disk) {
  SubstitutionRecord next = record;
  ReplaceDay(next, plan.date, PlanEntries(school, plan));
  if (Status s = SaveSubstitutionRecord(school.WorkFolder, next, disk); !s) return s;
  record = std::move(next);
  return Status::Ok();
}

std::vector<Candidate> FreeTeachers(const School& school, const SubstitutionRecord& record,
                                    const FreeQuery& query) {
  if (query.weekday < 1 || query.weekday > kDays || query.hour < 1 || query.hour > kHoursPerDay)
    return {};
  DayContext context = MakeDayContext(query.weekday, query.absences);
  context.termCounts = TermCounts(record);
  std::vector<int> busy;
  if (query.date)
    for (const SubstitutionEntry& e : EntriesOn(record, *query.date)) {
      ++context.takenToday[static_cast<std::size_t>(e.substitute)];
      if (e.hour == query.hour) busy.push_back(e.substitute);
    }
  std::vector<Candidate> free = RankedCandidates(school, context, query.hour, 0);
  std::erase_if(free, [&](const Candidate& c) {
    return std::find(busy.begin(), busy.end(), c.teacher) != busy.end();
  });
  return free;
}

}  // namespace kalvodrin
