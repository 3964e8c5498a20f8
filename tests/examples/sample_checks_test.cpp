// The checks the sample tests rely on must notice broken schools, or a generator
// fault would pass unseen.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "generator/sample_school.h"
#include "sample_checks.h"

namespace kalvodrin::testing {
namespace {

// EXPECT_NONFATAL_FAILURE admits no local variables in its statement.
School* broken = nullptr;

class BrokenSchoolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    school_ = std::make_unique<School>();
    BuildSampleSchool(*school_);
    broken = school_.get();
  }
  void TearDown() override { broken = nullptr; }
  School& school() { return *school_; }

 private:
  std::unique_ptr<School> school_;
};

TEST_F(BrokenSchoolTest, UnsortedClassLessonsAreNoticed) {
  std::swap(school().ClassLessons[0], school().ClassLessons[1]);
  school().ReindexClassLessons();
  EXPECT_NONFATAL_FAILURE(ExpectConsistent(*broken), "lessons unsorted");
}

TEST_F(BrokenSchoolTest, TeacherListWithoutTeacherLessonIsNoticed) {
  school().TeacherLessons.erase(school().TeacherLessons.begin());
  EXPECT_NONFATAL_FAILURE(ExpectConsistent(*broken), "without a teacher lesson");
}

TEST_F(BrokenSchoolTest, CommonMemberNotPointingBackIsNoticed) {
  const TCommonGroupRec& g = school().CommonGroups.front();
  school().ClassLessonAt(g.classes[1], g.lessons[1])->commonGroup = 0;
  EXPECT_NONFATAL_FAILURE(ExpectConsistent(*broken), "does not point back");
}

TEST_F(BrokenSchoolTest, OverfullClassAndTeacherAreNoticed) {
  // 12-F, a morning class of 40 hours without a shared lesson, down to 8 hours a day.
  school().ClassGrids.back().lastHour.fill(8);
  school().ClassGrids.back().freeHours.fill(8);
  EXPECT_NONFATAL_FAILURE(ExpectFeasible(*broken), "no room to spare");
  BuildSampleSchool(school());
  for (int day = 2; day <= 5; ++day)
    for (int h = 1; h <= 16; ++h)
      school().TeacherGrids.front().open[static_cast<std::size_t>((day - 1) * 16 + h - 1)] = 0;
  EXPECT_NONFATAL_FAILURE(ExpectFeasible(*broken), "teacher 1:");
}

}  // namespace
}  // namespace kalvodrin::testing
