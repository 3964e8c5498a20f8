// The scheduler settings as typed into their windows: what each text stores, which
// entries are refused whole, and the rules applied on storing.

#include <gtest/gtest.h>

#include "core/turkish_text.h"
#include "scheduler/settings_entry.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

TEST(SettingsEntryText, EachKindTakesExactlyItsTexts) {
  EXPECT_EQ(EntryValue(ByteEntry::kYesNo, "E"), 1);
  EXPECT_EQ(EntryValue(ByteEntry::kYesNo, "H"), 0);
  for (const char* bad : {"", "e", "X", "EH", "1"})
    EXPECT_FALSE(EntryValue(ByteEntry::kYesNo, bad)) << bad;
  EXPECT_EQ(EntryValue(ByteEntry::kOneDigit, "0"), 0);
  EXPECT_EQ(EntryValue(ByteEntry::kOneDigit, "9"), 9);
  EXPECT_EQ(EntryValue(ByteEntry::kTwoDigits, "99"), 99);
  EXPECT_EQ(EntryValue(ByteEntry::kTwoDigits, "07"), 7);
  for (const char* bad : {"", "10", "a", "-1"})
    EXPECT_FALSE(EntryValue(ByteEntry::kOneDigit, bad)) << bad;
  for (const char* bad : {"", "100", "1a"})
    EXPECT_FALSE(EntryValue(ByteEntry::kTwoDigits, bad)) << bad;
  EXPECT_EQ(EntryText(ByteEntry::kYesNo, 0), "H");
  EXPECT_EQ(EntryText(ByteEntry::kYesNo, 1), "E");
  EXPECT_EQ(EntryText(ByteEntry::kTwoDigits, 12), "12");
}

// Every yes/no field lands on its own byte and on no other.
TEST(GeneralSettingsEntry, EachFieldStoresItsOwnByte) {
  SchoolBuilder b;
  b.Group("G").Lesson("A", 1, "1", "G").Lesson("B", 1, "1", "G");
  const School school = b.Build();
  const std::array<int, 5> yesNo = {0, 3, 4, 5, 6};
  for (int field : yesNo) {
    TSettingsRec s = DefaultSettings();
    GeneralSettingsEntry e = GeneralEntryOf(s);
    for (int k : yesNo) e.edits[static_cast<std::size_t>(k)] = k == field ? "E" : "H";
    StoreGeneralEntry(s, school, e);
    const std::array<uint8_t, 5> bytes = {s.gapsAllowed, s.sameClassDifferentDays, s.dayBetweenDays,
                                          s.differentHours, s.groupDifferentDays};
    for (std::size_t k = 0; k < yesNo.size(); ++k)
      EXPECT_EQ(bytes[k], yesNo[k] == field ? 1 : 0) << "field " << field;
  }
  TSettingsRec s = DefaultSettings();
  GeneralSettingsEntry e = GeneralEntryOf(s);
  e.edits[1] = "4";
  e.edits[2] = "2";
  e.edits[7] = "8";
  e.edits[8] = "12";
  e.chiefDeputy = true;
  StoreGeneralEntry(s, school, e);
  EXPECT_EQ(s.maxGapsPerWeek, 4);
  EXPECT_EQ(s.maxGapBetweenLessons, 2);
  EXPECT_EQ(s.maxHoursPerDay, 8);
  EXPECT_EQ(s.searchLevel, 12);
  EXPECT_EQ(s.chiefDeputy, 1);
  // What is shown again is what was stored.
  EXPECT_EQ(GeneralEntryOf(s).edits, e.edits);
}

