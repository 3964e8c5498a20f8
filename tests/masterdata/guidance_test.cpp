// The guidance lesson and its two fixed slots, as the guidance window stores them.

#include <gtest/gtest.h>

#include "masterdata/guidance.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

class GuidanceTest : public ::testing::Test {
 protected:
  GuidanceTest() {
    b.Lesson("MATEMATİK", 4, "2+2").Lesson("REHBERLİK", 1, "1");
    school = b.Build();
    guidance = b.LessonNo("REHBERLİK");
  }
  std::array<int, 5> Stored() const {
    const TSettingsRec& s = school.Settings;
    return {s.guidanceLesson, s.guidanceDayMorning, s.guidanceHourMorning, s.guidanceDayAfternoon,
            s.guidanceHourAfternoon};
  }
  void SetStored(std::array<int, 5> v) {
    TSettingsRec& s = school.Settings;
    s.guidanceLesson = static_cast<uint8_t>(v[0]);
    s.guidanceDayMorning = static_cast<uint8_t>(v[1]);
    s.guidanceHourMorning = static_cast<uint8_t>(v[2]);
    s.guidanceDayAfternoon = static_cast<uint8_t>(v[3]);
    s.guidanceHourAfternoon = static_cast<uint8_t>(v[4]);
  }

  SchoolBuilder b;
  School school;
  int guidance = 0;
};

TEST_F(GuidanceTest, ListsThePoolInPoolOrder) {
  const std::vector<ListRow> rows = GuidanceRows(school);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].number, guidance);
  EXPECT_EQ(rows[1].cells, (std::vector<std::string>{std::to_string(guidance), "REHBERLİK", "1"}));
  EXPECT_EQ(GuidanceColumns().size(), 3u);
}

TEST_F(GuidanceTest, ChosenLessonWithBothSlotsIsStored) {
  GuidanceEntry e = GuidanceEntryOf(school);
  EXPECT_EQ(e.lesson, 0);
  e.lesson = guidance;
  e.dayMorning = 5;
  e.hourMorning = "6";
  e.dayAfternoon = 5;
  e.hourAfternoon = "2";
  const Change c = StoreGuidance(school, e);
  ASSERT_TRUE(c.done());
  EXPECT_TRUE(c.files.has(DataFile::kSettings));
  EXPECT_EQ(Stored(), (std::array<int, 5>{guidance, 5, 6, 5, 2}));
  const GuidanceEntry shown = GuidanceEntryOf(school);
  EXPECT_EQ(shown.lesson, guidance);
  EXPECT_EQ(shown.hourMorning, "6");
  EXPECT_EQ(shown.dayAfternoon, 5);
}

TEST_F(GuidanceTest, ClearingKeepsTheDaysAndZeroesLessonAndHours) {
  SetStored({guidance, 3, 6, 4, 2});
  GuidanceEntry e = GuidanceEntryOf(school);
  ClearGuidance(e);
  ASSERT_TRUE(StoreGuidance(school, e).done());
  EXPECT_EQ(Stored(), (std::array<int, 5>{0, 3, 0, 4, 0}));
}

TEST_F(GuidanceTest, WithoutALessonTheBoxesAreNotTaken) {
  SetStored({0, 2, 3, 2, 7});
  GuidanceEntry e = GuidanceEntryOf(school);
  e.dayMorning = 4;
  e.hourMorning = "99";  // not even checked: nothing is taken
  ASSERT_TRUE(StoreGuidance(school, e).done());
  EXPECT_EQ(Stored(), (std::array<int, 5>{0, 2, 3, 2, 7}));
}

TEST_F(GuidanceTest, AnEmptyHourBoxLeavesTheStoredHour) {
  SetStored({guidance, 1, 5, 1, 4});
  GuidanceEntry e = GuidanceEntryOf(school);
  e.hourMorning.clear();
  e.hourAfternoon = "0";  // 0: no fixed slot
  ASSERT_TRUE(StoreGuidance(school, e).done());
  EXPECT_EQ(Stored(), (std::array<int, 5>{guidance, 1, 5, 1, 0}));
}

TEST_F(GuidanceTest, HoursBeyondTheGridAreRefusedAndChangeNothing) {
  SetStored({guidance, 1, 5, 1, 4});
  GuidanceEntry e = GuidanceEntryOf(school);
  e.hourMorning = "16";
  e.hourAfternoon = "17";
  EXPECT_EQ(StoreGuidance(school, e).outcome, Outcome::kHourOutOfRange);
  EXPECT_EQ(Stored(), (std::array<int, 5>{guidance, 1, 5, 1, 4}));
  e.hourAfternoon = "1x";
  EXPECT_EQ(StoreGuidance(school, e).outcome, Outcome::kInvalid);
  e.hourAfternoon = "16";
  e.dayAfternoon = 6;
  EXPECT_EQ(StoreGuidance(school, e).outcome, Outcome::kInvalid);
  e.dayAfternoon = 5;
  ASSERT_TRUE(StoreGuidance(school, e).done());
  EXPECT_EQ(Stored(), (std::array<int, 5>{guidance, 1, 16, 5, 16}));
}

TEST_F(GuidanceTest, AStoredNumberThatNamesNoLessonCountsAsNone) {
  SetStored({77, 0, 0, 9, 3});
  const GuidanceEntry e = GuidanceEntryOf(school);
  EXPECT_EQ(e.lesson, 0);
  EXPECT_EQ(e.dayMorning, 1);  // day 0 and days beyond Friday show as Monday
  EXPECT_EQ(e.dayAfternoon, 1);
  EXPECT_EQ(e.hourMorning, "");
  EXPECT_EQ(e.hourAfternoon, "3");
  GuidanceEntry chosen = e;
  chosen.lesson = 77;
  ASSERT_TRUE(StoreGuidance(school, chosen).done());
  EXPECT_EQ(school.Settings.guidanceLesson, 0);
}

}  // namespace
}  // namespace kalvodrin
