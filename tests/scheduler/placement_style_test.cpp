// The placement style of one class lesson: when it can be stored and what it changes.

#include <gtest/gtest.h>

#include <cstring>

#include "core/pattern.h"
#include "scheduler/placement_style.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

class PlacementStyleTest : public ::testing::Test {
 protected:
  PlacementStyleTest() {
    b.Class("9", "A").Lesson("MATEMATİK", 5, "2+2+1").Class("10").Lesson("MATEMATİK", 5, "2+2+1");
    b.Lesson("PROJE", 31, "10+10+10+1").Lesson("STAJ", 40, "10+10+10+10");
    school = b.Build();
    a9 = b.ClassNo("9 A");
    math = b.LessonNo("MATEMATİK");
  }
  bool Storable(const char* divisible, const char* pattern) const {
    return PlacementStyleStorable(school, math, {divisible, pattern});
  }

  SchoolBuilder b;
  School school;
  int a9 = 0, math = 0;
};

TEST_F(PlacementStyleTest, ShowsTheClassLessonsOwnStyle) {
  school.ClassLessonAt(a9, math)->divisible = 1;
  const PlacementStyleView v = PlacementStyleOf(school, a9, math);
  EXPECT_EQ(v.className, "9 A");
  EXPECT_EQ(v.lessonName, "MATEMATİK");
  EXPECT_EQ(v.weeklyHours, 5);
  EXPECT_EQ(v.entry.divisible, "E");
  EXPECT_EQ(v.entry.pattern, "2+2+1");
  EXPECT_EQ(PlacementStyleOf(school, b.ClassNo("10"), math).className, "10");
  EXPECT_TRUE(v.found);
  EXPECT_FALSE(PlacementStyleOf(school, a9, 99).found);
}

TEST_F(PlacementStyleTest, StorableOnlyWithBothFieldsAndAPatternOfTheWeeklyHours) {
  EXPECT_TRUE(Storable("E", "5"));
  EXPECT_TRUE(Storable("H", "3+2"));
  EXPECT_TRUE(Storable("H", "1+1+1+1+1"));
  EXPECT_FALSE(Storable("", "3+2"));
  EXPECT_FALSE(Storable("e", "3+2"));
  EXPECT_FALSE(Storable("H", ""));
  EXPECT_FALSE(Storable("H", "3+1"));          // 4 of 5 hours
  EXPECT_FALSE(Storable("H", "3+3"));          // 6 of 5
  EXPECT_FALSE(Storable("H", "2+3"));          // blocks grow
  EXPECT_FALSE(Storable("H", "5+-7"));         // the parser would stop at "-"
  EXPECT_FALSE(Storable("H", "1+1+1+1+1+0"));  // longer than the field
  // The field holds ten characters: a pattern of ten is taken, one of eleven is not.
  EXPECT_TRUE(PlacementStyleStorable(school, b.LessonNo("PROJE"), {"H", "10+10+10+1"}));
  EXPECT_FALSE(PlacementStyleStorable(school, b.LessonNo("STAJ"), {"H", "10+10+10+10"}));
}

TEST_F(PlacementStyleTest, StoresTheClassLessonOnlyAndItsBlockCount) {
  const Change c = StorePlacementStyle(school, a9, math, {"E", "3+1+1"});
  ASSERT_TRUE(c.done());
  EXPECT_TRUE(c.files.has(DataFile::kClassLessons));
  const TClassLessonRec* cl = school.ClassLessonAt(a9, math);
  EXPECT_EQ(cl->divisible, 1);
  EXPECT_EQ(cl->pattern, (PatternBytes{3, 1, 1, 0, 0}));
  EXPECT_EQ(cl->blockCount, 3);
  // The other class and the pool keep theirs.
  EXPECT_EQ(school.ClassLessonAt(b.ClassNo("10"), math)->pattern, (PatternBytes{2, 2, 1, 0, 0}));
  EXPECT_EQ(school.LessonByNo(math)->pattern, (PatternBytes{2, 2, 1, 0, 0}));

  const TClassLessonRec before = *cl;
  EXPECT_EQ(StorePlacementStyle(school, a9, math, {"H", "4"}).outcome, Outcome::kInvalid);
  EXPECT_EQ(std::memcmp(cl, &before, sizeof before), 0);
  EXPECT_EQ(StorePlacementStyle(school, a9, 99, {"H", "5"}).outcome, Outcome::kNotFound);
}

}  // namespace
}  // namespace kalvodrin
