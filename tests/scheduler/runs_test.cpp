// Whole-school, single-teacher and targeted runs on small schools: what they place,
// in which order, how stop and skip act, and that every run leaves the timetables
// consistent and the stored settings as they were.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "core/ordering.h"
#include "scheduler/placement_run.h"
#include "scheduler/unplaced_report.h"
#include "test_school.h"

namespace kalvodrin {
namespace {

bool SameSettings(const TSettingsRec& a, const TSettingsRec& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Three classes, four teachers: blocks of 3, 2 and 1, a lesson given by two teachers,
// a common lesson of classes 1 and 2, a lab.
TestSchool SmallSchool() {
  TestSchool t;
  t.Lesson(1, 5, {2,2, 1}).Lesson(2, 4, {2, 2}).Lesson(3, 3, {3}).Lesson(4, 2, {1, 1});
  t.Lesson(5, 2, {2});
  for (int c = 1; c <= 3; ++c) t.Class(c);
  for (int n = 1; n <= 4; ++n) t.Teacher(n);
  t.Room(1);
  for (int c = 1; c <= 3; ++c) {
    t.Give(c, 1, {1}).Give(c, 2, {2}, {1}).Give(c, 4, {4});
  }
  t.Give(1, 3, {3, 4}).Give(2, 3, {3}).Give(3, 3, {3});
  t.Give(1, 5, {}).Give(2, 5, {}).Common(5, 1, 2).Give(1, 5, {4});
  t.Done();
  return t;
}

// Records what the run reports and answers with a key chosen by the test.
class ScriptedObserver : public RunObserver {
 public:
  int OnSearchStep(const RunProgress& p) override {
    ++steps;
    return key ? key(p) : 0;
  }
  void OnProgress(const RunProgress& p) override {
    if (p.placed > lastPlaced) placements.push_back(p.placed - lastPlaced);
    lastPlaced = p.placed;
  }
  std::function<int(const RunProgress&)> key;
  std::vector<int> placements;  // hours added by each placement, in order
  int lastPlaced = 0;
  long steps = 0;
};

TEST(WholeSchoolRun, PlacesASmallSchoolAndRestoresSettingsAndOrder) {
  TestSchool t = SmallSchool();
  std::swap(t.school.Teachers[0], t.school.Teachers[3]);
  SortTeachers(t.school);
  const TSettingsRec stored = t.school.Settings;
  PlacementRun run(t.school);
  const RunOutcome outcome = run.RunWholeSchool();
  EXPECT_FALSE(outcome.refused.has_value());
  EXPECT_EQ(outcome.notice, "Tebrikler dersleri yerleştirdiniz.");
  EXPECT_EQ(outcome.placed, outcome.total);
  EXPECT_EQ(CountTotals(t.school).placed, outcome.placed);
  EXPECT_EQ(BuildUnplacedReport(t.school).total, 0);
  EXPECT_EQ(Problems(t.school), "");
  EXPECT_TRUE(SameSettings(t.school.Settings, stored));
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(t.school.Teachers[n - 1].number, n);
  // The common lesson stands at the same hours in both classes.
  for (int cell = 0; cell < kCells; ++cell)
    EXPECT_EQ(t.C(1).occupant[cell] == 5, t.C(2).occupant[cell] == 5);
}

TEST(WholeSchoolRun, LongerBlocksOfEveryTeacherComeFirst) {
  TestSchool t;
  t.Lesson(1, 3, {2, 1}).Lesson(2, 3, {2, 1}).Class(1).Class(2).Teacher(1).Teacher(2);
  t.Give(1, 1, {1}).Give(2, 2, {2}).Done();
  ScriptedObserver observer;
  PlacementRun run(t.school, &observer);
  EXPECT_EQ(run.RunWholeSchool().unplaced(), 0);
  EXPECT_EQ(observer.placements, (std::vector<int>{2, 2, 1, 1}));
}

TEST(WholeSchoolRun, StopEndsTheRunAndLeavesEverythingConsistent) {
  TestSchool t = SmallSchool();
  const TSettingsRec stored = t.school.Settings;
  ScriptedObserver observer;
  observer.key = [&observer](const RunProgress&) { return observer.steps >= 6 ? 27 : 0; };
  PlacementRun run(t.school, &observer);
  const RunOutcome outcome = run.RunWholeSchool();
  EXPECT_TRUE(outcome.stopped);
  EXPECT_GT(outcome.unplaced(), 0);
  EXPECT_EQ(outcome.notice,
            "Yerleşmeyen " + std::to_string(outcome.unplaced()) + " öğretmen saati kaldı.");
  EXPECT_EQ(CountTotals(t.school).placed, outcome.placed);
  EXPECT_EQ(Problems(t.school), "");
  EXPECT_TRUE(SameSettings(t.school.Settings, stored));
  // Nothing is searched once the stop is seen.
  EXPECT_LT(observer.steps, 12);
}

TEST(WholeSchoolRun, SkipAbandonsOnlyTheCurrentLesson) {
  TestSchool t = SmallSchool();
  ScriptedObserver observer;
  observer.key = [](const RunProgress& p) { return p.lesson == 3 ? 13 : 0; };
  PlacementRun run(t.school, &observer);
  const RunOutcome outcome = run.RunWholeSchool();
  EXPECT_FALSE(outcome.stopped);
  EXPECT_EQ(outcome.unplaced(), 3 * 3 + 3);  // lesson 3 in three classes, 1 co-taught
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(PlacedHours(t.school, c, 3), 0);
    for (int lesson : {1, 2, 4}) EXPECT_EQ(PlacedHours(t.school, c, lesson),
                                           t.school.LessonByNo(lesson)->weeklyHours);
  }
  EXPECT_EQ(Problems(t.school), "");
}

TEST(WholeSchoolRun, TwoRunsOfTheSameSchoolGiveTheSameTimetables) {
  TestSchool a = SmallSchool();
  TestSchool b = SmallSchool();
  PlacementRun(a.school).RunWholeSchool();
  PlacementRun(b.school).RunWholeSchool();
  ASSERT_EQ(a.school.TeacherGrids.size(), b.school.TeacherGrids.size());
  for (std::size_t i = 0; i < a.school.TeacherGrids.size(); ++i)
    EXPECT_EQ(std::memcmp(&a.school.TeacherGrids[i], &b.school.TeacherGrids[i],
                          sizeof(TTeacherGridRec)), 0);
  for (std::size_t i = 0; i < a.school.ClassGrids.size(); ++i)
    EXPECT_EQ(std::memcmp(&a.school.ClassGrids[i], &b.school.ClassGrids[i],
                          sizeof(TClassGridRec)), 0);
}

TEST(WholeSchoolRun, ClassCheckRefusesAndChangesNothing) {
  TestSchool t = SmallSchool();
  t.C(2).open.fill(0);
  const std::vector<TTeacherGridRec> teachers = t.school.TeacherGrids;
  PlacementRun run(t.school);
  const RunOutcome outcome = run.RunWholeSchool();
  ASSERT_TRUE(outcome.refused.has_value());
  EXPECT_EQ(outcome.refused->classNo, 2);
  EXPECT_EQ(outcome.notice,
            "2 A! sınıfında fazla alan kapatılmış. Bu sınıfta bazı alanları açın.");
  for (std::size_t i = 0; i < teachers.size(); ++i)
    EXPECT_EQ(std::memcmp(&teachers[i], &t.school.TeacherGrids[i], sizeof teachers[i]), 0);
}

TEST(WholeSchoolRun, GuidanceHourAtItsCellClosedAndAlignmentKept) {
  TestSchool t = SmallSchool();
  // Each class's guidance is given by its own teacher, 4 + class.
  t.Lesson(6, 1, {1}).Class(4, 5, 12).Give(4, 4, {4});
  for (int c = 1; c <= 4; ++c) t.Teacher(4 + c).Give(c, 6, {4 + c});
  t.Done();
  // Class 3 already has its guidance hour elsewhere.
  ASSERT_TRUE(t.Put(3, 6, 1, 2, 6));
  TSettingsRec& s = t.school.Settings;
  s.guidanceLesson = 6;
  s.guidanceDayMorning = 5;
  s.guidanceHourMorning = 6;
  s.guidanceDayAfternoon = 1;
  s.guidanceHourAfternoon = 5;
  s.alignedBlocks = 1;
  PlacementRun run(t.school);
  run.RunWholeSchool();
  const auto cell = [](int day, int hour) { return CellIndex(day, hour) - 1; };
  EXPECT_EQ(t.At(1, 5, 6), 6);
  EXPECT_EQ(t.At(2, 5, 6), 6);
  EXPECT_EQ(t.At(3, 5, 6), 0);
  EXPECT_EQ(t.At(3, 2, 6), 6);
  EXPECT_EQ(t.At(4, 1, 5), 6);  // afternoon class: its own guidance hour
  EXPECT_EQ(t.C(1).open[cell(5, 6)], 0);
  EXPECT_EQ(t.T(5).open[cell(5, 6)], 0);
  EXPECT_EQ(t.C(3).open[cell(2, 6)], 1);
  // Class 4 ends at 12 and the others at 6, so even blocks start at odd hours only,
  // the fixed guidance cells notwithstanding.
  EXPECT_EQ(run.state().blockAlign, 1);
  for (const TClassGridRec& g : t.school.ClassGrids) {
    for (int c = 0; c < kCells; ++c) {
      if (g.occupant[c] != 0 && g.blockStart[c] == c + 1 && g.blockLen[c] % 2 == 0) {
        EXPECT_EQ(HourOfCell(c + 1) % 2, 1) << "class " << int{g.classNo} << " cell " << c + 1;
      }
    }
  }
  EXPECT_EQ(Problems(t.school), "");
}

TEST(TeacherRun, PlacesOneTeacherAndReportsTheWholeSchool) {
  TestSchool t = SmallSchool();
  const TSettingsRec stored = t.school.Settings;
  PlacementRun run(t.school);
  const RunOutcome outcome = run.RunForTeacher(1);
  for (int c = 1; c <= 3; ++c) EXPECT_EQ(PlacedHours(t.school, c, 1), 5);
  EXPECT_EQ(PlacedHours(t.school, 1, 2), 0);
  EXPECT_EQ(outcome.unplaced(), outcome.total - 15);
  EXPECT_EQ(outcome.notice,
            "Yerleşmeyen " + std::to_string(outcome.total - 15) + " öğretmen saati kaldı.");
  EXPECT_EQ(Problems(t.school), "");
  EXPECT_TRUE(SameSettings(t.school.Settings, stored));
}

TEST(TargetedRun, PlacesAtTheChosenCellOrNowhere) {
  // A school that has never been run: the run prepares the teacher itself.
  TestSchool t = SmallSchool();
  t.school.Settings.alignedBlocks = 1;
  PlacementRun run(t.school);
  run.RunAtCell(2, 1, 2, CellIndex(3, 4));
  EXPECT_EQ(t.At(1, 3, 4), 2);
  EXPECT_EQ(t.At(1, 3, 5), 2);
  EXPECT_EQ(PlacedHours(t.school, 1, 2), 2);
  EXPECT_EQ(run.state().blockAlign, 0);  // the user chose the cell
  // The last hour of the day cannot start a 2-hour block.
  const RunOutcome outcome = PlacementRun(t.school).RunAtCell(1, 1, 1, CellIndex(2, 6));
  EXPECT_EQ(PlacedHours(t.school, 1, 1), 0);
  EXPECT_EQ(outcome.unplaced(), outcome.total - 2);
  EXPECT_EQ(Problems(t.school), "");
}

TEST(BadInput, UnschedulableSchoolsEndWithTheNoticeAndConsistentGrids) {
  // No class lesson has a pattern: no block sizes at all.
  TestSchool empty;
  empty.Lesson(1, 3, {1, 1, 1}).Class(1).Teacher(1).Give(1, 1, {1}).Done();
  empty.school.ClassLessonAt(1, 1)->pattern = {};
  EXPECT_EQ(PlacementRun(empty.school).RunWholeSchool().notice,
            "Yerleşmeyen 3 öğretmen saati kaldı.");
  // A pattern that does not add up to the weekly hours.
  TestSchool odd;
  odd.Lesson(1, 5, {2, 2, 1}).Class(1).Teacher(1).Give(1, 1, {1}).Done();
  odd.school.ClassLessonAt(1, 1)->pattern = {2, 0, 0, 0, 0};
  RunOutcome outcome = PlacementRun(odd.school).RunWholeSchool();
  EXPECT_EQ(outcome.placed, 2);
  EXPECT_EQ(Problems(odd.school), "");
  // A teacher with no open cell.
  TestSchool closed;
  closed.Lesson(1, 2, {1, 1}).Lesson(2, 2, {2}).Class(1).Teacher(1).Teacher(2);
  closed.Give(1, 1, {1}).Give(1, 2, {2}).Done();
  closed.T(1).open.fill(0);
  outcome = PlacementRun(closed.school).RunWholeSchool();
  EXPECT_EQ(outcome.notice, "Yerleşmeyen 2 öğretmen saati kaldı.");
  EXPECT_EQ(PlacedHours(closed.school, 1, 2), 2);
  EXPECT_EQ(Problems(closed.school), "");
  // A class lesson whose teacher list is empty although a teacher lesson names it.
  TestSchool orphan;
  orphan.Lesson(1, 2, {2}).Class(1).Teacher(1).Give(1, 1, {1}).Done();
  orphan.school.ClassLessonAt(1, 1)->teacherCount = 0;
  const std::string damage = Problems(orphan.school);
  outcome = PlacementRun(orphan.school).RunWholeSchool();
  EXPECT_EQ(outcome.notice, "Yerleşmeyen 2 öğretmen saati kaldı.");
  EXPECT_EQ(Problems(orphan.school), damage);
}

TEST(UnplacedReport, ListsEachTeacherOfASharedLessonAndTheTotal) {
  TestSchool t = SmallSchool();
  UnplacedReport report = BuildUnplacedReport(t.school);
  int sharedRows = 0;
  for (const UnplacedRow& row : report.rows)
    if (row.classNo == 1 && row.lesson == 3) ++sharedRows;
  EXPECT_EQ(sharedRows, 2);
  EXPECT_EQ(report.rows.front().teacherName, "OGRETMEN1");
  EXPECT_EQ(report.rows.front().classText, "1 A");
  EXPECT_EQ(report.total, CountTotals(t.school).toPlace + 2);  // common lesson twice
  PlacementRun(t.school).RunWholeSchool();
  report = BuildUnplacedReport(t.school);
  EXPECT_TRUE(report.rows.empty());
  EXPECT_EQ(report.total, 0);
}

TEST(ElapsedText, TwoDigitsEach) {
  EXPECT_EQ(ElapsedText(3725), "01:02:05");
  EXPECT_EQ(ElapsedText(0), "00:00:00");
  EXPECT_EQ(ElapsedText(59), "00:00:59");
  EXPECT_EQ(ElapsedText(36000 + 600), "10:10:00");
}

TEST(SkipCountdownText, TenthsRoundedUpWithADecimalComma) {
  EXPECT_EQ(SkipCountdownText(5), "5,0 sn");
  EXPECT_EQ(SkipCountdownText(4.21), "4,3 sn");
  EXPECT_EQ(SkipCountdownText(0.01), "0,1 sn");  // not yet used up
  EXPECT_EQ(SkipCountdownText(0), "0,0 sn");
  EXPECT_EQ(SkipCountdownText(-1), "0,0 sn");
  EXPECT_EQ(SkipCountdownText(12.5), "12,5 sn");
}

}  // namespace
}  // namespace kalvodrin
