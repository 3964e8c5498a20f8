#include <gtest/gtest.h>

#include "core/duty_chart.h"
#include "core/field_text.h"
#include "core/storage.h"
#include "duty/duties.h"
#include "duty/duty_places.h"
#include "duty/duty_rows.h"
#include "duty_test_support.h"
#include "list_checks.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

School TwoTeachersTwoPlaces() {
  SchoolBuilder b;
  b.Teacher("ALİ VELİ").Teacher("AYŞE IŞIK");
  School school = b.Build();
  SaveNewDutyPlace(school, Cp("BAHÇE"));
  SaveNewDutyPlace(school, Cp("KORİDOR"));
  return school;
}

TEST(GiveDuty, TheSameDutyTwiceIsStoredAndCountedOnce) {
  School school = TwoTeachersTwoPlaces();
  const Change first = GiveDuty(school, 1, 1, 1);
  EXPECT_EQ(first.files, (FileSet{DataFile::kDutyPlaces, DataFile::kDuties}));
  const Change again = GiveDuty(school, 1, 1, 1);
  EXPECT_EQ(again.outcome, Outcome::kUnchanged);
  EXPECT_TRUE(again.files.empty());
  EXPECT_EQ(school.Duties.size(), 1u);
  EXPECT_EQ(school.DutyPlaceByNo(1)->perDay[0], 1);
  // Another day or place for the same teacher is a new duty.
  EXPECT_TRUE(GiveDuty(school, 1, 2, 1).done());
  EXPECT_TRUE(GiveDuty(school, 2, 1, 1).done());
  EXPECT_TRUE(CountersMatchRecords(school));
}

TEST(GiveDuty, RefusesUnknownNumbersAndDaysOutside1To7) {
  School school = TwoTeachersTwoPlaces();
  EXPECT_EQ(GiveDuty(school, 3, 1, 1).outcome, Outcome::kNotFound);
  EXPECT_EQ(GiveDuty(school, 1, 1, 3).outcome, Outcome::kNotFound);
  EXPECT_EQ(GiveDuty(school, 1, 0, 1).outcome, Outcome::kInvalid);
  EXPECT_EQ(GiveDuty(school, 1, 8, 1).outcome, Outcome::kInvalid);
  EXPECT_TRUE(school.Duties.empty());
  EXPECT_TRUE(GiveDuty(school, 1, 1, 1).done());
  EXPECT_TRUE(GiveDuty(school, 1, 7, 1).done());
  EXPECT_EQ(school.DutyPlaceByNo(1)->perDay[6], 1);
}

TEST(DutyGrids, TwoTeachersAtOnePlaceAndDayShowTogetherWithTheirCount) {
  School school = TwoTeachersTwoPlaces();
  GiveDuty(school, 2, 3, 2);
  GiveDuty(school, 2, 3, 1);
  GiveDuty(school, 1, 3, 1);
  const std::vector<ListRow> on = OnDutyRows(school, 2, 3);
  ASSERT_EQ(on.size(), 2u);
  EXPECT_EQ(on[0].cells, (std::vector<std::string>{"2", "3", "2", "AYŞE IŞIK"}));
  EXPECT_EQ(on[1].cells[3], "ALİ VELİ");
  EXPECT_EQ(DayRows(school, 2)[2].cells, (std::vector<std::string>{"ÇARŞAMBA", "2"}));
  EXPECT_EQ(DayRows(school, 1)[2].cells[1], "1");
  EXPECT_EQ(DayRows(school, 1)[1].cells[1], "0");
  EXPECT_EQ(DayRows(school, 0)[2].cells[1], "");  // no place: "NS" stays empty
  const std::vector<ListRow> mine = TeacherDutyRows(school, 1);
  ASSERT_EQ(mine.size(), 2u);
  EXPECT_EQ(mine[0].cells, (std::vector<std::string>{"2", "3", "1", "ÇARŞAMBA", "KORİDOR"}));
  EXPECT_EQ(RemoveDutyConfirmText(school, 2, 3, 1),
            "ALİ VELİ adındaki öğretmenden ÇARŞAMBA günü, KORİDOR nöbeti silinecek !");
}

