// Plans on the bundled sample school once its timetable is placed (a copy scheduled
// with kalvodrin-cli): random school days with random absences.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

#include "core/cells.h"
#include "core/storage.h"
#include "day_request.h"
#include "fault_runs.h"
#include "scheduled_sample.h"
#include "substitution/day_plan.h"
#include "substitution/plan_texts.h"

namespace kalvodrin {
namespace {

class PlacedSample : public testing::ScheduledSampleTest {
 protected:
  void SetUp() override {
    school_ = testing::NewSchool(Folder());
    ASSERT_TRUE(LoadSchool(*school_).ok());
  }

  std::unique_ptr<School> school_;
};

// The weekday's date in the week of Monday 7 December 2026.
SchoolDate DateOf(int weekday) { return {2026, 12, 6 + weekday}; }

TEST_F(PlacedSample, RandomDaysProposeNobodyWhoTeachesIsClosedOrPastTheMaximum) {
  const School& school = *school_;
  std::mt19937 rng(28);
  SubstitutionRecord record;
  int rows = 0, covered = 0;
  for (int trial = 0; trial < 20; ++trial) {
    const int weekday = 1 + static_cast<int>(rng() % 5);
    DayRequest request = Request(DateOf(weekday), {});
    for (const TTeacherRec& t : school.Teachers)
      if (rng() % 6 == 0) request.absences.push_back({t.number, {}});
    const DayPlan plan = ProposeDay(school, record, request);
    std::map<int, int> taken;
    for (const PlanRow& row : plan.rows) {
      ++rows;
      if (row.substitute == 0) continue;
      ++covered;
      const auto cell = static_cast<std::size_t>(CellIndex(weekday, row.lesson.hour) - 1);
      const TTeacherGridRec& g = *school.TeacherGridByNo(row.substitute);
      EXPECT_EQ(g.occupant[cell], 0);
      EXPECT_NE(g.open[cell], 0);
      EXPECT_FALSE(IsAbsent(request.absences, row.substitute, row.lesson.hour));
      ++taken[row.substitute];
    }
    for (const auto& [teacher, n] : taken)
      EXPECT_LE(LessonsOn(school, teacher, weekday) + n, DailyMaximum(school, teacher));
    ReplaceDay(record, plan.date, PlanEntries(school, plan));
  }
  EXPECT_GT(rows, 50);
  EXPECT_GT(covered, rows / 2);
}

TEST_F(PlacedSample, TheTeacherOnDutyComesFirstWhenFree) {
  const School& school = *school_;
  ASSERT_FALSE(school.Duties.empty());
  int checked = 0;
  for (const TDutyRec& duty : school.Duties) {
    if (duty.day > 5) continue;
    // Any hour the duty teacher is free and open, with the teacher of another lesson then
    // away.
    for (int hour = 1; hour <= 8; ++hour) {
      const auto cell = static_cast<std::size_t>(CellIndex(duty.day, hour) - 1);
      const TTeacherGridRec* g = school.TeacherGridByNo(duty.teacher);
      if (g == nullptr || g->occupant[cell] != 0 || g->open[cell] == 0) continue;
      for (const TTeacherGridRec& other : school.TeacherGrids) {
        if (other.occupant[cell] == 0) continue;
        DayRequest request = Request(DateOf(duty.day), {{other.teacher, {hour}}});
        const DayPlan plan = ProposeDay(school, {}, request);
        ASSERT_FALSE(plan.rows.empty());
        const PlanRow& row = plan.rows.front();
        if (!row.NeedsSubstitute()) continue;
        ASSERT_FALSE(row.candidates.empty());
        // The day may have several teachers on duty: one of them heads the list.
        const auto onDutyThen = [&](int teacher) {
          return std::any_of(school.Duties.begin(), school.Duties.end(), [&](const TDutyRec& d) {
            return d.teacher == teacher && d.day == duty.day;
          });
        };
        EXPECT_TRUE(row.candidates.front().onDuty);
        EXPECT_TRUE(onDutyThen(row.candidates.front().teacher));
        // With no hours given this term, a teacher on duty also gets the hour.
        EXPECT_TRUE(onDutyThen(row.substitute));
        ++checked;
        break;
      }
    }
  }
  EXPECT_GT(checked, 3);
}

// Whether some class has a lesson hour then: the hours a substitute can be asked for.
bool SchoolHour(const School& school, int weekday, int hour) {
  return std::any_of(school.ClassGrids.begin(), school.ClassGrids.end(), [&](const auto& c) {
    const auto d = static_cast<std::size_t>(weekday - 1);
    return c.firstHour[d] <= hour && hour <= c.lastHour[d];
  });
}

// How much a teacher could have been asked over the term: the school hours of every
// day of it at which the teacher was free (no lesson, cell open, not away), and the
// daily maximum those hours were bounded by.
std::pair<int, int> FreeHoursOfTerm(const School& school, int teacher,
                                    const std::vector<DayRequest>& days) {
  const TTeacherGridRec& g = *school.TeacherGridByNo(teacher);
  int free = 0;
  for (const DayRequest& d : days) {
    const int weekday = WeekdayOf(d.date);
    for (int hour = 1; hour <= kHoursPerDay; ++hour) {
      const auto cell = static_cast<std::size_t>(CellIndex(weekday, hour) - 1);
      if (SchoolHour(school, weekday, hour) && g.occupant[cell] == 0 && g.open[cell] != 0 &&
          !IsAbsent(d.absences, teacher, hour))
        ++free;
    }
  }
  return {free, DailyMaximum(school, teacher)};
}

// Twenty school days of four weeks with two or three teachers away each day (some for
// a few hours), a third of the staff at weight 2: among teachers who were free for as
// many school hours of the term under the same daily maximum, every term count
// divided by its weight stays within one of their mean. (No two teachers of the
// sample are free at exactly the same hours; the built school of proposal_test.cpp
// holds that stricter case.)
TEST_F(PlacedSample, TwentyRandomDaysKeepEveryWeightedShareWithinOneOfItsPeers) {
  const School& school = *school_;
  std::mt19937 rng(2028);
  std::array<int, 256> weights = DayRequest::AllWeights(1);
  for (const TTeacherRec& t : school.Teachers)
    if (t.number % 3 == 0) weights[t.number] = 2;
  SubstitutionRecord record;
  std::vector<DayRequest> days;
  for (int schoolDay = 0; schoolDay < 20; ++schoolDay) {
    DayRequest request = Request({2027, 2, 1 + schoolDay / 5 * 7 + schoolDay % 5}, {});
    ASSERT_EQ(WeekdayOf(request.date), 1 + schoolDay % 5);
    request.weights = weights;
    const int away = 2 + static_cast<int>(rng() % 2);
    for (int k = 0; k < away; ++k) {
      const TTeacherRec& t = school.Teachers[rng() % school.Teachers.size()];
      std::vector<int> hours;
      if (rng() % 3 == 0)
        for (int h = 1; h <= 8; ++h)
          if (rng() % 2 == 0) hours.push_back(h);
      request.absences.push_back({t.number, hours});
    }
    const DayPlan plan = ProposeDay(school, record, request);
    ReplaceDay(record, request.date, PlanEntries(school, plan));
    days.push_back(std::move(request));
  }
  const std::array<int, 256> counts = TermCounts(record);
  std::map<std::pair<int, int>, std::vector<int>> peers;
  for (const TTeacherRec& t : school.Teachers)
    peers[FreeHoursOfTerm(school, t.number, days)].push_back(t.number);
  int compared = 0, hours = 0;
  for (const auto& [key, group] : peers) {
    if (group.size() < 2) continue;
    double mean = 0;
    for (int t : group) mean += static_cast<double>(counts[t]) / weights[t] / group.size();
    for (int t : group) {
      EXPECT_LE(std::abs(static_cast<double>(counts[t]) / weights[t] - mean), 1.0)
          << TeacherNameOf(school, t);
      ++compared;
      hours += counts[t];
    }
  }
  // Most of the staff has peers, and enough hours were given for the spread to tell.
  EXPECT_GE(compared, 25);
  EXPECT_GE(hours, 60);
}

TEST_F(PlacedSample, TheCommandLineWritesNothingUntilToldToSave) {
  const testing::TempFolder temp;
  const std::filesystem::path copy = temp / "okul";
  std::filesystem::copy(Folder(), copy);
  const std::string folder = " --folder " + Quoted(copy);
  const testing::FolderImage before = testing::ImageOf(copy);
  const std::string day = " --date 2026-12-09 --absent 1 --absent 2,3:1-3";

  const CliRun table = Cli(temp, "substitute" + day + folder);
  ASSERT_EQ(table.code, 0) << table.err;
  EXPECT_NE(table.out.find("ÇARŞAMBA"), std::string::npos);
  EXPECT_NE(table.out.find("GÖREVLENDİRİLEN = "), std::string::npos);
  const CliRun json = Cli(temp, "substitute --json" + day + folder);
  ASSERT_EQ(json.code, 0);
  EXPECT_NE(json.out.find("\"candidates\""), std::string::npos);
  for (const std::string bad :
       {" --date 2026-02-30 --absent 1", " --date 2026-12-09 --absent YOK",
        " --date 2026-12-09 --absent 1:0-2", " --date 2026-12-12 --absent 1"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(Cli(temp, "substitute --save" + bad + folder).code, 1);
  }
  EXPECT_EQ(Cli(temp, "free --day 3 --hour 2" + folder).code, 0);
  EXPECT_EQ(testing::Differences(testing::ImageOf(copy), before), "");

  ASSERT_EQ(Cli(temp, "substitute --save" + day + folder).code, 0);
  SubstitutionRecord record;
  LocalFileSystem disk;
  ASSERT_TRUE(LoadSubstitutionRecord(copy, disk, record).ok());
  DayRequest request = Request({2026, 12, 9}, {{1, {}}, {2, {1, 2, 3}}, {3, {1, 2, 3}}});
  const DayPlan plan = ProposeDay(*school_, {}, request);
  EXPECT_EQ(record.entries.size(), static_cast<std::size_t>(plan.Covered()));
  EXPECT_GT(plan.Covered(), 0);

  // The saved plan's teachers are no longer free at their hours that date.
  const CliRun free = Cli(temp, "free --date 2026-12-09 --hour " +
                                    std::to_string(record.entries.front().hour) + folder);
  ASSERT_EQ(free.code, 0);
  EXPECT_EQ(free.out.find(record.entries.front().substituteName), std::string::npos);
}

}  // namespace
}  // namespace kalvodrin
