#include <gtest/gtest.h>

#include "core/duty_chart.h"
#include "duty/duties.h"
#include "duty/duty_places.h"
#include "duty/duty_rows.h"
#include "duty_test_support.h"
#include "engine/cascade.h"

namespace kalvodrin {
namespace {

TEST(NewDutyPlace, KeepsTheWholeNameUpTo25Characters) {
  School school;
  // Twenty characters typed into a box that takes 25 are all kept, not cut to 15.
  const Change c = SaveNewDutyPlace(school, Cp("bahçe ve ön kapı önü"));
  ASSERT_EQ(c.outcome, Outcome::kDone);
  EXPECT_EQ(c.files, FileSet{DataFile::kDutyPlaces});
  const TDutyPlaceRec& p = *school.DutyPlaceByNo(c.number);
  EXPECT_EQ(Utf(p.name.view()), "BAHÇE VE ÖN KAPI ÖNÜ");
  EXPECT_EQ(p.order, 1);
  EXPECT_EQ(p.perDay, (std::array<uint8_t, 7>{}));
  // 25 stay whole, the 26th is beyond the record.
  SaveNewDutyPlace(school, std::string(25, 'A'));
  SaveNewDutyPlace(school, std::string(26, 'B'));
  EXPECT_EQ(school.DutyPlaceByNo(2)->name.view(), std::string(25, 'A'));
  EXPECT_EQ(school.DutyPlaceByNo(3)->name.view(), std::string(25, 'B'));
  EXPECT_EQ(school.DutyPlaceByNo(3)->order, 3);
  EXPECT_EQ(SaveNewDutyPlace(school, "").outcome, Outcome::kInvalid);
  EXPECT_EQ(school.DutyPlaces.size(), 3u);
}

TEST(NewDutyPlace, TakesTheLowestFreeNumberAndRefusesA256th) {
  School school;
  for (const char* n : {"A", "B", "C"}) SaveNewDutyPlace(school, n);
  DeleteDutyPlaceFromList(school, 2);
  EXPECT_EQ(SaveNewDutyPlace(school, "D").number, 2);
  EXPECT_EQ(school.DutyPlaceByNo(2)->order, 3);  // shown last
  for (int i = 4; i <= 255; ++i) ASSERT_TRUE(SaveNewDutyPlace(school, "X").done());
  EXPECT_EQ(SaveNewDutyPlace(school, "Y").outcome, Outcome::kFull);
}

TEST(DutyPlaceEdit, RenamesAndRefusesAnEmptyNameOrUnknownPlace) {
  School school;
  SaveNewDutyPlace(school, "BAHCE");
  EXPECT_EQ(SaveDutyPlaceEdit(school, 1, Cp("zemin kat koridoru ve wc")).files,
            FileSet{DataFile::kDutyPlaces});
  EXPECT_EQ(Utf(DutyPlaceName(school, 1)), "ZEMİN KAT KORİDORU VE WC");
  EXPECT_EQ(SaveDutyPlaceEdit(school, 1, "").outcome, Outcome::kInvalid);
  EXPECT_EQ(SaveDutyPlaceEdit(school, 9, "X").outcome, Outcome::kNotFound);
  EXPECT_EQ(Utf(DutyPlaceName(school, 1)), "ZEMİN KAT KORİDORU VE WC");
}

TEST(DutyPlaceDelete, TakesItsDutiesFromEveryTeacherAndRenumbers) {
  SchoolBuilder b;
  for (const char* t : {"ALİ", "AYŞE", "CEM", "DERYA"}) b.Teacher(t);
  School school = b.Build();
  for (const char* n : {"BAHÇE", "KORİDOR", "KANTİN"}) SaveNewDutyPlace(school, Cp(n));
  for (int t = 1; t <= 4; ++t) GiveDuty(school, 2, 1, t);  // four on Monday
  GiveDuty(school, 1, 1, 1);
  GiveDuty(school, 3, 2, 2);
  const Change c = DeleteDutyPlaceFromList(school, 2);
  EXPECT_EQ(c.files, (FileSet{DataFile::kDutyPlaces, DataFile::kDuties}));
  EXPECT_EQ(school.Duties.size(), 2u);
  for (int t = 1; t <= 4; ++t)
    for (const ListRow& r : TeacherDutyRows(school, t)) EXPECT_NE(r.cells[4], "KORİDOR");
  EXPECT_EQ(school.DutyPlaceByNo(1)->order, 1);
  EXPECT_EQ(school.DutyPlaceByNo(3)->order, 2);
  EXPECT_EQ(school.DutyPlaceByNo(1)->perDay[0], 1);
  EXPECT_TRUE(CountersMatchRecords(school));
  EXPECT_EQ(DeleteDutyPlaceFromList(school, 2).outcome, Outcome::kNotFound);
  EXPECT_EQ(DeleteDutyPlaceConfirmText(school, 3), "KANTİN Nöbet Yeri silinecek !");
  EXPECT_EQ(DeleteDutyPlaceConfirmText(school, 2), "");
}

TEST(DutyPlaceDelete, DeletingATeacherLeavesNoDutyOfTheirs) {
  SchoolBuilder b;
  for (const char* t : {"ALİ", "AYŞE"}) b.Teacher(t);
  School school = b.Build();
  SaveNewDutyPlace(school, "BAHCE");
  GiveDuty(school, 1, 1, 1);
  GiveDuty(school, 1, 3, 1);
  GiveDuty(school, 1, 1, 2);
  DeleteTeacher(school, 1);
  ASSERT_EQ(school.Duties.size(), 1u);
  EXPECT_EQ(school.Duties[0].teacher, 2);
  EXPECT_EQ(school.DutyPlaceByNo(1)->perDay[0], 1);
  EXPECT_EQ(school.DutyPlaceByNo(1)->perDay[2], 0);
  EXPECT_TRUE(CountersMatchRecords(school));
}

TEST(DutyPlaceOrder, TheLastMovedUpTwiceComesFirstOnTheChart) {
  School school;
  for (const char* n : {"A", "B", "C"}) SaveNewDutyPlace(school, n);
  EXPECT_EQ(MoveDutyPlace(school, 3, MoveDirection::kUp).files, FileSet{DataFile::kDutyPlaces});
  MoveDutyPlace(school, 3, MoveDirection::kUp);
  EXPECT_EQ(MoveDutyPlace(school, 3, MoveDirection::kUp).outcome, Outcome::kUnchanged);
  EXPECT_EQ(MoveDutyPlace(school, 2, MoveDirection::kDown).outcome, Outcome::kUnchanged);
  const std::vector<DutyChartPlace> chart = DutyChartOf(school);
  ASSERT_EQ(chart.size(), 3u);
  EXPECT_EQ(chart[0].number, 3);
  EXPECT_EQ(chart[1].number, 1);
  EXPECT_EQ(DutyPlaceRows(school)[0].cells, (std::vector<std::string>{"3", "1", "C"}));
  EXPECT_EQ(DutyPlacePickRows(school)[2].cells, (std::vector<std::string>{"2", "B"}));
}

}  // namespace
}  // namespace kalvodrin
