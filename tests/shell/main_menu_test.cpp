#include "shell/main_menu.h"

#include <gtest/gtest.h>

#include <set>

#include "core/record_creation.h"

namespace kalvodrin {
namespace {

MenuDecision Decide(const School& s, MainMenuItem item) { return DecideMenuItem(s, item); }

TEST(MainMenuTest, ClassLessonsNeedBothAClassAndALessonAndNoticeWhenNeitherExists) {
  School s;
  EXPECT_EQ(Decide(s, MainMenuItem::kClassLessons), MenuDecision::kNotice);
  EXPECT_EQ(MenuNoticeText(MainMenuItem::kClassLessons),
            "Hiçbir DERS ve SINIF tanımlanmamış. Bilgi girişinden tanımlamaları yapınız.");
  AddLesson(s, 1, "TÜRKÇE", "TDE", 0, 5, {}, 0);
  EXPECT_EQ(Decide(s, MainMenuItem::kClassLessons), MenuDecision::kNothing);
  School onlyClass;
  AddClass(onlyClass, 1, "9", "A");
  EXPECT_EQ(Decide(onlyClass, MainMenuItem::kClassLessons), MenuDecision::kNothing);
  AddClass(s, 1, "9", "A");
  EXPECT_EQ(Decide(s, MainMenuItem::kClassLessons), MenuDecision::kOpen);
}

TEST(MainMenuTest, EachSectionOpensOnlyWhenItsDataExist) {
  School s;
  for (MainMenuItem item : {MainMenuItem::kTeacherDistribution,
                            MainMenuItem::kTeacherTimetables, MainMenuItem::kClassTimetables,
                            MainMenuItem::kCancelPlacements})
    EXPECT_EQ(Decide(s, item), MenuDecision::kNothing);
  // Entry windows and backup always open.
  for (MainMenuItem item : {MainMenuItem::kLessonPool, MainMenuItem::kTeachers,
                            MainMenuItem::kClassesAndRooms, MainMenuItem::kWeeklyHours,
                            MainMenuItem::kBackup})
    EXPECT_EQ(Decide(s, item), MenuDecision::kOpen);

  AddTeacher(s, 1, "AYŞE", "", "", "");
  EXPECT_EQ(Decide(s, MainMenuItem::kCancelPlacements), MenuDecision::kNothing);
  School classOnly;  // a class without a teacher: nothing to cancel either
  AddClass(classOnly, 1, "9", "A");
  EXPECT_EQ(Decide(classOnly, MainMenuItem::kCancelPlacements), MenuDecision::kNothing);
  EXPECT_EQ(Decide(s, MainMenuItem::kTeacherDistribution), MenuDecision::kNothing);
  AddClass(s, 1, "9", "A");
  EXPECT_EQ(Decide(s, MainMenuItem::kCancelPlacements), MenuDecision::kOpen);
  AddLesson(s, 1, "TÜRKÇE", "TDE", 0, 5, {}, 0);
  AddClassLesson(s, 1, 1);
  s.ReindexClassLessons();
  EXPECT_EQ(Decide(s, MainMenuItem::kTeacherDistribution), MenuDecision::kOpen);
  EXPECT_EQ(Decide(s, MainMenuItem::kTeacherTimetables), MenuDecision::kNothing);
  ASSERT_TRUE(AddTeacherLesson(s, 1, 1, 1));
  EXPECT_EQ(Decide(s, MainMenuItem::kTeacherTimetables), MenuDecision::kOpen);
  EXPECT_EQ(Decide(s, MainMenuItem::kClassTimetables), MenuDecision::kOpen);
}

TEST(MainMenuTest, MenuHoldsEveryItemOnceUnderItsMenu) {
  std::set<MainMenuItem> seen;
  std::set<std::string_view> names;
  for (const MainMenuEntry& e : kMainMenu) {
    EXPECT_TRUE(seen.insert(e.item).second);
    EXPECT_TRUE(names.insert(e.objectName).second);
    EXPECT_EQ(EntryOf(e.item).caption, e.caption);
  }
  EXPECT_EQ(EntryOf(MainMenuItem::kCancelPlacements).menu, "YEDEKLEME");
  EXPECT_EQ(EntryOf(MainMenuItem::kCancelPlacements).caption,
            "YAPILMIŞ DERS DAĞITIMLARINI İPTAL ET");
  EXPECT_EQ(EntryOf(MainMenuItem::kTeachers).caption, "ÖĞRETMEN GİRİŞİ");
}

}  // namespace
}  // namespace kalvodrin
