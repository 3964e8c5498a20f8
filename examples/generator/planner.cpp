// Plans a school: classes per grade, their lessons, common lessons, teachers by branch
// with even loads, class teachers for the guidance lesson, special rooms and the days
// some teachers cannot come.

#include <algorithm>
#include <array>
#include <string_view>

#include "names.h"
#include "rng.h"
#include "school_plan.h"

namespace kalvodrin::samples {
namespace {

constexpr int kGrades = 4;
constexpr int kMaxRecords = 255;
constexpr int kTeacherTarget = 22;   // weekly hours a branch aims to give each teacher
constexpr int kCoTeachingLimit = 24; // a second teacher is only added below this load
constexpr int kClosedDayLimit = 20;  // only teachers with at most this load lose a day
constexpr int kRoomTarget = 24;      // weekly hours one special room takes at most
constexpr std::string_view kSectionLetters = "ABCDEFGHIJKLMNOPRSTUVYZ";
constexpr std::array<int, 4> kClosableDays = {1, 2, 3, 5};  // never the guidance day

int HoursOf(LessonId id) { return LessonOf(id).weeklyHours; }

std::string SectionName(int index) {
  const int n = static_cast<int>(kSectionLetters.size());
  std::string s(1, kSectionLetters[static_cast<std::size_t>(index % n)]);
  if (index >= n) s.insert(s.begin(), kSectionLetters[static_cast<std::size_t>(index / n - 1)]);
  return s;
}

std::string ClassLabel(const ClassPlan& c) { return std::to_string(c.grade) + "-" + c.section; }

// Splits items of the given weights, in order, into `parts` runs of nearly equal
// weight; returns the run of each item. Consecutive items stay together, so a teacher
// takes neighbouring sections and at most one teacher per branch crosses a shift.
std::vector<int> SplitInOrder(const std::vector<int>& weights, int parts) {
  int total = 0;
  for (int w : weights) total += w;
  std::vector<int> part(weights.size(), 0);
  int before = 0;
  for (std::size_t i = 0; i < weights.size(); ++i) {
    const int middle2 = 2 * before + weights[i];  // twice the item's midpoint
    part[i] = std::min(parts - 1, middle2 * parts / (2 * total));
    before += weights[i];
  }
  return part;
}

int Ceil(int a, int b) { return (a + b - 1) / b; }

class Planner {
 public:
  explicit Planner(const PlanOptions& o)
      : options_(o), rng_(o.seed * 2 + 1), names_(o.sample ? 1923 : o.seed) {}

  SchoolPlan Run() {
    PlanClasses();
    PlanUnits();
    PlanTeachers();
    PlanCoTeaching();
    PlanClassTeachers();
    PlanRooms();
    PlanClosedDays();
    PlanDuties();
    PlanPeople();
    return std::move(plan_);
  }

 private:
  void PlanClasses();
  struct Common {
    LessonId lesson;
    std::vector<int> classes;
  };
  std::vector<std::vector<int>> CommonPairs(int grade, LessonId lesson) const;
  std::vector<Common> PlanCommons();
  void PlanUnits();
  void PlanTeachers();
  int TeacherTarget(const std::array<int, kBranchCount>& totals) const;
  void PlanCoTeaching();
  bool CoTaught(const UnitPlan& unit);
  void PlanClassTeachers();
  void PlanRooms();
  void PlanClosedDays();
  void PlanDuties();
  void PlanPeople();