// A damaged file set can hold duties of a teacher or place whose record is gone: the
// rows leave them out rather than show a duty no one can open.
TEST(DutyGrids, DutiesOfGoneTeachersOrPlacesAreLeftOutOfTheRows) {
  School school = TwoTeachersTwoPlaces();
  ASSERT_TRUE(GiveDuty(school, 1, 2, 1).done());
  TDutyRec goneTeacher = school.Duties[0];
  goneTeacher.teacher = 9;
  TDutyRec gonePlace = school.Duties[0];
  gonePlace.place = 9;
  school.Duties.push_back(goneTeacher);
  school.Duties.push_back(gonePlace);
  EXPECT_EQ(OnDutyRows(school, 1, 2).size(), 1u);
  EXPECT_EQ(TeacherDutyRows(school, 1).size(), 1u);
  EXPECT_TRUE(OnDutyRows(school, 9, 2).empty());
  EXPECT_TRUE(TeacherDutyRows(school, 9).empty());
  EXPECT_EQ(DeleteDutyPlaceConfirmText(school, 9), "");
  EXPECT_EQ(DeleteDutyPlaceConfirmText(school, 1), "BAHÇE Nöbet Yeri silinecek !");
  EXPECT_EQ(DutyPlaceName(school, 9), "");
}

TEST(DutyGrids, EveryListHasACellPerColumnAndEveryRefusalItsOwnMessage) {
  School school = TwoTeachersTwoPlaces();
  ASSERT_TRUE(GiveDuty(school, 2, 3, 1).done());
  testing::ExpectRowsFitColumns(DutyTeacherColumns(), DutyTeacherRows(school));
  testing::ExpectRowsFitColumns(TeacherDutyColumns(), TeacherDutyRows(school, 1));
  testing::ExpectRowsFitColumns(OnDutyColumns(), OnDutyRows(school, 2, 3));
  testing::ExpectRowsFitColumns(DutyPlacePickColumns(), DutyPlacePickRows(school));
  testing::ExpectRowsFitColumns(DayColumns(), DayRows(school, 2));
  testing::ExpectRowsFitColumns(DutyPlaceColumns(), DutyPlaceRows(school));
  testing::ExpectOwnMessages(DutyPlaceNoticeText,
                             {Outcome::kInvalid, Outcome::kFull, Outcome::kNotFound});
  testing::ExpectOwnMessages(DutyNoticeText, {Outcome::kInvalid, Outcome::kNotFound});
}

TEST(DutyNames, InUtf8AndEmptyForANumberWithoutARecord) {
  const School school = TwoTeachersTwoPlaces();
  EXPECT_EQ(TeacherNameUtf8(school, 2), "AYŞE IŞIK");
  EXPECT_EQ(TeacherNameUtf8(school, 3), "");
  EXPECT_EQ(DutyPlaceNameUtf8(school, 2), "KORİDOR");
  EXPECT_EQ(DutyPlaceNameUtf8(school, 3), "");
}

TEST(RemoveDuty, LowersItsCounterAndRefusesADutyThatIsNotThere) {
  School school = TwoTeachersTwoPlaces();
  GiveDuty(school, 1, 5, 1);
  GiveDuty(school, 1, 5, 2);
  EXPECT_EQ(RemoveDuty(school, 1, 4, 1).outcome, Outcome::kNotFound);
  EXPECT_EQ(RemoveDuty(school, 1, 5, 1).files, (FileSet{DataFile::kDutyPlaces, DataFile::kDuties}));
  EXPECT_EQ(school.DutyPlaceByNo(1)->perDay[4], 1);
  ASSERT_EQ(school.Duties.size(), 1u);
  EXPECT_EQ(school.Duties[0].teacher, 2);
  EXPECT_TRUE(CountersMatchRecords(school));
}

TEST(WeekdaysOnly, OffersFiveDaysAndWeekendDutiesStay) {
  School school = TwoTeachersTwoPlaces();
  EXPECT_EQ(school.Settings.weekdaysOnly, 1);  // the default
  EXPECT_EQ(SetWeekdaysOnly(school, false).files, FileSet{DataFile::kSettings});
  GiveDuty(school, 1, 6, 1);  // Saturday
  EXPECT_EQ(DayRows(school, 1).size(), 7u);
  EXPECT_EQ(SetWeekdaysOnly(school, true).files, FileSet{DataFile::kSettings});
  EXPECT_EQ(school.Settings.weekdaysOnly, 1);
  EXPECT_EQ(SetWeekdaysOnly(school, true).outcome, Outcome::kUnchanged);
  EXPECT_EQ(DayRows(school, 1).size(), 5u);
  EXPECT_EQ(OfferedDays(school), 5);
  ASSERT_EQ(TeacherDutyRows(school, 1).size(), 1u);
  EXPECT_EQ(TeacherDutyRows(school, 1)[0].cells[3], "CUMARTESİ");
  EXPECT_EQ(DutyChartOf(school)[0].DutiesOn(6), 1);
  EXPECT_EQ(DutyChartOf(school)[0].teachers[5], (std::vector<int>{1}));
  SetWeekdaysOnly(school, false);
  EXPECT_EQ(school.Settings.weekdaysOnly, 0);
  EXPECT_EQ(DayRows(school, 1).size(), 7u);
}

