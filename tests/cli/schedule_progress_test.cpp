// The schedule command's progress on stderr: the bar stays within its ends whatever
// the counts say, a log gets a line per level change at most every few seconds, and
// a skipped lesson is said by name.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/schedule_progress.h"
#include "core/turkish_text.h"
#include "scheduler/run_state.h"

namespace kalvodrin::cli {
namespace {

std::size_t Lines(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(ScheduleProgressBar, StaysWithinItsEnds) {
  EXPECT_EQ(ScheduleProgress::Bar(0, 10, 4), "[....]");
  EXPECT_EQ(ScheduleProgress::Bar(5, 10, 4), "[##..]");
  EXPECT_EQ(ScheduleProgress::Bar(10, 10, 4), "[####]");
  EXPECT_EQ(ScheduleProgress::Bar(0, 0, 4), "[####]");
  // Damaged counts: more placed than there is to place, or fewer than none.
  EXPECT_EQ(ScheduleProgress::Bar(11, 10, 4), "[####]");
  EXPECT_EQ(ScheduleProgress::Bar(-3, 10, 4), "[....]");
}

TEST(ScheduleProgressLog, FewLinesAndNoRedraws) {
  School school;
  std::ostringstream out;
  ScheduleProgress progress(school, out, false, RunTimeLimits(0, 0));
  RunProgress p;
  p.started = std::chrono::steady_clock::now();
  p.total = 10;
  for (int step = 0; step < 10000; ++step) {
    p.searchLevel = 1 + step % 8;
    p.placed = step % 11;
    progress.OnProgress(p);
    EXPECT_EQ(progress.OnSearchStep(p), kNoStop);
  }
  progress.Finish();
  EXPECT_EQ(Lines(out.str()), 2u);  // the first level change and the last state
  EXPECT_EQ(out.str().find('\r'), std::string::npos);
}

TEST(ScheduleProgressLog, SaysWhichLessonWasSkipped) {
  School school;
  TLessonRec lesson{};
  lesson.number = 4;
  lesson.name.assign(*Utf8ToCp1254("MATEMATİK"));
  school.Lessons.push_back(lesson);
  school.ReindexLessons();
  std::ostringstream out;
  ScheduleProgress progress(school, out, false, RunTimeLimits(1e-9, 0));
  RunProgress p;
  p.lesson = 4;
  p.lessonAttempts = 1;
  int key = kNoStop;
  for (int step = 0; step < 256 && key == kNoStop; ++step) key = progress.OnSearchStep(p);
  EXPECT_EQ(key, kSkipLesson);
  EXPECT_NE(out.str().find("Ders atlandı: MATEMATİK"), std::string::npos) << out.str();
}

// With the completion after the run, the run is stopped once it stalls and a line says
// so, at the step the budget names however fast the machine; without it, never.
TEST(ScheduleProgressLog, HandsOverAtTheStallOnlyWhenGivenABudget) {
  School school;
  std::ostringstream out;
  ScheduleProgress handing(school, out, false, RunTimeLimits(0, 0), HandOverBudget{100, 0});
  ScheduleProgress keeping(school, out, false, RunTimeLimits(0, 0));
  RunProgress p;
  p.started = std::chrono::steady_clock::now();
  for (p.searchSteps = 1; p.searchSteps < 100; ++p.searchSteps) {
    ASSERT_EQ(handing.OnSearchStep(p), kNoStop) << p.searchSteps;
    ASSERT_EQ(keeping.OnSearchStep(p), kNoStop);
  }
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(handing.OnSearchStep(p), kStopRun);
  EXPECT_EQ(keeping.OnSearchStep(p), kNoStop);
  EXPECT_EQ(out.str().rfind("Dağıtım ilerlemiyor: kalanlar tamamlama aramasına bırakıldı", 0), 0u)
      << out.str();
}

}  // namespace
}  // namespace kalvodrin::cli
