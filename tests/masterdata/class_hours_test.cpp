#include <gtest/gtest.h>

#include "core/cells.h"
#include "core/record_creation.h"
#include "masterdata/class_hours.h"
#include "masterdata/classes.h"
#include "typed.h"

namespace kalvodrin {
namespace {

class WeeklyHours : public ::testing::Test {
 protected:
  void SetUp() override {
    SaveNewClass(school, "9", "A");
    SaveNewClass(school, "9", "B");
  }
  ClassHours Hours(int classNo) const { return ClassHoursOf(school, classNo); }
  School school;
};

TEST_F(WeeklyHours, AnAcceptedChangeIsStoredAtOnceWithItsFreeHours) {
  ClassHours h = Hours(1);
  h.last[0] = 7;
  const Change c = SetClassHours(school, 1, h);
  ASSERT_EQ(c.outcome, Outcome::kDone);
  EXPECT_EQ(c.files, FileSet{DataFile::kClassGrids});  // no teachers yet
  EXPECT_EQ(school.ClassGridByNo(1)->lastHour[0], 7);
  EXPECT_EQ(school.ClassGridByNo(1)->freeHours[0], 7);
  EXPECT_EQ(Hours(2).last[0], 6);
  EXPECT_EQ(SetClassHours(school, 1, h).outcome, Outcome::kUnchanged);
}

TEST_F(WeeklyHours, FreeHoursCountWhatIsPlaced) {
  TClassGridRec& g = *school.ClassGridByNo(1);
  g.occupant[static_cast<std::size_t>(CellIndex(2, 3) - 1)] = 5;
  ClassHours h = Hours(1);
  h.first[1] = 2;  // Tuesday 2..6 with one hour placed
  h.last[4] = 9;
  ASSERT_TRUE(SetClassHours(school, 1, h).done());
  EXPECT_EQ(g.freeHours, (DayBytes{6, 4, 6, 6, 9}));
}

TEST_F(WeeklyHours, HoursAbove16OrAFirstHourAfterTheLastAreRefused) {
  const ClassHours before = Hours(1);
  ClassHours h = before;
  h.last[2] = 17;
  Change c = SetClassHours(school, 1, h);
  EXPECT_EQ(c.outcome, Outcome::kHourOutOfRange);
  EXPECT_EQ(c.day, 3);
  EXPECT_TRUE(c.files.empty());
  h = before;
  h.first[3] = 7;  // after the last hour 6
  c = SetClassHours(school, 1, h);
  EXPECT_EQ(c.outcome, Outcome::kFirstAfterLast);
  EXPECT_EQ(c.day, 4);
  EXPECT_EQ(Hours(1), before);
  h = before;
  h.last[4] = 0;  // a day without lessons has no first hour either
  c = SetClassHours(school, 1, h);
  EXPECT_EQ(c.outcome, Outcome::kHalfEmptyDay);
  EXPECT_EQ(c.day, 5);
  h = before;
  h.first[1] = 0;  // nor a last one
  c = SetClassHours(school, 1, h);
  EXPECT_EQ(c.outcome, Outcome::kHalfEmptyDay);
  EXPECT_EQ(c.day, 2);
  EXPECT_EQ(Hours(1), before);
  h = before;
  h.first[3] = 6;  // a one-hour day is fine, so is 16 and a day without lessons
  h.last[1] = 16;
  h.first[0] = 0;
  h.last[0] = 0;
  EXPECT_TRUE(SetClassHours(school, 1, h).done());
  // A day without lessons has no free hour; a one-hour day has one.
  EXPECT_EQ(school.ClassGridByNo(1)->freeHours[0], 0);
  EXPECT_EQ(school.ClassGridByNo(1)->freeHours[3], 1);
  EXPECT_EQ(SetClassHours(school, 9, h).outcome, Outcome::kNotFound);
}

TEST_F(WeeklyHours, F5CopiesTheClassAboveAndDoesNothingOnTheFirstClass) {
  ClassHours h = Hours(1);
  h.first = {2, 2, 3, 1, 1};
  h.last = {8, 7, 9, 6, 5};
  ASSERT_TRUE(SetClassHours(school, 1, h).done());
  const Change first = CopyClassHoursFromAbove(school, 1);
  EXPECT_EQ(first.outcome, Outcome::kUnchanged);
  EXPECT_TRUE(first.files.empty());
  ASSERT_TRUE(CopyClassHoursFromAbove(school, 2).done());
  EXPECT_EQ(Hours(2), h);
  // The row above counts, not the number: after a move class 2 is first.
  MoveClass(school, 2, MoveDirection::kUp);
  EXPECT_EQ(CopyClassHoursFromAbove(school, 2).outcome, Outcome::kUnchanged);
}

TEST(ClassHourTexts, AllTenBoxesMustHoldDigits) {
  ClassHours h;
  h.first = {1, 2, 3, 4, 5};
  h.last = {6, 7, 8, 9, 16};
  ClassHourTexts texts = ClassHourTextsOf(h);
  EXPECT_EQ(texts[0], "1");
  EXPECT_EQ(texts[9], "16");
  EXPECT_EQ(ClassHoursFromTexts(texts), h);
  texts[4].clear();
  EXPECT_FALSE(ClassHoursFromTexts(texts).has_value());
  texts[4] = "1x";
  EXPECT_FALSE(ClassHoursFromTexts(texts).has_value());
}

TEST(StartTimes, AreStoredCutToFiveCharacters) {
  School school;
  std::array<std::string, 16> texts;
  texts[0] = "08:30";
  texts[1] = "09:20:00";
  texts[15] = "23:59";
  const Change c = SaveStartTimes(school, texts);
  EXPECT_EQ(c.files, FileSet{DataFile::kSettings});
  const auto stored = StartTimeTexts(school);
  EXPECT_EQ(stored[0], "08:30");
  EXPECT_EQ(stored[1], "09:20");
  EXPECT_EQ(stored[2], "");
  EXPECT_EQ(stored[15], "23:59");
}

// A clock time is two digits of hour (00..23), a colon and two of minutes (00..59);
// anything else refuses the whole set, naming the first hour, and stores nothing.
TEST(StartTimes, OnlyClockTimesAreStored) {
  for (const char* good : {"", "00:00", "23:59", "08:30", "19:05"})
    EXPECT_TRUE(IsStartTime(good)) << good;
  for (const char* bad :
       {"2599", "0830", "24:00", "23:60", "8:30", "08.30", "08:3", "AB:CD", "-1:30", "08:30 "})
    EXPECT_FALSE(IsStartTime(bad)) << bad;
  School school;
  std::array<std::string, 16> texts;
  texts[0] = "08:30";
  texts[4] = "2599";
  texts[9] = Cp("öğle");
  const Change c = SaveStartTimes(school, texts);
  EXPECT_EQ(c.outcome, Outcome::kBadStartTime);
  EXPECT_EQ(c.number, 5);
  EXPECT_TRUE(c.files.empty());
  EXPECT_EQ(StartTimeTexts(school)[0], "");
  EXPECT_EQ(StartTimeNotice(5, "2599"),
            "5. ders saatinin başlangıcı \"2599\" olamaz. Saat SS:DD biçiminde yazılır "
            "(saat 00-23, dakika 00-59), örneğin 08:30.");
}

}  // namespace
}  // namespace kalvodrin