TEST(DutyChart, TotalsEveryDayAndListsTeachersInDutyOrder) {
  School school = TwoTeachersTwoPlaces();
  GiveDuty(school, 2, 1, 2);
  GiveDuty(school, 2, 1, 1);
  GiveDuty(school, 2, 5, 1);
  GiveDuty(school, 2, 7, 1);
  const std::vector<DutyChartPlace> chart = DutyChartOf(school);
  ASSERT_EQ(chart.size(), 2u);
  EXPECT_EQ(chart[0].Total(), 0);
  EXPECT_EQ(chart[1].Total(), 4);
  EXPECT_EQ(chart[1].DutiesOn(1), 2);
  EXPECT_EQ(chart[1].DutiesOn(2), 0);
  EXPECT_EQ(chart[1].DutiesOn(5), 1);
  EXPECT_EQ(chart[1].DutiesOn(7), 1);
  EXPECT_EQ(chart[1].teachers[0], (std::vector<int>{2, 1}));
  EXPECT_EQ(DayAbbrevs[5], "CMT.");
}

TEST(DutyChart, LeavesOutDutiesOfGoneTeachersAndDaysOutside1To7) {
  School school = TwoTeachersTwoPlaces();
  GiveDuty(school, 1, 3, 1);
  // What a damaged file can hold: a teacher that is gone, days 0 and 8.
  school.Duties.push_back(TDutyRec{1, 3, 3});
  school.Duties.push_back(TDutyRec{1, 0, 2});
  school.Duties.push_back(TDutyRec{1, 8, 2});
  const std::vector<DutyChartPlace> chart = DutyChartOf(school);
  EXPECT_EQ(chart[0].teachers[2], (std::vector<int>{1}));
  EXPECT_EQ(chart[0].Total(), 1);
}

TEST(RemoveAllDuties, EmptiesTheFileAndEveryCounterAlsoAfterAReload) {
  testing::TempFolder folder;
  School school = TwoTeachersTwoPlaces();
  school.WorkFolder = folder.path();
  GiveDuty(school, 1, 1, 1);
  GiveDuty(school, 2, 6, 2);
  school.DutyPlaceByNo(2)->perDay[3] = 4;  // a counter a damaged file left behind
  const Change c = RemoveAllDuties(school);
  EXPECT_EQ(c.files, (FileSet{DataFile::kDutyPlaces, DataFile::kDuties}));
  ASSERT_TRUE(SaveFiles(school, c.files).ok());
  EXPECT_TRUE(school.Duties.empty());
  for (const DutyChartPlace& p : DutyChartOf(school)) EXPECT_EQ(p.Total(), 0);
  EXPECT_TRUE(CountersMatchRecords(school));
  EXPECT_EQ(testing::ReadBytes(folder.path() / "DUDIZIR5.LOF").size(), 0u);
  School again;
  again.WorkFolder = folder.path();
  ASSERT_TRUE(LoadDutyPlaces(again).ok());
  ASSERT_TRUE(LoadDuties(again).ok());
  again.ReindexDutyPlaces();
  EXPECT_TRUE(again.Duties.empty());
  EXPECT_TRUE(CountersMatchRecords(again));
  EXPECT_EQ(RemoveAllDuties(school).outcome, Outcome::kUnchanged);
  // A counter left without any duty is cleared all the same.
  school.DutyPlaceByNo(1)->perDay[0] = 2;
  EXPECT_EQ(RemoveAllDuties(school).outcome, Outcome::kDone);
  EXPECT_EQ(school.DutyPlaceByNo(1)->perDay[0], 0);
}

}  // namespace
}  // namespace kalvodrin
