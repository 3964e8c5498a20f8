#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/ordering.h"
#include "core/record_creation.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

using testing::Cp;
using testing::NewSchool;

std::vector<std::string> ClassLessonNames(const School& s, int classNo) {
  std::vector<std::string> names;
  for (const TClassLessonRec& r : s.ClassLessons)
    if (r.classNo == classNo) names.push_back(s.LessonByNo(r.lesson)->name.str());
  return names;
}

TEST(PlaceClassLesson, PutsANewLessonAtItsAlphabeticalPlace) {
  auto school = NewSchool();
  School& s = *school;
  const std::vector<std::string> names = {"BİLGİSAYAR", "DİN", "FİZİK", "ÇİZİM"};
  for (std::size_t i = 0; i < names.size(); ++i)
    AddLesson(s, static_cast<int>(i) + 1, Cp(names[i]), "", 0, 1, {1, 0, 0, 0, 0}, 0);
  s.ReindexLessons();
  for (int l = 1; l <= 3; ++l) {
    AddClassLesson(s, 7, l);
    AddClassLesson(s, 8, l);  // another class's lessons in between must not move
  }
  AddClassLesson(s, 7, 4);
  PlaceClassLesson(s, 7, 4);
  EXPECT_EQ(ClassLessonNames(s, 7),
            (std::vector<std::string>{Cp("BİLGİSAYAR"), Cp("ÇİZİM"), Cp("DİN"), Cp("FİZİK")}));
  EXPECT_EQ(ClassLessonNames(s, 8),
            (std::vector<std::string>{Cp("BİLGİSAYAR"), Cp("DİN"), Cp("FİZİK")}));
  // The index follows the moved records.
  ASSERT_NE(s.ClassLessonAt(7, 4), nullptr);
  EXPECT_EQ(s.ClassLessonAt(7, 4)->lesson, 4);
  EXPECT_EQ(s.ClassLessonAt(7, 3)->lesson, 3);
}

TEST(PlaceTeacherLesson, OrdersByHoursDescendingThenNameThenClassOrder) {
  auto school = NewSchool();
  School& s = *school;
  AddLesson(s, 1, "KIMYA", "", 0, 2, {2, 0, 0, 0, 0}, 0);
  AddLesson(s, 2, "TARIH", "", 0, 2, {2, 0, 0, 0, 0}, 0);
  AddLesson(s, 3, "MATEMATIK", "", 0, 6, {2, 2, 2, 0, 0}, 0);
  s.ReindexLessons();
  AddClass(s, 1, "9", "A");
  AddClass(s, 2, "9", "B");
  s.ReindexClasses();
  for (int c = 1; c <= 2; ++c)
    for (int l = 1; l <= 3; ++l) AddClassLesson(s, c, l);
  s.ReindexClassLessons();
  const std::vector<TTeacherLessonRec> added = {{5, 2, 2}, {5, 1, 1}, {9, 1, 3}, {5, 2, 3},
                                                {5, 1, 2}, {5, 2, 1}, {5, 1, 3}};
  for (const TTeacherLessonRec& t : added) {
    ASSERT_TRUE(AddTeacherLesson(s, t.teacher, t.classNo, t.lesson));
    PlaceTeacherLesson(s, t.teacher, t.classNo, t.lesson);
  }
  std::vector<std::pair<int, int>> teacher5;
  for (const TTeacherLessonRec& r : s.TeacherLessons)
    if (r.teacher == 5) teacher5.emplace_back(r.lesson, r.classNo);
  EXPECT_EQ(teacher5, (std::vector<std::pair<int, int>>{{3, 1}, {3, 2}, {1, 1}, {1, 2},
                                                        {2, 1}, {2, 2}}))
      << "expected MATEMATIK first, then KIMYA, TARIH, each by class order";
  EXPECT_EQ(s.TeacherLessons.size(), added.size());
}

TEST(NextFreeNumber, TakesTheLowestUnusedNumber) {
  auto school = NewSchool();
  School& s = *school;
  EXPECT_EQ(NextFreeNumber(s.Teachers), 1);
  AddTeacher(s, 1, "A", "", "", "");
  AddTeacher(s, 2, "B", "", "", "");
  AddTeacher(s, 4, "C", "", "", "");
  EXPECT_EQ(NextFreeNumber(s.Teachers), 3);
  for (int n = 1; n <= 255; ++n) AddRoom(s, n, "R");
  EXPECT_EQ(NextFreeNumber(s.Rooms), 0);
}

