// Generated schools: the size asked for, the same school for the same seed, and sound
// at every size the benchmarks use.

#include <gtest/gtest.h>

#include <memory>

#include "core/damage_check.h"
#include "core/grid_records.h"
#include "engine/consistency.h"
#include "generator/sample_school.h"
#include "sample_checks.h"

namespace kalvodrin::testing {
namespace {

std::unique_ptr<School> Generated(int classes, uint32_t seed) {
  auto school = std::make_unique<School>();
  BuildGeneratedSchool(*school, classes, seed);
  return school;
}

TEST(GeneratedSchoolTest, IsSizedAsAskedAndSoundAtEverySize) {
  for (int classes : {1, 2, 5, 10, 20, 40, 80, kMaxGeneratedClasses}) {
    SCOPED_TRACE("classes " + std::to_string(classes));
    const auto school = Generated(classes, 11);
    const Figures f = FiguresOf(*school);
    EXPECT_EQ(f.classes, classes);
    EXPECT_LE(f.teachers, 255);
    EXPECT_GE(f.teachers, classes);  // every class has its own class teacher
    for (int load : f.teacherLoads) {
      EXPECT_GT(load, 0);
      EXPECT_LE(load, 26);
    }
    ExpectConsistent(*school);
    ExpectFeasible(*school);
    // The program's own checks agree.
    EXPECT_TRUE(CheckConsistency(*school).empty());
    EXPECT_TRUE(FindDamage(*school, TailBytes{}).empty());
  }
}

TEST(GeneratedSchoolTest, TeachersGrowWithClasses) {
  const int t20 = FiguresOf(*Generated(20, 3)).teachers;
  const int t40 = FiguresOf(*Generated(40, 3)).teachers;
  const int t80 = FiguresOf(*Generated(80, 3)).teachers;
  EXPECT_LT(t20, t40);
  EXPECT_LT(t40, t80);
  EXPECT_GE(t80, 140);
}

TEST(GeneratedSchoolTest, SizeOutsideTheRangeIsClamped) {
  EXPECT_EQ(Generated(0, 1)->Classes.size(), 1u);
  EXPECT_EQ(Generated(-5, 1)->Classes.size(), 1u);
  EXPECT_EQ(Generated(1000, 1)->Classes.size(), static_cast<std::size_t>(kMaxGeneratedClasses));
}

TEST(GeneratedSchoolTest, SameSeedGivesTheSameBytes) {
  for (uint32_t seed : {1u, 42u, 4000000000u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    ExpectSameImages(FileImages(*Generated(40, seed)), FileImages(*Generated(40, seed)));
  }
  EXPECT_FALSE(FileImages(*Generated(40, 1)) == FileImages(*Generated(40, 2)));
}

// A generated school varies with its seed in the choices a school makes, and still
// has common lessons, shared lessons and closed days at benchmark sizes.
TEST(GeneratedSchoolTest, SeedsVaryTheSchoolsChoices) {
  for (uint32_t seed = 1; seed <= 5; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const Figures f = FiguresOf(*Generated(80, seed));
    EXPECT_GE(f.commonGroups, 1);
    EXPECT_GE(f.twoTeacherLessons, 1);
    EXPECT_GE(f.closedDayTeachers, 1);
    EXPECT_EQ(f.afternoonClasses, 20);
  }
}

TEST(GeneratedSchoolTest, BuildingAgainReplacesThePreviousSchool) {
  auto school = Generated(80, 9);
  BuildGeneratedSchool(*school, 10, 9);
  ExpectSameImages(FileImages(*school), FileImages(*Generated(10, 9)));
  BuildSampleSchool(*school);
  EXPECT_EQ(school->Classes.size(), 24u);
  ExpectConsistent(*school);
}

}  // namespace
}  // namespace kalvodrin::testing