  const PlanOptions options_;
  Rng rng_;
  NamePool names_;
  SchoolPlan plan_;
};

// A week of five six-hour days holds 30 hours: the lessons last in the class's list
// give way, the guidance hour stays.
void FitSixHourWeek(std::vector<LessonId>& lessons) {
  constexpr int kWeek = 30;
  int hours = 0;
  for (LessonId l : lessons) hours += HoursOf(l);
  for (std::size_t i = lessons.size(); i-- > 0 && hours > kWeek;) {
    if (lessons[i] == LessonId::kGuidance) continue;
    hours -= HoursOf(lessons[i]);
    lessons.erase(lessons.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

void Planner::PlanClasses() {
  plan_.sixHourShifts = options_.sixHourShifts;
  const int n = options_.classes;
  for (int g = 0; g < kGrades; ++g) {
    const int grade = 9 + g;
    const int count = n / kGrades + (g < n % kGrades ? 1 : 0);
    const int science = Ceil(2 * count, 3);
    for (int s = 0; s < count; ++s) {
      ClassPlan c;
      c.grade = grade;
      c.section = SectionName(s);
      c.afternoon = grade == 9;
      if (grade >= 11) c.track = s < science ? Track::kScience : Track::kEqualWeight;
      const bool art = options_.sample ? s % 2 == 0 : rng_.OneIn(2);
      c.lessons = CurriculumOf(grade, c.track, art);
      if (options_.sixHourShifts) FitSixHourWeek(c.lessons);
      plan_.classes.push_back(std::move(c));
    }
  }
}

// The elective each grade may take with a neighbouring section.
LessonId SharedElective(int grade) {
  switch (grade) {
    case 9: return LessonId::kBasicReligion;
    case 10: return LessonId::kAstronomy;
    case 11: return LessonId::kPsychology;
    default: return LessonId::kSociology;
  }
}

// Classes of the grade that take the lesson, as neighbouring couples.
std::vector<std::vector<int>> Planner::CommonPairs(int grade, LessonId lesson) const {
  std::vector<int> takers;
  for (int i = 0; i < static_cast<int>(plan_.classes.size()); ++i) {
    const ClassPlan& c = plan_.classes[static_cast<std::size_t>(i)];
    if (c.grade == grade && std::count(c.lessons.begin(), c.lessons.end(), lesson) > 0)
      takers.push_back(i);
  }
  std::vector<std::vector<int>> pairs;
  for (std::size_t k = 0; k + 1 < takers.size(); k += 2) pairs.push_back({takers[k], takers[k + 1]});
  return pairs;
}

// Each grade's elective taught to two neighbouring sections together: the sample
// joins one fixed couple per grade (the second couple in grade 10), a generated school
// about a third of the couples.
std::vector<Planner::Common> Planner::PlanCommons() {
  std::vector<Common> commons;
  for (int g = 0; g < kGrades; ++g) {
    const LessonId lesson = SharedElective(9 + g);
    const auto pairs = CommonPairs(9 + g, lesson);
    for (std::size_t k = 0; k < pairs.size(); ++k) {
      const bool join = options_.sample ? k == (g == 1 ? 1u : 0u) : rng_.OneIn(3);
      if (join) commons.push_back({lesson, pairs[k]});
    }
  }
  return commons;
}

// One unit per class lesson, except that a common lesson is one unit for all its
// classes, listed where its first class is.
void Planner::PlanUnits() {
  const std::vector<Common> commons = PlanCommons();
  for (int c = 0; c < static_cast<int>(plan_.classes.size()); ++c) {
    for (LessonId lesson : plan_.classes[static_cast<std::size_t>(c)].lessons) {
      const auto joined = std::find_if(commons.begin(), commons.end(), [&](const Common& m) {
        return m.lesson == lesson && std::count(m.classes.begin(), m.classes.end(), c) > 0;
      });
      if (joined == commons.end())
        plan_.units.push_back(UnitPlan{lesson, {c}, {}, -1});
      else if (joined->classes.front() == c)
        plan_.units.push_back(UnitPlan{lesson, joined->classes, {}, -1});
    }
  }
}

int Planner::TeacherTarget(const std::array<int, kBranchCount>& totals) const {
  for (int target = kTeacherTarget;; ++target) {
    int teachers = 0;
    for (int t : totals) teachers += Ceil(t, target);
    if (teachers <= kMaxRecords) return target;
  }
}

void Planner::PlanTeachers() {
  std::array<std::vector<int>, kBranchCount> units;
  std::array<int, kBranchCount> totals{};
  for (int u = 0; u < static_cast<int>(plan_.units.size()); ++u) {
    const LessonId lesson = plan_.units[static_cast<std::size_t>(u)].lesson;
    if (lesson == LessonId::kGuidance) continue;
    const auto b = static_cast<std::size_t>(LessonOf(lesson).branch);
    units[b].push_back(u);
    totals[b] += HoursOf(lesson);
  }
  const int target = TeacherTarget(totals);
  for (int b = 0; b < kBranchCount; ++b) {
    const auto& list = units[static_cast<std::size_t>(b)];
    if (list.empty()) continue;
    const int count = Ceil(totals[static_cast<std::size_t>(b)], target);
    std::vector<int> weights;
    for (int u : list) weights.push_back(HoursOf(plan_.units[static_cast<std::size_t>(u)].lesson));
    const std::vector<int> part = SplitInOrder(weights, count);
    const int first = static_cast<int>(plan_.teachers.size());
    for (int k = 0; k < count; ++k) {
      TeacherPlan t;
      t.branch = static_cast<Branch>(b);
      plan_.teachers.push_back(std::move(t));
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
      const int teacher = first + part[i];
      plan_.units[static_cast<std::size_t>(list[i])].teachers.push_back(teacher);
      plan_.teachers[static_cast<std::size_t>(teacher)].load += weights[i];
    }
  }
}

// Physical education with a second teacher (girls and boys apart) and English with a
// second teacher for speaking groups.
bool Planner::CoTaught(const UnitPlan& unit) {
  if (unit.classes.size() != 1) return false;
  if (unit.lesson != LessonId::kSports && unit.lesson != LessonId::kEnglish) return false;
  if (!options_.sample) return rng_.OneIn(10);
  const ClassPlan& c = plan_.classes[static_cast<std::size_t>(unit.classes[0])];
  if (unit.lesson == LessonId::kSports) return c.grade == 12 && c.section < "D";
  return c.grade == 9 && c.section == "A";
}

// At most one lesson of a class gets a second teacher, so that even counting that
// lesson's hours once per teacher the class still fits its week.
void Planner::PlanCoTeaching() {
  std::vector<bool> coTaught(plan_.classes.size(), false);
  for (UnitPlan& unit : plan_.units) {
    if (!CoTaught(unit) || coTaught[static_cast<std::size_t>(unit.classes[0])]) continue;
    const int primary = unit.teachers.front();
    const Branch branch = plan_.teachers[static_cast<std::size_t>(primary)].branch;
    const int hours = HoursOf(unit.lesson);
    int best = -1;
    for (int t = 0; t < static_cast<int>(plan_.teachers.size()); ++t) {
      const TeacherPlan& tp = plan_.teachers[static_cast<std::size_t>(t)];
      if (t == primary || tp.branch != branch || tp.load + hours > kCoTeachingLimit) continue;
      if (best < 0 || tp.load < plan_.teachers[static_cast<std::size_t>(best)].load) best = t;
    }
    if (best < 0) continue;
    unit.teachers.push_back(best);
    plan_.teachers[static_cast<std::size_t>(best)].load += hours;
    coTaught[static_cast<std::size_t>(unit.classes[0])] = true;
  }
}

// Every class gets its own class teacher, who gives it the guidance lesson: one of
// its teachers with the lightest load that leads no other class yet.
void Planner::PlanClassTeachers() {
  for (UnitPlan& unit : plan_.units) {
    if (unit.lesson != LessonId::kGuidance) continue;
    const int c = unit.classes.front();
    std::vector<int> candidates;
    for (const UnitPlan& u : plan_.units)
      if (u.classes.size() == 1 && u.classes[0] == c && !u.teachers.empty())
        candidates.push_back(u.teachers.front());
    auto leadsNone = [&](int t) {
      return plan_.teachers[static_cast<std::size_t>(t)].classTeacherOf.empty();
    };
    auto lighter = [&](int a, int b) {
      const int la = plan_.teachers[static_cast<std::size_t>(a)].load;
      const int lb = plan_.teachers[static_cast<std::size_t>(b)].load;
      return la != lb ? la < lb : a < b;
    };
    int best = -1;
    for (int t : candidates)
      if (leadsNone(t) && (best < 0 || lighter(t, best))) best = t;
    for (int t = 0; best < 0 && t < static_cast<int>(plan_.teachers.size()); ++t)
      if (leadsNone(t)) best = t;
    if (best < 0) continue;  // more classes than teachers: left without a teacher
    unit.teachers.push_back(best);
    TeacherPlan& tp = plan_.teachers[static_cast<std::size_t>(best)];
    tp.classTeacherOf = ClassLabel(plan_.classes[static_cast<std::size_t>(c)]);
    tp.load += 1;
  }
}

void Planner::PlanRooms() {
  for (int k = 1; k < kRoomKindCount; ++k) {
    const auto kind = static_cast<RoomKind>(k);
    std::vector<int> list, weights;
    int total = 0;
    for (int u = 0; u < static_cast<int>(plan_.units.size()); ++u) {
      const UnitPlan& unit = plan_.units[static_cast<std::size_t>(u)];
      const int grade = plan_.classes[static_cast<std::size_t>(unit.classes[0])].grade;
      if (RoomKindOf(unit.lesson, grade) != kind) continue;
      list.push_back(u);
      weights.push_back(HoursOf(unit.lesson));
      total += weights.back();
    }
    if (list.empty()) continue;
    const int count = Ceil(total, kRoomTarget);
    const std::vector<int> part = SplitInOrder(weights, count);
    const int first = static_cast<int>(plan_.rooms.size());
    for (int r = 0; r < count; ++r) {
      RoomPlan room;
      room.kind = kind;
      room.name = count == 1 ? std::string(RoomName(kind))
                             : std::string(RoomStem(kind)) + " " + std::to_string(r + 1);
      plan_.rooms.push_back(std::move(room));
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
      plan_.units[static_cast<std::size_t>(list[i])].room = first + part[i];
      plan_.rooms[static_cast<std::size_t>(first + part[i])].load += weights[i];
    }
  }
}

// Some teachers with a light load cannot come on one weekday (another school, a
// course); the guidance day is never closed.
void Planner::PlanClosedDays() {
  int eligible = 0;
  for (TeacherPlan& t : plan_.teachers) {
    if (t.load > kClosedDayLimit) continue;
    const bool close = options_.sample ? eligible % 5 == 1 : rng_.OneIn(5);
    const int day = options_.sample ? kClosableDays[static_cast<std::size_t>(eligible / 5 % 4)]
                                    : kClosableDays[static_cast<std::size_t>(rng_.Below(4))];
    ++eligible;
    if (close) t.closedDay = day;
  }
}

// One supervision duty a week for every teacher, spread evenly over the places and
// the weekdays, never on the teacher's closed day. About ten teachers share a place.
void Planner::PlanDuties() {
  constexpr std::array<std::string_view, 5> kPlaces = {"BAHÇE", "ZEMİN KAT", "BİRİNCİ KAT",
                                                       "İKİNCİ KAT", "KANTİN"};
  const int teachers = static_cast<int>(plan_.teachers.size());
  const int places = std::clamp(teachers / 10, 2, 15);
  for (int p = 0; p < places; ++p)
    plan_.dutyPlaces.push_back(p < static_cast<int>(kPlaces.size())
                                   ? std::string(kPlaces[static_cast<std::size_t>(p)])
                                   : std::to_string(p - 2) + ". KAT");
  for (int t = 0; t < teachers; ++t) {
    TeacherPlan& tp = plan_.teachers[static_cast<std::size_t>(t)];
    const int slot = t % (places * 5);
    tp.dutyPlace = slot / 5;
    tp.dutyDay = slot % 5 + 1;
    if (tp.dutyDay == tp.closedDay) tp.dutyDay = tp.dutyDay % 5 + 1;
  }
}

void Planner::PlanPeople() {
  for (std::size_t i = 0; i < plan_.teachers.size(); ++i) {
    TeacherPlan& t = plan_.teachers[i];
    t.name = names_.NextPerson();
    if (options_.sample ? i % 3 == 0 : rng_.OneIn(3)) t.club = names_.NextClub();
  }
  plan_.schoolName = options_.sample ? "CUMHURİYET ANADOLU LİSESİ" : "ÖRNEK ANADOLU LİSESİ";
  plan_.principalName = names_.NextPerson();
  plan_.deputyName = names_.NextPerson();
}

}  // namespace

SchoolPlan PlanSchool(const PlanOptions& options) { return Planner(options).Run(); }

}  // namespace kalvodrin::samples