TEST(SortByOrder, IsStableAndReindexes) {
  auto school = NewSchool();
  School& s = *school;
  SortClasses(s);  // an empty collection stays empty
  EXPECT_TRUE(s.Classes.empty());
  AddClass(s, 10, "A", "").order = 3;
  AddClass(s, 11, "B", "").order = 1;
  AddClass(s, 12, "C", "").order = 3;
  AddClass(s, 13, "D", "").order = 1;
  s.ReindexClasses();
  SortClasses(s);
  std::string names;
  for (const TClassRec& c : s.Classes) names += c.name.str();
  EXPECT_EQ(names, "BDAC");
  EXPECT_EQ(s.ClassByNo(12)->name.str(), "C");
}

TEST(SortLessons, FollowsTurkishOrderAndKeepsEqualNamesInPlace) {
  auto school = NewSchool();
  School& s = *school;
  SortLessons(s);
  const std::vector<std::string> names = {"TÜRKÇE", "DİN KÜLTÜRÜ", "ÇİZİM", "TÜRK DİLİ",
                                          "CEBİR", "DİN KÜLTÜRÜ"};
  for (std::size_t i = 0; i < names.size(); ++i)
    AddLesson(s, static_cast<int>(i) + 1, Cp(names[i]), "", 0, 1, {1, 0, 0, 0, 0}, 0);
  SortLessons(s);
  std::vector<int> numbers;
  for (const TLessonRec& l : s.Lessons) numbers.push_back(l.number);
  EXPECT_EQ(numbers, (std::vector<int>{5, 3, 2, 6, 4, 1}));
  EXPECT_EQ(s.LessonByNo(3)->name.str(), Cp("ÇİZİM"));
}

TEST(RecordCreation, InitialisesEveryField) {
  auto school = NewSchool();
  School& s = *school;
  TLessonRec& l = AddLesson(s, 1, std::string(40, 'X'), "ABCDEFG", 2, 5, {2, 2, 1, 0, 0}, 1);
  EXPECT_EQ(l.name.length, 30);  // cut to the field
  EXPECT_EQ(l.shortName.str(), "ABCD");
  EXPECT_EQ(l.blockCount, 3);
  EXPECT_EQ(l.notAtHour, 0);
  s.ReindexLessons();
  AddClass(s, 4, "9", "A");
  EXPECT_EQ(AddClass(s, 5, "9", "B").order, 2);
  s.ReindexClasses();
  const TClassLessonRec& cl = AddClassLesson(s, 4, 1);
  EXPECT_EQ(cl.pattern, (PatternBytes{2, 2, 1, 0, 0}));
  EXPECT_EQ(cl.divisible, 1);
  EXPECT_EQ(cl.blockCount, 3);
  s.ReindexClassLessons();
  EXPECT_EQ(ClassLessonFree(s, 4, 1), 0);
  EXPECT_EQ(ClassLessonFree(s, 5, 1), 1);
  for (int t = 1; t <= kMaxListed; ++t) EXPECT_TRUE(AddTeacherLesson(s, t, 4, 1));
  EXPECT_FALSE(AddTeacherLesson(s, 16, 4, 1));  // a sixteenth has no slot
  EXPECT_EQ(s.ClassLessonAt(4, 1)->teacherCount, kMaxListed);
  EXPECT_EQ(s.TeacherLessons.size(), static_cast<std::size_t>(kMaxListed));
  AddDutyPlace(s, 1, "KANTIN");
  s.ReindexDutyPlaces();
  AddDuty(s, 1, 3, 2);
  AddDuty(s, 1, 3, 4);
  EXPECT_EQ(s.DutyPlaceByNo(1)->perDay[2], 2);
}