TEST(GeneralSettingsEntry, GapRulesAndGroupRuleApplyOnStoring) {
  SchoolBuilder b;
  b.Group("G").Lesson("A", 1, "1", "G").Lesson("B", 1, "1");
  School oneGrouped = b.Build();
  const auto store = [](const School& school, const char* perWeek, const char* between,
                        const char* groupRule) {
    TSettingsRec s = DefaultSettings();
    GeneralSettingsEntry e = GeneralEntryOf(s);
    e.edits[1] = perWeek;
    e.edits[2] = between;
    e.edits[6] = groupRule;
    StoreGeneralEntry(s, school, e);
    return std::array<int, 3>{s.maxGapsPerWeek, s.maxGapBetweenLessons, s.groupDifferentDays};
  };
  EXPECT_EQ(store(oneGrouped, "4", "0", "H"), (std::array<int, 3>{4, 1, 0}));
  EXPECT_EQ(store(oneGrouped, "5", "7", "H"), (std::array<int, 3>{5, 5, 0}));
  EXPECT_EQ(store(oneGrouped, "5", "5", "H"), (std::array<int, 3>{5, 5, 0}));
  EXPECT_EQ(store(oneGrouped, "0", "0", "H"), (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(store(oneGrouped, "3", "2", "E"), (std::array<int, 3>{3, 2, 0}));
  b.Lesson("C", 1, "1", "G");
  EXPECT_EQ(store(b.Build(), "3", "2", "E"), (std::array<int, 3>{3, 2, 1}));
}

TEST(GeneralSettingsEntry, NamesAreStoredInCapitalsAndCutToTheirFields) {
  TSettingsRec s = DefaultSettings();
  GeneralSettingsEntry e = GeneralEntryOf(s);
  e.schoolName = std::string(79, 'a') + "ış";
  e.principalName = "ayşe yılmaz";
  e.deputyName = std::string(31, 'B');
  StoreGeneralEntry(s, SchoolBuilder().Build(), e);
  EXPECT_EQ(Cp1254ToUtf8(s.schoolName.view()), std::string(79, 'A') + "I");
  EXPECT_EQ(Cp1254ToUtf8(s.principalName.view()), "AYŞE YILMAZ");
  EXPECT_EQ(s.deputyName.view(), std::string(30, 'B'));
  EXPECT_EQ(GeneralEntryOf(s).principalName, "AYŞE YILMAZ");
}

TEST(GeneralSettingsEntry, AnEmptyFieldRefusesTheWholeEntry) {
  GeneralSettingsEntry e = GeneralEntryOf(DefaultSettings());
  EXPECT_FALSE(FirstBadField(e));
  e.edits[8] = "";
  EXPECT_EQ(FirstBadField(e), 8);
  e.edits[0] = "";
  EXPECT_EQ(FirstBadField(e), 0);
  DetailSettingsEntry d = DetailEntryOf(DefaultSettings());
  EXPECT_FALSE(FirstBadField(d));
  d[7] = "";
  EXPECT_EQ(FirstBadField(d), 7);
  TeacherSettingsEntry t = TeacherEntryOf(kDefaultTeacherRules);
  EXPECT_FALSE(FirstBadTeacherField(t));
  t[1] = "";
  EXPECT_EQ(FirstBadTeacherField(t), 1);
}

TEST(GeneralSettingsEntry, GapBetweenLessonsIsCappedWhileTyped) {
  EXPECT_EQ(CappedGapBetween("2", "3"), "2");
  EXPECT_EQ(CappedGapBetween("2", "2"), "2");
  EXPECT_EQ(CappedGapBetween("2", "1"), "1");
  EXPECT_EQ(CappedGapBetween("0", "1"), "0");
  EXPECT_EQ(CappedGapBetween("", "3"), "3");  // nothing to cap against yet
  EXPECT_EQ(CappedGapBetween("3", ""), "");
}

TEST(DetailSettingsEntry, EachFieldStoresItsOwnByte) {
  for (std::size_t field = 0; field < 8; ++field) {
    TSettingsRec s = DefaultSettings();
    DetailSettingsEntry d;
    for (std::size_t k = 0; k < 8; ++k) d[k] = k == field ? "E" : "H";
    StoreDetailEntry(s, d);
    const std::array<uint8_t, 8> bytes = {s.mergeOnePlusOne, s.splitBlock, s.moreThanTwoPerDay,
                                          s.gapLimitPerDay,  s.autoRelax,  s.evenDays,
                                          s.alignedBlocks,   s.reorganise};
    for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(bytes[k], k == field ? 1 : 0) << field;
    EXPECT_EQ(DetailEntryOf(s), d);
    EXPECT_EQ(s.gapsAllowed, DefaultSettings().gapsAllowed);  // the general bytes stay
  }
}

TEST(TeacherSettingsEntry, StoresTheTeachersOwnRules) {
  TeacherRules r = kDefaultTeacherRules;
  TeacherSettingsEntry t = {"E", "4", "2", "H", "E", "H", "E", "8"};
  StoreTeacherEntry(r, t);
  EXPECT_EQ(r.gapsAllowed, 1);
  EXPECT_EQ(r.maxGapsPerWeek, 4);
  EXPECT_EQ(r.maxGapBetweenLessons, 2);
  EXPECT_EQ(r.sameClassDifferentDays, 0);
  EXPECT_EQ(r.dayBetweenDays, 1);
  EXPECT_EQ(r.differentHours, 0);
  EXPECT_EQ(r.groupDifferentDays, 1);
  EXPECT_EQ(r.maxHoursPerDay, 8);
  EXPECT_EQ(TeacherEntryOf(r), t);
}

}  // namespace
}  // namespace kalvodrin
