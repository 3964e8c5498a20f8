#include <gtest/gtest.h>

#include "core/field_text.h"
#include "core/pattern.h"
#include "core/record_creation.h"
#include "core/settings_rules.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

TEST(ParsePattern, AcceptsNonIncreasingBlocksThatMakeTheWeeklyHours) {
  const ParsedPattern p = ParsePattern(5, "2+2+1");
  EXPECT_TRUE(p.valid);
  EXPECT_EQ(p.blocks, (PatternBytes{2, 2, 1, 0, 0}));
  EXPECT_EQ(CountBlocks(p.blocks), 3);

  const ParsedPattern one = ParsePattern(3, "3");
  EXPECT_TRUE(one.valid);
  EXPECT_EQ(one.blocks, (PatternBytes{3, 0, 0, 0, 0}));
  EXPECT_EQ(CountBlocks(one.blocks), 1);

  EXPECT_TRUE(ParsePattern(5, "1+1+1+1+1").valid);
  EXPECT_TRUE(ParsePattern(12, "10+2").valid);
  EXPECT_EQ(PatternText(p.blocks), "2+2+1");
}

TEST(ParsePattern, RefusesWrongSumsOrderAndEmptyParts) {
  EXPECT_FALSE(ParsePattern(4, "2+2+1").valid);  // sum 5
  EXPECT_FALSE(ParsePattern(5, "1+2+2").valid);  // increasing
  EXPECT_FALSE(ParsePattern(5, "2+2").valid);
  EXPECT_FALSE(ParsePattern(2, "+2").valid);
  EXPECT_FALSE(ParsePattern(3, "2++1").valid);
  EXPECT_FALSE(ParsePattern(4, "2+2+").valid);  // "++" ends the scan before the last 2
  EXPECT_FALSE(ParsePattern(0, "").valid);
  EXPECT_FALSE(ParsePattern(6, "1+1+1+1+1+1").valid);  // six blocks
  EXPECT_FALSE(ParsePattern(3, "2x+1").valid);
  EXPECT_FALSE(ParsePattern(3, "1+0+2").valid);
  EXPECT_FALSE(ParsePattern(44, "300+-256").valid);
}

TEST(FieldText, ConvertsFlagsNumbersAndDays) {
  EXPECT_EQ(YesNoToFlag("H"), 0);
  EXPECT_EQ(YesNoToFlag("E"), 1);
  EXPECT_EQ(YesNoToFlag(""), 1);
  EXPECT_EQ(FlagToYesNo(0), "H");
  EXPECT_EQ(FlagToYesNo(1), "E");
  EXPECT_EQ(FlagToYesNo(7), "E");
  EXPECT_EQ(NumberText3(7), "007");
  EXPECT_EQ(NumberText3(42), "042");
  EXPECT_EQ(NumberText3(255), "255");
  EXPECT_EQ(NumberText3(0), "");
  EXPECT_EQ(DayName(1), "PAZARTESİ");
  EXPECT_EQ(DayName(3), "ÇARŞAMBA");
  EXPECT_EQ(DayName(7), "PAZAR");
  EXPECT_EQ(DayName(0), "");
  EXPECT_EQ(DayName(8), "");
}

TEST(GeneralSettingsRules, KeepGapsAndGroupRuleValid) {
  auto school = testing::NewSchool();
  TSettingsRec s = DefaultSettings();
  const auto store = [&](int perWeek, int between) {
    s.maxGapsPerWeek = static_cast<uint8_t>(perWeek);
    s.maxGapBetweenLessons = static_cast<uint8_t>(between);
    ApplyGeneralSettingsRules(s, *school);
    return std::pair<int, int>{s.maxGapsPerWeek, s.maxGapBetweenLessons};
  };
  EXPECT_EQ(store(5, 7), (std::pair<int, int>{5, 5}));
  EXPECT_EQ(store(3, 0), (std::pair<int, int>{3, 1}));
  EXPECT_EQ(store(0, 0), (std::pair<int, int>{0, 0}));

  AddLesson(*school, 1, "A", "", 4, 1, {1, 0, 0, 0, 0}, 0);
  AddLesson(*school, 2, "B", "", 0, 1, {1, 0, 0, 0, 0}, 0);
  s.groupDifferentDays = 1;
  ApplyGeneralSettingsRules(s, *school);
  EXPECT_EQ(s.groupDifferentDays, 0);  // only one grouped lesson
  school->Lessons[1].group = 4;
  s.groupDifferentDays = 1;
  ApplyGeneralSettingsRules(s, *school);
  EXPECT_EQ(s.groupDifferentDays, 1);
}

}  // namespace
}  // namespace kalvodrin