TEST(RecordCreation, NewGridsCarryTheirDefaults) {
  const TTeacherGridRec t = DefaultTeacherGrid(7);
  EXPECT_EQ(t.teacher, 7);
  const uint8_t rules[8] = {0, 0, 0, 1, 1, 1, 1, 6};
  EXPECT_EQ(std::memcmp(&t.effective, rules, 8), 0);
  EXPECT_EQ(std::memcmp(&t.special, rules, 8), 0);
  for (uint8_t b : t.open) EXPECT_EQ(b, 1);
  for (uint8_t b : t.occupant) EXPECT_EQ(b, 0);
  const TClassGridRec c = DefaultClassGrid(3);
  EXPECT_EQ(c.freeHours, (DayBytes{6, 6, 6, 6, 6}));
  EXPECT_EQ(c.firstHour, (DayBytes{1, 1, 1, 1, 1}));
  EXPECT_EQ(c.lastHour, (DayBytes{6, 6, 6, 6, 6}));
  EXPECT_FALSE(IsAfternoonClass(c));
  const TRoomGridRec r = DefaultRoomGrid(2);
  EXPECT_EQ(r.weeklyHours, 0);
  EXPECT_EQ(r.open[79], 1);
}

TEST(Lookups, NeverAnswerFromAStaleSlot) {
  auto school = NewSchool();
  School& s = *school;
  AddRoom(s, 5, "A");
  AddRoom(s, 6, "B");
  s.ReindexRooms();
  s.Rooms.erase(s.Rooms.begin());  // no reindex: slot 6 now points past the end
  ASSERT_NE(s.RoomByNo(6), nullptr);
  EXPECT_EQ(s.RoomByNo(6)->name.str(), "B");
  EXPECT_EQ(s.RoomByNo(5), nullptr);
  EXPECT_EQ(s.RoomByNo(0), nullptr);
  EXPECT_EQ(s.RoomByNo(300), nullptr);
  EXPECT_EQ(s.ClassLessonAt(0, 1), nullptr);
}

// The class-lesson index keeps a page for each class there is: the edges of the
// numbers, a copy that is changed alone, damaged numbers and records moved without a
// reindex all answer as a search of the records would.
TEST(Lookups, ClassLessonIndexAnswersAsASearchWould) {
  auto school = NewSchool();
  School& s = *school;
  const auto add = [&](int classNo, int lesson) {
    TClassLessonRec r{};
    r.classNo = static_cast<uint8_t>(classNo);
    r.lesson = static_cast<uint8_t>(lesson);
    s.ClassLessons.push_back(r);
  };
  add(255, 255);
  add(1, 1);
  add(255, 1);
  add(0, 7);  // damaged: no class 0
  add(9, 0);  // damaged: no lesson 0
  s.ReindexClassLessons();
  EXPECT_EQ(s.ClassLessonAt(255, 255), &s.ClassLessons[0]);
  EXPECT_EQ(s.ClassLessonAt(1, 1), &s.ClassLessons[1]);
  EXPECT_EQ(s.ClassLessonAt(255, 1), &s.ClassLessons[2]);
  EXPECT_EQ(s.ClassLessonAt(1, 255), nullptr);
  EXPECT_EQ(s.ClassLessonAt(2, 1), nullptr);  // a class without a page
  EXPECT_EQ(s.ClassLessonAt(0, 7), nullptr);
  EXPECT_EQ(s.ClassLessonAt(9, 0), nullptr);
  EXPECT_EQ(s.ClassLessonAt(256, 1), nullptr);
  EXPECT_EQ(s.ClassLessonAt(1, 256), nullptr);

  const School copy = s;
  s.ClassLessons.erase(s.ClassLessons.begin());  // no reindex: every slot one off
  EXPECT_EQ(s.ClassLessonAt(1, 1), &s.ClassLessons[0]);
  EXPECT_EQ(s.ClassLessonAt(255, 255), nullptr);
  EXPECT_EQ(copy.ClassLessonAt(255, 255), &copy.ClassLessons[0]);
  s.ReindexClassLessons();
  EXPECT_EQ(s.ClassLessonAt(255, 1), &s.ClassLessons[1]);
  s.ClassLessons.clear();
  s.ReindexClassLessons();
  EXPECT_EQ(s.ClassLessonAt(1, 1), nullptr);
}

}  // namespace
}  // namespace kalvodrin
