#include <gtest/gtest.h>

#include "masterdata/classes.h"
#include "masterdata/duplicates.h"
#include "masterdata/lessons.h"
#include "masterdata/teachers.h"
#include "typed.h"

namespace kalvodrin {
namespace {

TEST(Duplicates, ANameIsComparedAsStoredAndTheEditedRecordIsLeftOut) {
  School s;
  ASSERT_TRUE(SaveNewClass(s, "9", "A").done());
  ASSERT_TRUE(SaveNewRoom(s, "LAB").done());
  ASSERT_TRUE(SaveNewTeacher(s, {Cp("ALİ"), "", "", ""}).done());
  ASSERT_TRUE(SaveNewLesson(s, {Cp("FİZİK"), Cp("FİZ"), "2", "2"}).done());
  EXPECT_EQ(SameNamed(s, EntityKind::kClass, "9", "a", 0), 1);
  EXPECT_EQ(SameNamed(s, EntityKind::kClass, "9", "B", 0), 0);  // the section counts
  EXPECT_EQ(SameNamed(s, EntityKind::kClass, "9", "A", 1), 0);  // itself, when edited
  EXPECT_EQ(SameNamed(s, EntityKind::kRoom, "lab", "", 0), 1);
  EXPECT_EQ(SameNamed(s, EntityKind::kRoom, "LABO", "", 0), 0);
  EXPECT_EQ(SameNamed(s, EntityKind::kTeacher, "ali", "", 0), 1);
  EXPECT_EQ(SameNamed(s, EntityKind::kLesson, Cp("fizik"), "", 0), 1);  // i is İ
  EXPECT_EQ(SameNamed(s, EntityKind::kLesson, "FIZIK", "", 0), 0);
  EXPECT_EQ(SameNamed(s, EntityKind::kLesson, "", "", 0), 0);
  EXPECT_EQ(DuplicateQuestion(s, EntityKind::kClass, "9", "a", 0),
            "9 A sınıfı zaten var. Yine de kaydedilsin mi?");
  EXPECT_EQ(DuplicateQuestion(s, EntityKind::kTeacher, "ali", "", 0),
            "ALİ adında bir öğretmen zaten var. Yine de kaydedilsin mi?");
  EXPECT_EQ(DuplicateQuestion(s, EntityKind::kLesson, "KİMYA", "", 0), "");
}

}  // namespace
}  // namespace kalvodrin
