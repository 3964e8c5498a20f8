// The checks the sample tests rely on must notice broken schools, or a generator
// fault would pass unseen.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "generator/sample_school.h"
#include "sample_checks.h"

namespace kalvodrin::testing {
namespace {

// True when running the check records a failure whose message holds `text`.
bool Notices(const std::function<void()>& check, const std::string& text) {
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    check();
  }
  for (int i = 0; i < results.size(); ++i)
    if (std::string(results.GetTestPartResult(i).message()).find(text) != std::string::npos)
      return true;
  return false;
}

class BrokenSchoolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    school_ = std::make_unique<School>();
    BuildSampleSchool(*school_);
  }
  School& school() { return *school_; }
  bool ConsistencyNotices(const std::string& text) {
    return Notices([this] { ExpectConsistent(*school_); }, text);
  }
  bool FeasibilityNotices(const std::string& text) {
    return Notices([this] { ExpectFeasible(*school_); }, text);
  }

 private:
  std::unique_ptr<School> school_;
};

TEST_F(BrokenSchoolTest, SoundSchoolPassesEveryCheck) {
  EXPECT_FALSE(ConsistencyNotices(""));
  EXPECT_FALSE(FeasibilityNotices(""));
}

TEST_F(BrokenSchoolTest, UnsortedClassLessonsAreNoticed) {
  std::swap(school().ClassLessons[0], school().ClassLessons[1]);
  school().ReindexClassLessons();
  EXPECT_TRUE(ConsistencyNotices("lessons unsorted"));
}

TEST_F(BrokenSchoolTest, TeacherListWithoutTeacherLessonIsNoticed) {
  school().TeacherLessons.erase(school().TeacherLessons.begin());
  EXPECT_TRUE(ConsistencyNotices("without a teacher lesson"));
}

TEST_F(BrokenSchoolTest, CommonMemberNotPointingBackIsNoticed) {
  const TCommonGroupRec& g = school().CommonGroups.front();
  school().ClassLessonAt(g.classes[1], g.lessons[1])->commonGroup = 0;
  EXPECT_TRUE(ConsistencyNotices("does not point back"));
}

TEST_F(BrokenSchoolTest, StaleTeacherTotalIsNoticed) {
  school().TeacherGrids.front().weeklyHours = 0;
  EXPECT_TRUE(ConsistencyNotices("teacher 1"));
}

TEST_F(BrokenSchoolTest, DutyCounterOutOfStepIsNoticed) {
  ++school().DutyPlaces.front().perDay[0];
  EXPECT_TRUE(ConsistencyNotices("day 1"));
}

TEST_F(BrokenSchoolTest, OverfullClassIsNoticed) {
  // 12-F, a morning class of 40 hours, down to 8 hours a day.
  school().ClassGrids.back().lastHour.fill(8);
  EXPECT_TRUE(FeasibilityNotices("no room to spare"));
}

TEST_F(BrokenSchoolTest, TeacherWithTooFewOpenCellsIsNoticed) {
  for (std::size_t k = 16; k < 80; ++k) school().TeacherGrids.front().open[k] = 0;
  EXPECT_TRUE(FeasibilityNotices("teacher 1:"));
}

}  // namespace
}  // namespace kalvodrin::testing
