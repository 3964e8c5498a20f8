// The proposal of a whole day: it covers as many hours as any assignment could
// (checked against trying every assignment on small random schools), keeps what the
// user fixed, says why an hour stays open, and spreads the hours over a term so that
// teachers free at the same hours stay within one weighted hour of each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <random>

#include "core/cells.h"
#include "day_request.h"
#include "school_builder.h"
#include "school_files.h"
#include "substitution/day_plan.h"

namespace kalvodrin {
namespace {

const SchoolDate kMonday{2026, 12, 7};

// Every substitute is a candidate of the row, at most once an hour, and within the
// daily maximum with every substitution of the plan counted.
void ExpectValid(const School& school, const DayPlan& plan) {
  std::map<int, int> hoursOf;
  std::map<std::pair<int, int>, int> atHour;
  for (const PlanRow& row : plan.rows) {
    if (row.substitute == 0) continue;
    EXPECT_TRUE(row.NeedsSubstitute());
    if (!row.fixed) {
      EXPECT_TRUE(std::any_of(row.candidates.begin(), row.candidates.end(),
                              [&](const Candidate& c) { return c.teacher == row.substitute; }));
    }
    const auto cell = static_cast<std::size_t>(CellIndex(plan.weekday, row.lesson.hour) - 1);
    const TTeacherGridRec& g = *school.TeacherGridByNo(row.substitute);
    EXPECT_EQ(g.occupant[cell], 0) << "teaches at hour " << row.lesson.hour;
    EXPECT_NE(g.open[cell], 0) << "closed at hour " << row.lesson.hour;
    EXPECT_FALSE(IsAbsent(plan.context.absences, row.substitute, row.lesson.hour));
    const std::pair<int, int> teacherHour{row.substitute, row.lesson.hour};
    EXPECT_EQ(++atHour[teacherHour], 1) << "twice at one hour";
    ++hoursOf[row.substitute];
  }
  for (const auto& [teacher, n] : hoursOf)
    EXPECT_LE(LessonsOn(school, teacher, plan.weekday) + n, DailyMaximum(school, teacher));
}

// The most rows any assignment covers, by trying every one.
int BestCover(const School& school, const DayPlan& plan) {
  std::vector<const PlanRow*> open;
  for (const PlanRow& r : plan.rows)
    if (r.NeedsSubstitute()) open.push_back(&r);
  std::map<int, int> taken;
  std::map<std::pair<int, int>, bool> busy;
  int best = 0;
  std::function<void(std::size_t, int)> tryFrom = [&](std::size_t i, int covered) {
    if (i == open.size()) {
      best = std::max(best, covered);
      return;
    }
    if (covered + static_cast<int>(open.size() - i) <= best) return;
    const int hour = open[i]->lesson.hour;
    for (const Candidate& c : open[i]->candidates) {
      if (busy[{c.teacher, hour}] ||
          LessonsOn(school, c.teacher, plan.weekday) + taken[c.teacher] + 1 >
              DailyMaximum(school, c.teacher))
        continue;
      busy[{c.teacher, hour}] = true;
      ++taken[c.teacher];
      tryFrom(i + 1, covered + 1);
      --taken[c.teacher];
      busy[{c.teacher, hour}] = false;
    }
    tryFrom(i + 1, covered);
  };
  tryFrom(0, 0);
  return best;
}

// Three classes of four hours a day, six teachers with random lessons, closed hours
// and daily maxima of 1 to 4, so that hours compete for few free teachers.
School RandomSmallSchool(std::mt19937& rng) {
  SchoolBuilder b;
  const char* teachers[] = {"A", "B", "C", "D", "E", "F"};
  for (const char* t : teachers) b.Teacher(t);
  const char* classes[] = {"1 A", "2 A", "3 A"};
  for (int c = 0; c < 3; ++c) {
    b.Class(std::to_string(c + 1), "A").Hours(1, 4);
    for (int k = 0; k < 4; ++k) {
      const std::string lesson = "DERS" + std::to_string(c) + std::to_string(k);
      b.Lesson(lesson, 5, "1+1+1+1+1");
      b.Teach(teachers[rng() % 6], classes[c], lesson);
    }
  }
  School base = b.Build();
  // Each class's hours of Monday filled at random, where the teacher is free.
  for (int c = 0; c < 3; ++c)
    for (int hour = 1; hour <= 4; ++hour) {
      const std::string lesson = "DERS" + std::to_string(c) + std::to_string(rng() % 4);
      try {
        b.Place(classes[c], lesson, 1, 1, hour);
      } catch (const std::invalid_argument&) {
        // the teacher already teaches at the hour: the class stays free then
      }
    }
  School school = b.Build();
  school.Settings.maxHoursPerDay = 1;
  for (TTeacherGridRec& g : school.TeacherGrids) {
    g.special.maxHoursPerDay = static_cast<uint8_t>(1 + rng() % 4);
    for (int hour = 1; hour <= 4; ++hour)
      if (rng() % 6 == 0) g.open[static_cast<std::size_t>(CellIndex(1, hour) - 1)] = 0;
  }
  return school;
}

TEST(DayProposalTest, CoversAsManyHoursAsTryingEveryAssignment) {
  std::mt19937 rng(20261207);
  int shortOfTeachers = 0;
  for (int trial = 0; trial < 150; ++trial) {
    SCOPED_TRACE("trial " + std::to_string(trial));
    const School school = RandomSmallSchool(rng);
    DayRequest request = Request(kMonday, {});
    for (const TTeacherRec& t : school.Teachers)
      if (rng() % 3 == 0) request.absences.push_back({t.number, {}});
    const DayPlan plan = ProposeDay(school, {}, request);
    ExpectValid(school, plan);
    const int best = BestCover(school, plan);
    EXPECT_EQ(plan.Covered(), best);
    shortOfTeachers += plan.UncoveredCount() > 0 ? 1 : 0;
    for (const PlanRow& row : plan.rows)
      if (row.Uncovered()) {
        EXPECT_NE(row.why, NoneFree::kSomeone);
      }
  }
  EXPECT_GT(shortOfTeachers, 10);  // the cases are tight enough to mean something
}

// ALİ teaches 9 A on Monday at 1..4; BEN, CAN are free all day, DEMET has only hour
// 1 free and teaches 9 B at 2..4, daily maximum 6.
class SmallDay : public ::testing::Test {
 protected:
  void SetUp() override {
    b.Class("9", "A").Lesson("TARİH", 4, "1+1+1+1").Teacher("ALİ").Teach();
    for (int h = 1; h <= 4; ++h) b.Place("9 A", "TARİH", 1, 1, h);
    b.Class("9", "B").Lesson("COĞRAFYA", 3, "1+1+1").Teacher("DEMET").Teach();
    for (int h = 2; h <= 4; ++h) b.Place("9 B", "COĞRAFYA", 1, 1, h);
    b.Teacher("BEN").Teacher("CAN");
    school = b.Build();
  }
  int No(const char* name) const { return b.TeacherNo(name); }
  SchoolBuilder b;
  School school;
};

TEST_F(SmallDay, FixedHoursStayAndChangesMoveATeacherWithinTheHour) {
  DayRequest request = Request(kMonday, {{No("ALİ"), {}}});
  request.fixed.push_back({1, b.ClassNo("9 A"), No("CAN")});
  const DayPlan plan = ProposeDay(school, {}, request);
  ASSERT_EQ(plan.rows.size(), 4u);
  EXPECT_EQ(plan.rows[0].substitute, No("CAN"));
  EXPECT_TRUE(plan.rows[0].fixed);
  EXPECT_EQ(plan.Covered(), 4);
  // CAN's fixed hour counts: BEN takes two of the other three, CAN one.
  int ben = 0;
  for (const PlanRow& r : plan.rows) ben += r.substitute == No("BEN") ? 1 : 0;
  EXPECT_EQ(ben, 2);
  ExpectValid(school, plan);

  DayPlan changed = plan;
  const std::size_t canRow = plan.rows[1].substitute == No("CAN")   ? 1
                             : plan.rows[2].substitute == No("CAN") ? 2
                                                                    : 3;
  const std::size_t benRow = canRow == 1 ? 2 : 1;
  ASSERT_TRUE(ChangeSubstitute(school, changed, benRow, No("CAN")));
  EXPECT_EQ(changed.rows[benRow].substitute, No("CAN"));
  EXPECT_TRUE(changed.rows[benRow].fixed);
  EXPECT_EQ(changed.Covered(), 4);
  // DEMET teaches at 2..4: refused there, and nothing changes.
  DayPlan refused = changed;
  EXPECT_FALSE(ChangeSubstitute(school, refused, 1, No("DEMET")));
  EXPECT_EQ(refused.rows[1].substitute, changed.rows[1].substitute);
  EXPECT_FALSE(ChangeSubstitute(school, refused, 1, No("ALİ")));  // away
  EXPECT_FALSE(ChangeSubstitute(school, refused, 9, No("BEN")));  // no such row
  ASSERT_TRUE(ChangeSubstitute(school, refused, 0, 0));           // cleared
  EXPECT_EQ(refused.UncoveredCount(), 1);
  EXPECT_EQ(refused.rows[0].why, NoneFree::kTaken);

  // With BEN away from 2 on and CAN all day, only hour 1 has anyone free.
  DayRequest two = Request(kMonday, {{No("ALİ"), {}}, {No("CAN"), {}}, {No("BEN"), {2, 3, 4}}});
  const DayPlan thin = ProposeDay(school, {}, two);
  EXPECT_EQ(thin.Covered(), 1);
  EXPECT_EQ(thin.rows[1].why, NoneFree::kEveryoneBusy);
}

TEST_F(SmallDay, TheDailyMaximumBoundsTheProposalWithTheSubstitutionCounted) {
  school.Settings.maxHoursPerDay = 0;
  for (TTeacherGridRec& g : school.TeacherGrids) g.special.maxHoursPerDay = 0;
  school.Settings.maxHoursPerDay = 1;
  DayRequest request = Request(kMonday, {{No("ALİ"), {}}, {No("CAN"), {}}});
  // BEN may take one hour, DEMET none (her three lessons fill 1 already).
  DayPlan plan = ProposeDay(school, {}, request);
  EXPECT_EQ(plan.Covered(), 1);
  EXPECT_EQ(plan.UncoveredCount(), 3);
  EXPECT_EQ(plan.rows[3].why, NoneFree::kTaken);
  DayRequest benAway = request;
  benAway.absences.push_back({No("BEN"), {}});
  const DayPlan none = ProposeDay(school, {}, benAway);
  EXPECT_EQ(none.rows[0].why, NoneFree::kDailyMax);  // DEMET is free at 1, at her maximum
  EXPECT_EQ(none.rows[1].why, NoneFree::kEveryoneBusy);
  school.Settings.maxHoursPerDay = 2;
  plan = ProposeDay(school, {}, request);
  EXPECT_EQ(plan.Covered(), 2);
  school.Settings.maxHoursPerDay = 4;
  plan = ProposeDay(school, {}, request);
  EXPECT_EQ(plan.Covered(), 4);
  ExpectValid(school, plan);
  // Saturday has no lessons.
  request.date = SchoolDate{2026, 12, 12};
  EXPECT_TRUE(ProposeDay(school, {}, request).rows.empty());
}

TEST_F(SmallDay, FreeTeachersLeaveOutThoseTheSavedPlanGivesTheHour) {
  SubstitutionRecord record;
  const int canNo = No("CAN");
  ReplaceDay(record, kMonday, {{kMonday, 1, 1, 1, No("ALİ"), canNo, "", "", "", ""}});
  const auto has = [](const std::vector<Candidate>& free, int teacher) {
    return std::any_of(free.begin(), free.end(),
                       [&](const Candidate& c) { return c.teacher == teacher; });
  };
  FreeQuery query{1, 1, kMonday, {}};
  EXPECT_FALSE(has(FreeTeachers(school, record, query), canNo));
  EXPECT_TRUE(has(FreeTeachers(school, record, query), No("BEN")));
  query.hour = 2;
  EXPECT_TRUE(has(FreeTeachers(school, record, query), canNo));
  EXPECT_FALSE(has(FreeTeachers(school, record, query), No("DEMET")));  // teaches at 2
  // The saved hour counts toward CAN's daily maximum, and toward his term.
  school.Settings.maxHoursPerDay = 1;
  school.TeacherGridByNo(canNo)->special.maxHoursPerDay = 1;
  EXPECT_FALSE(has(FreeTeachers(school, record, query), canNo));
  query.date.reset();
  const std::vector<Candidate> free = FreeTeachers(school, record, query);
  ASSERT_TRUE(has(free, canNo));
  EXPECT_EQ(free.back().teacher, canNo);  // one hour this term ranks him after BEN
  EXPECT_EQ(free.back().termCount, 1);
  query.weekday = 6;
  EXPECT_TRUE(FreeTeachers(school, record, query).empty());
}

// Term counts over 20 random school days: four subject teachers are away at random;
// the hours go to three groups of teachers, each group free at the same hours (no
// lessons at all; lessons at 1..2 every day; lessons at 5..6 every day), weights 1, 1
// and 2 in each group.
TEST(TermFairnessTest, TwentyRandomDaysKeepEveryShareWithinOneOfItsGroupsMean) {
  SchoolBuilder b;
  const std::vector<std::string> subject = {"S1", "S2", "S3", "S4"};
  const std::vector<std::vector<std::string>> groups = {
      {"G1A", "G1B", "G1C"}, {"G2A", "G2B", "G2C"}, {"G3A", "G3B", "G3C"}};
  for (int c = 0; c < 4; ++c) {
    const std::string cls = std::to_string(9 + c);
    b.Class(cls, "A");
    b.Lesson("DERS" + cls, 30, "6+6+6+6+6").Teacher(subject[static_cast<std::size_t>(c)]).Teach();
    for (int day = 1; day <= 5; ++day) b.Place(cls + " A", "DERS" + cls, 6, day, 1);
  }
  for (const auto& g : groups)
    for (const std::string& t : g) b.Teacher(t);
  for (int k = 0; k < 3; ++k) {
    const std::string cls = std::to_string(k + 1);
    b.Class(cls, "B").Hours(1, 6);
    b.Lesson("EK" + cls + "1", 10, "2+2+2+2+2")
        .Teach(groups[1][static_cast<std::size_t>(k)], cls + " B", "EK" + cls + "1");
    b.Lesson("EK" + cls + "2", 10, "2+2+2+2+2")
        .Teach(groups[2][static_cast<std::size_t>(k)], cls + " B", "EK" + cls + "2");
    for (int day = 1; day <= 5; ++day) {
      b.Place(cls + " B", "EK" + cls + "1", 2, day, 1);
      b.Place(cls + " B", "EK" + cls + "2", 2, day, 5);
    }
  }
  const School school = b.Build();
  std::array<int, 256> weights{};
  weights.fill(1);
  for (const auto& g : groups) weights[static_cast<std::size_t>(b.TeacherNo(g[2]))] = 2;

  std::mt19937 rng(7);
  SubstitutionRecord record;
  // Twenty school days from Monday 14 September: four weeks of five.
  for (int schoolDay = 0; schoolDay < 20; ++schoolDay) {
    const int dayOfSeptember = 14 + schoolDay / 5 * 7 + schoolDay % 5;
    const SchoolDate date = dayOfSeptember <= 30 ? SchoolDate{2026, 9, dayOfSeptember}
                                                 : SchoolDate{2026, 10, dayOfSeptember - 30};
    ASSERT_LE(WeekdayOf(date), 5);
    DayRequest request = Request(date, {});
    request.weights = weights;
    for (const std::string& s : subject)
      if (rng() % 3 == 0) {
        std::vector<int> hours;
        if (rng() % 2 == 0)
          for (int h = 1; h <= 6; ++h)
            if (rng() % 2 == 0) hours.push_back(h);
        request.absences.push_back({b.TeacherNo(s), hours});
      }
    const DayPlan plan = ProposeDay(school, record, request);
    EXPECT_EQ(plan.UncoveredCount(), 0);
    ReplaceDay(record, date, PlanEntries(school, plan));
  }
  const std::array<int, 256> counts = TermCounts(record);
  int total = 0;
  for (const auto& g : groups) {
    double mean = 0;
    for (const std::string& t : g) {
      const auto n = static_cast<std::size_t>(b.TeacherNo(t));
      mean += static_cast<double>(counts[n]) / weights[n] / static_cast<double>(g.size());
      total += counts[n];
    }
    for (const std::string& t : g) {
      const auto n = static_cast<std::size_t>(b.TeacherNo(t));
      EXPECT_LE(std::abs(static_cast<double>(counts[n]) / weights[n] - mean), 1.0) << t;
    }
  }
  EXPECT_GT(total, 40);  // enough hours were given for the spread to mean something
}

}  // namespace
}  // namespace kalvodrin
