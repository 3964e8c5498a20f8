#include "duty/duty_proposal.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

#include "core/cells.h"
#include "core/min_cost_flow.h"
#include "duty/duties.h"

namespace kalvodrin {
namespace {

// Costs are whole numbers: the k-th duty of a teacher of weight w costs (2k-1)/w, the
// growth of k*k/w, scaled by a multiple of every weight so no division rounds.
constexpr int64_t kScale = 2520;
// Taking a place the teacher already has this week only breaks ties.
constexpr int64_t kRepeatCost = 1;

using TeacherPlace = std::pair<int, int>;

// Who already has which duty, and the new ones as they are chosen.
struct Tally {
  std::array<int, 256> duties{};
  std::map<TeacherPlace, int> atPlace;
  std::map<TeacherPlace, bool> onDay;  // (teacher, day)

  void Add(int place, int day, int teacher) {
    ++duties[static_cast<std::size_t>(teacher)];
    ++atPlace[{teacher, place}];
    onDay[{teacher, day}] = true;
  }
  int At(int teacher, int place) const {
    auto it = atPlace.find({teacher, place});
    return it == atPlace.end() ? 0 : it->second;
  }
  bool Busy(int teacher, int day) const { return onDay.contains({teacher, day}); }
};

int Repeats(int n) { return n > 1 ? n - 1 : 0; }

struct Slot {
  int place;
  int day;
  int wanted;
};

std::vector<Slot> SlotsOf(const School& school, const ProposalRequest& request) {
  std::vector<int> days;
  for (int d : request.days)
    if (d >= 1 && d <= kWeekDays && std::find(days.begin(), days.end(), d) == days.end())
      days.push_back(d);
  std::sort(days.begin(), days.end());
  std::vector<Slot> slots;
  for (const TDutyPlaceRec& p : school.DutyPlaces) {
    if (std::find(request.places.begin(), request.places.end(), p.number) == request.places.end())
      continue;
    for (int d : days)
      slots.push_back({p.number, d, std::max(0, request.perSlot - DutiesAt(school, p.number, d))});
  }
  return slots;
}

int WeightOf(const ProposalRequest& request, int teacher) {
  return std::clamp(request.weights[static_cast<std::size_t>(teacher)], 0, kMaxDutyWeight);
}

// The cheapest filling of the slots: slot -> (teacher, day) -> teacher -> sink, the
// middle step taking one duty a day and the last one growing dearer with each duty.
std::vector<ProposedDuty> Distribute(const School& school, const ProposalRequest& request,
                                     const std::vector<Slot>& slots, const Tally& tally) {
  struct Candidate {
    int teacher;
    int weight;
  };
  std::vector<Candidate> teachers;
  for (const TTeacherRec& t : school.Teachers)
    if (const int w = WeightOf(request, t.number); w > 0) teachers.push_back({t.number, w});

  const int teacherDayBase = 2 + static_cast<int>(slots.size());
  const int teacherBase = teacherDayBase + static_cast<int>(teachers.size()) * kWeekDays;
  MinCostFlow flow(teacherBase + static_cast<int>(teachers.size()));
  constexpr int kSource = 0;
  constexpr int kSink = 1;
  struct Choice {
    int edge;
    ProposedDuty duty;
  };
  std::vector<Choice> choices;
  std::vector<int> freeDays(teachers.size(), 0);
  std::vector<bool> dayLinked(teachers.size() * kWeekDays, false);
  for (std::size_t s = 0; s < slots.size(); ++s) {
    const Slot& slot = slots[s];
    if (slot.wanted == 0) continue;
    const int slotNode = 2 + static_cast<int>(s);
    flow.AddEdge(kSource, slotNode, slot.wanted, 0);
    for (std::size_t i = 0; i < teachers.size(); ++i) {
      const int t = teachers[i].teacher;
      if (tally.Busy(t, slot.day) || !TeachesOn(school, t, slot.day)) continue;
      const std::size_t td = i * kWeekDays + static_cast<std::size_t>(slot.day - 1);
      const int tdNode = teacherDayBase + static_cast<int>(td);
      if (!dayLinked[td]) {
        dayLinked[td] = true;
        ++freeDays[i];
        flow.AddEdge(tdNode, teacherBase + static_cast<int>(i), 1, 0);
      }
      const int64_t cost = tally.At(t, slot.place) > 0 ? kRepeatCost : 0;
      choices.push_back({flow.AddEdge(slotNode, tdNode, 1, cost), {slot.place, slot.day, t}});
    }
  }
  for (std::size_t i = 0; i < teachers.size(); ++i)
    for (int k = 1; k <= freeDays[i]; ++k) {
      const int64_t count = tally.duties[static_cast<std::size_t>(teachers[i].teacher)] + k;
      flow.AddEdge(teacherBase + static_cast<int>(i), kSink, 1,
                   (2 * count - 1) * kScale / teachers[i].weight);
    }
  flow.Run(kSource, kSink);
  std::vector<ProposedDuty> chosen;
  for (const Choice& c : choices)
    if (flow.FlowOn(c.edge) > 0) chosen.push_back(c.duty);
  return chosen;
}

// Two new duties on one day may trade places: the days and every teacher's count
// stay, and a trade that lowers the number of repeated places is kept.
void AvoidRepeatedPlaces(std::vector<ProposedDuty>& duties, Tally& tally) {
  bool improved = true;
  while (improved) {
    improved = false;
    for (std::size_t i = 0; i < duties.size(); ++i)
      for (std::size_t j = i + 1; j < duties.size(); ++j) {
        ProposedDuty& a = duties[i];
        ProposedDuty& b = duties[j];
        if (a.day != b.day || a.place == b.place) continue;
        const int aa = tally.At(a.teacher, a.place), ab = tally.At(a.teacher, b.place);
        const int bb = tally.At(b.teacher, b.place), ba = tally.At(b.teacher, a.place);
        const int before = Repeats(aa) + Repeats(ab) + Repeats(bb) + Repeats(ba);
        const int after = Repeats(aa - 1) + Repeats(ab + 1) + Repeats(bb - 1) + Repeats(ba + 1);
        if (after >= before) continue;
        --tally.atPlace[{a.teacher, a.place}];
        ++tally.atPlace[{a.teacher, b.place}];
        --tally.atPlace[{b.teacher, b.place}];
        ++tally.atPlace[{b.teacher, a.place}];
        std::swap(a.place, b.place);
        improved = true;
      }
  }
}

}  // namespace

ProposalRequest DefaultProposalRequest(const School& school) {
  ProposalRequest request;
  for (const TDutyPlaceRec& p : school.DutyPlaces) request.places.push_back(p.number);
  // Lessons are given Monday to Friday only, so a weekend day could not be filled.
  for (int d = 1; d <= std::min(OfferedDays(school), kDays); ++d) request.days.push_back(d);
  request.weights.fill(1);
  return request;
}

bool TeachesOn(const School& school, int teacher, int day) {
  const TTeacherGridRec* g = school.TeacherGridByNo(teacher);
  if (g == nullptr || day < 1 || day > kDays) return false;
  for (int hour = 1; hour <= kHoursPerDay; ++hour)
    if (g->occupant[static_cast<std::size_t>(CellIndex(day, hour) - 1)] != 0) return true;
  return false;
}

DutyProposal ProposeDuties(const School& school, const ProposalRequest& request) {
  Tally tally;
  for (const TDutyRec& d : school.Duties) tally.Add(d.place, d.day, d.teacher);
  const std::vector<Slot> slots = SlotsOf(school, request);
  DutyProposal proposal;
  proposal.duties = Distribute(school, request, slots, tally);
  for (const ProposedDuty& d : proposal.duties) ++tally.atPlace[{d.teacher, d.place}];
  AvoidRepeatedPlaces(proposal.duties, tally);

  int wanted = 0;
  for (const Slot& s : slots) wanted += s.wanted;
  proposal.unfilled = wanted - static_cast<int>(proposal.duties.size());
  for (const auto& [key, n] : tally.atPlace) proposal.repeatedPlaces += Repeats(n);

  std::array<int, 256> placeRank{}, teacherRank{};
  for (const TDutyPlaceRec& p : school.DutyPlaces) placeRank[p.number] = p.order;
  for (const TTeacherRec& t : school.Teachers) teacherRank[t.number] = t.order;
  std::sort(proposal.duties.begin(), proposal.duties.end(), [&](const auto& a, const auto& b) {
    return std::tuple(placeRank[static_cast<std::size_t>(a.place)], a.day,
                      teacherRank[static_cast<std::size_t>(a.teacher)]) <
           std::tuple(placeRank[static_cast<std::size_t>(b.place)], b.day,
                      teacherRank[static_cast<std::size_t>(b.teacher)]);
  });
  for (const TTeacherRec& t : school.Teachers) {
    const auto n = static_cast<std::size_t>(t.number);
    TeacherShare share{t.number, WeightOf(request, t.number), tally.duties[n], 0};
    for (const ProposedDuty& d : proposal.duties) share.proposed += d.teacher == t.number ? 1 : 0;
    proposal.shares.push_back(share);
  }
  return proposal;
}

Change AcceptProposal(School& school, const DutyProposal& proposal) {
  Change result = Refused(Outcome::kUnchanged);
  for (const ProposedDuty& d : proposal.duties)
    if (Change c = GiveDuty(school, d.place, d.day, d.teacher); c.done()) {
      result.outcome = Outcome::kDone;
      result.files.add(c.files);
    }
  return result;
}

}  // namespace kalvodrin
