#include "scheduler/why_not.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/cells.h"
#include "core/storage.h"
#include "engine/block_operations.h"
#include "engine/counts.h"
#include "engine/teacher_preparation.h"
#include "scheduler/placement_run.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

const WhyNotRow* RowOf(const WhyNotReport& report, int classNo, int lesson) {
  for (const WhyNotRow& row : report.rows)
    if (row.classNo == classNo && row.lesson == lesson) return &row;
  return nullptr;
}

// The reasons the report gives for the class lesson's next block at one start hour.
std::vector<Reason> At(const School& school, int classNo, int lesson, int day, int hour) {
  const WhyNotReport report = BuildWhyNot(school);
  const WhyNotRow* row = RowOf(report, classNo, lesson);
  if (row == nullptr) return {{Blocker::kAnnexRule, Party::kNone, -1}};
  for (const WhyNotCell& cell : row->cells)
    if (cell.day == day && cell.hour == hour) return cell.reasons;
  return {{Blocker::kAnnexRule, Party::kNone, -2}};
}

std::string Keys(const std::vector<Reason>& reasons) {
  std::string keys;
  for (const Reason& r : reasons) keys += std::string(keys.empty() ? "" : " ") + BlockerKey(r.kind);
  return keys;
}

// Two classes of hours 1..6 with their lessons, each of 1 hour, so that one placed
// hour at a time makes one reason the only blocker of a cell.
class WhyNotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    b.Group("FEN").Room("R1");
    b.Class("9", "A").Class("9", "B").Class("9", "C");
    b.In("9 A").Lesson("MATEMATİK", 2, "1+1").Teacher("AYŞE").Teach();
    b.Lesson("GEOMETRİ", 1, "1").Teach();
    b.Lesson("KİMYA", 2, "2", "FEN").Teach();
    b.Lesson("BİYOLOJİ", 1, "1", "FEN").Teacher("CAN").Teach();
    b.Lesson("TÜRKÇE", 1, "1").Teach().InRoom("R1");
    b.In("9 B").Lesson("FİZİK", 1, "1").Teach("AYŞE", "9 B", "FİZİK");
    b.Lesson("MÜZİK", 1, "1").Teach("CAN", "9 B", "MÜZİK").InRoom("R1");
    b.In("9 C").Lesson("TARİH", 1, "1").Teach("AYŞE", "9 C", "TARİH");
  }
  int C(const char* key) { return b.ClassNo(key); }
  int L(const char* name) { return b.LessonNo(name); }

  SchoolBuilder b;
};

// A class named whole, with no section, is named without a blank after it; a class
// with a section keeps the blank between the two.
TEST_F(WhyNotTest, AClassWithoutASectionIsNamedWithoutATrailingBlank) {
  b.Class("10-FEN").In("10-FEN").Lesson("FELSEFE", 1, "1").Teach("CAN", "10-FEN", "FELSEFE");
  b.Place("10-FEN", "FELSEFE", 1, 1, 1);
  const School s = b.Build();
  const Reason busy{Blocker::kClassBusy, Party::kClass, C("10-FEN"),
                    CellIndex(1, 1),     C("10-FEN"),   L("FELSEFE")};
  EXPECT_EQ(ReasonText(s, busy), "Sınıf dolu: 10-FEN, 1. gün 1. saat (FELSEFE)");
  EXPECT_EQ(FixText(s, busy), "Dersi taşıyın: 10-FEN FELSEFE, 1. gün 1. saat");
  const Reason withSection{Blocker::kClassBusy, Party::kClass, C("9 B"),
                           CellIndex(1, 1),     C("9 B"),      L("FİZİK")};
  EXPECT_EQ(ReasonText(s, withSection), "Sınıf dolu: 9 B, 1. gün 1. saat (FİZİK)");
}

TEST_F(WhyNotTest, EmptySchoolHasNoBlockers) {
  const School s = b.Build();
  const WhyNotReport report = BuildWhyNot(s);
  ASSERT_EQ(report.rows.size(), 8u);
  for (const WhyNotRow& row : report.rows) {
    EXPECT_EQ(row.length, row.lesson == L("KİMYA") ? 2 : 1);
    EXPECT_EQ(row.cells.size(), row.length == 2 ? 25u : 30u);  // 5 days of hours 1..6
    // Every class day ends at hour 6 and the settings align blocks: the run never
    // starts a 2-hour block at an even hour.
    for (const WhyNotCell& cell : row.cells)
      EXPECT_EQ(Keys(cell.reasons), row.length == 2 && cell.hour % 2 == 0 ? "alignedBlocks" : "");
  }
}

// Starts the run never tries are reasons of their own, listed first: aligned blocks,
// the lesson's no-block hour and its early hours. Where the
// early hours have no room left for the teacher, the later starts are tried.
TEST_F(WhyNotTest, StartsTheRunNeverTriesAreTheirOwnReason) {
  {
    School s = b.Build();
    s.Settings.alignedBlocks = 0;
    EXPECT_EQ(Keys(At(s, C("9 A"), L("KİMYA"), 1, 2)), "");
    s.LessonByNo(L("KİMYA"))->notAtHour = 3;
    EXPECT_EQ(Keys(At(s, C("9 A"), L("KİMYA"), 1, 3)), "notAtHour");
    EXPECT_EQ(Keys(At(s, C("9 A"), L("KİMYA"), 1, 4)), "");
    s.Settings.alignedBlocks = 1;
    EXPECT_EQ(Keys(At(s, C("9 A"), L("KİMYA"), 1, 4)), "alignedBlocks");
    s.LessonByNo(L("GEOMETRİ"))->notAfterHour = 2;
    EXPECT_EQ(Keys(At(s, C("9 A"), L("GEOMETRİ"), 1, 2)), "");
    EXPECT_EQ(Keys(At(s, C("9 A"), L("GEOMETRİ"), 1, 3)), "notAfterHour");
    EXPECT_EQ(ReasonText(s, At(s, C("9 A"), L("GEOMETRİ"), 1, 3).front()),
              "Ders günün ilk 2 saatinde bitmeli");
  }
  // The teacher's first two hours of every day are closed: no room early, so the later
  // starts are tried and open.
  b.Settings().alignedBlocks = 0;
  School s = b.Build();
  s.LessonByNo(L("GEOMETRİ"))->notAfterHour = 2;
  TTeacherGridRec& ayse = *s.TeacherGridByNo(b.TeacherNo("AYŞE"));
  for (int d = 1; d <= kDays; ++d)
    for (int h = 1; h <= 2; ++h) ayse.open[static_cast<std::size_t>(CellIndex(d, h) - 1)] = 0;
  EXPECT_EQ(Keys(At(s, C("9 A"), L("GEOMETRİ"), 1, 3)), "");
  EXPECT_EQ(Keys(At(s, C("9 A"), L("GEOMETRİ"), 1, 2)), "cellClosed");
}

// A common lesson of fifteen classes with fifteen teachers and rooms, lists filled to
// the last place: the last of each list is asked like the first.
TEST(WhyNotFullLists, TheLastTeacherClassAndRoomOfAFullListAreAsked) {
  SchoolBuilder b;
  const std::string sections = "ABCDEFGHIJKLMNO";
  for (char section : sections) b.Class("10", std::string(1, section)).Lesson("KORO", 1, "1");
  b.Common({"10 A", "10 B", "10 C", "10 D", "10 E", "10 F", "10 G", "10 H", "10 I", "10 J", "10 K",
            "10 L", "10 M", "10 N", "10 O"},
           "KORO");
  for (int n = 1; n <= kMaxListed; ++n) b.Teacher("T" + std::to_string(n)).Teach();
  for (int n = 1; n <= kMaxListed; ++n)
    b.Room("R" + std::to_string(n)).InRoom("R" + std::to_string(n));
  b.Class("11", "A").Lesson("SES", 1, "1").Teach("T15", "11 A", "SES");
  b.Class("11", "B").Lesson("SAZ", 1, "1").Teacher("UFUK").Teach().InRoom("R15");
  b.In("10 O").Lesson("SAZ", 1, "1").Teach("UFUK", "10 O", "SAZ");
  b.Place("11 A", "SES", 1, 1, 1).Place("11 B", "SAZ", 1, 1, 1).Place("10 O", "SAZ", 1, 2, 1);
  const School s = b.Build();
  const int koro = b.LessonNo("KORO");
  std::vector<Reason> r = At(s, b.ClassNo("10 A"), koro, 1, 1);
  ASSERT_EQ(Keys(r), "teacherBusy roomBusy");
  EXPECT_EQ(r[0].owner, b.TeacherNo("T15"));
  EXPECT_EQ(r[1].owner, b.RoomNo("R15"));
  r = At(s, b.ClassNo("10 A"), koro, 2, 1);
  ASSERT_EQ(Keys(r), "classBusy");
  EXPECT_EQ(r[0].owner, b.ClassNo("10 O"));
}

TEST_F(WhyNotTest, BusyParticipantsNameWhatIsInTheWay) {
  b.In("9 A").Lesson("EDEBİYAT", 1, "1").Teacher("DENİZ").Teach().InRoom("R1");
  b.Place("9 B", "FİZİK", 1, 1, 1).Place("9 A", "BİYOLOJİ", 1, 2, 2);
  b.Place("9 B", "MÜZİK", 1, 3, 3);
  School s = b.Build();
  const int ayse = b.TeacherNo("AYŞE");
  s.TeacherGridByNo(ayse)->open[CellIndex(5, 6) - 1] = 0;
  std::vector<Reason> r = At(s, C("9 A"), L("GEOMETRİ"), 1, 1);
  ASSERT_EQ(Keys(r), "teacherBusy");
  EXPECT_EQ(r[0], (Reason{Blocker::kTeacherBusy, Party::kTeacher, ayse, CellIndex(1, 1), C("9 B"),
                          L("FİZİK")}));
  r = At(s, C("9 A"), L("GEOMETRİ"), 2, 2);
  ASSERT_EQ(Keys(r), "classBusy");
  EXPECT_EQ(r[0], (Reason{Blocker::kClassBusy, Party::kClass, C("9 A"), CellIndex(2, 2), C("9 A"),
                          L("BİYOLOJİ")}));
  r = At(s, C("9 A"), L("EDEBİYAT"), 3, 3);
  ASSERT_EQ(Keys(r), "roomBusy");
  EXPECT_EQ(r[0], (Reason{Blocker::kRoomBusy, Party::kRoom, b.RoomNo("R1"), CellIndex(3, 3),
                          C("9 B"), L("MÜZİK")}));
  EXPECT_EQ(Keys(At(s, C("9 A"), L("EDEBİYAT"), 3, 4)), "");
  EXPECT_EQ(ReasonText(s, r[0]), "Derslik dolu: R1, 3. gün 3. saat (9 B MÜZİK)");
  EXPECT_EQ(FixText(s, r[0]), "Dersi taşıyın: 9 B MÜZİK, 3. gün 3. saat");
  // Opening the closed cell at the end of the week is cheaper than moving a lesson.
  const WhyNotReport report = BuildWhyNot(s);
  EXPECT_EQ(RowOf(report, C("9 A"), L("GEOMETRİ"))->cheapestFix,
            (Reason{Blocker::kCellClosed, Party::kTeacher, ayse, CellIndex(5, 6)}));
}

// One block in the way of both hours of a 2-hour block is one reason, named at its
// first hour; a second block in the way is a second reason.
TEST_F(WhyNotTest, ABlockInTheWayOfSeveralHoursIsOneReason) {
  b.In("9 B").Lesson("RESİM", 2, "2").Teach("AYŞE", "9 B", "RESİM");
  b.Place("9 B", "RESİM", 2, 1, 1);
  School s = b.Build();
  std::vector<Reason> r = At(s, C("9 A"), L("KİMYA"), 1, 1);
  ASSERT_EQ(Keys(r), "teacherBusy");
  EXPECT_EQ(r[0].cell, CellIndex(1, 1));
  EXPECT_EQ(r[0].lesson, L("RESİM"));
  b.Place("9 B", "FİZİK", 1, 2, 3).Place("9 C", "TARİH", 1, 2, 4);
  s = b.Build();
  r = At(s, C("9 A"), L("KİMYA"), 2, 3);
  ASSERT_EQ(Keys(r), "teacherBusy teacherBusy");
  EXPECT_EQ(r[1].lesson, L("TARİH"));
}

// A lesson whose pattern is placed whole while hours are left (a pattern that does not
// add up to the weekly hours) has no next block: its row names no start hours.
TEST_F(WhyNotTest, ARowWithoutANextBlockHasNoCells) {
  b.In("9 A").Lesson("RESİM", 3, "2+1").Teacher("AYŞE").Teach();
  b.Place("9 A", "RESİM", 1, 1, 1);
  School s = b.Build();
  auto& pattern = s.ClassLessonAt(C("9 A"), L("RESİM"))->pattern;
  pattern.fill(0);
  pattern[0] = 1;
  const WhyNotReport report = BuildWhyNot(s);
  const WhyNotRow* row = RowOf(report, C("9 A"), L("RESİM"));
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->length, 0);
  EXPECT_TRUE(row->cells.empty());
  EXPECT_EQ(RowOf(report, C("9 A"), L("GEOMETRİ"))->cells.size(), 30u);
  // A lesson with every hour placed has no row.
  b.Place("9 A", "GEOMETRİ", 1, 2, 1);
  EXPECT_EQ(RowOf(BuildWhyNot(b.Build()), C("9 A"), L("GEOMETRİ")), nullptr);
}

TEST_F(WhyNotTest, ClosedCellsAndWindows) {
  b.In("9 A").Lesson("BEDEN", 1, "1").In("9 B").Lesson("BEDEN", 1, "1").Hours(1, 5);
  b.Common({"9 A", "9 B"}, "BEDEN").Teacher("EMRE").Teach();
  School s = b.Build();
  s.TeacherGridByNo(b.TeacherNo("AYŞE"))->open[CellIndex(2, 3) - 1] = 0;
  s.ClassGridByNo(C("9 A"))->open[CellIndex(4, 5) - 1] = 0;
  std::vector<Reason> r = At(s, C("9 A"), L("GEOMETRİ"), 2, 3);
  ASSERT_EQ(Keys(r), "cellClosed");
  EXPECT_EQ(r[0],
            (Reason{Blocker::kCellClosed, Party::kTeacher, b.TeacherNo("AYŞE"), CellIndex(2, 3)}));
  EXPECT_EQ(Keys(At(s, C("9 A"), L("GEOMETRİ"), 2, 4)), "");
  r = At(s, C("9 A"), L("GEOMETRİ"), 4, 5);
  ASSERT_EQ(Keys(r), "cellClosed");
  EXPECT_EQ(r[0].party, Party::kClass);
  // The common lesson's other class ends its day an hour earlier: named with its last
  // hour, and lengthening its day is the fix.
  r = At(s, C("9 A"), L("BEDEN"), 1, 6);
  ASSERT_EQ(Keys(r), "outsideWindow");
  EXPECT_EQ(r[0].party, Party::kClass);
  EXPECT_EQ(r[0].owner, C("9 B"));
  EXPECT_EQ(r[0].amount, 5);
  EXPECT_EQ(ReasonText(s, r[0]), "Ders saatleri dışında: 9 B, 1. gün son ders 5. saat");
  EXPECT_EQ(FixText(s, r[0]), "Ders saatlerini uzatın: 9 B, 1. gün");
  EXPECT_EQ(Keys(At(s, C("9 A"), L("BEDEN"), 1, 5)), "");
  // A class with no lessons that day is named so.
  s.ClassGridByNo(C("9 B"))->firstHour[2] = 0;
  s.ClassGridByNo(C("9 B"))->lastHour[2] = 0;
  r = At(s, C("9 A"), L("BEDEN"), 3, 1);
  ASSERT_EQ(Keys(r), "outsideWindow");
  EXPECT_EQ(ReasonText(s, r[0]), "Ders saatleri dışında: 9 B, 3. gün dersi yok");

  // Where the other class's shorter day is all that stands in the way, lengthening it
  // is the row's cheapest fix.
  School open = b.Build();
  const WhyNotReport report = BuildWhyNot(open);
  const WhyNotRow* row = RowOf(report, C("9 A"), L("BEDEN"));
  ASSERT_NE(row, nullptr);
  ASSERT_TRUE(row->cheapestFix.has_value());
  EXPECT_EQ(row->cheapestFix->kind, Blocker::kOutsideWindow);
  EXPECT_EQ(row->cheapestFix->owner, C("9 B"));
  // A block running past the day's last grid hour is outside the window and nothing
  // else: no cell of the next day is asked.
  PrepareAllTeachers(open);
  r = ReasonsAt(open, C("9 A"), L("KİMYA"), 2, CellIndex(1, kHoursPerDay));
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0], Reason{Blocker::kOutsideWindow});
}

TEST_F(WhyNotTest, EachRuleOnItsOwn) {
  TSettingsRec& set = b.Settings();
  set.gapsAllowed = 0;
  set.maxGapsPerWeek = 0;
  set.maxHoursPerDay = 2;
  set.sameClassDifferentDays = 1;
  set.dayBetweenDays = 1;
  set.differentHours = 1;
  set.groupDifferentDays = 1;
  // Each teacher's own settings as strict as the school's.
  const auto placed = [this](auto place, uint8_t maxPerDay = 2) {
    SchoolBuilder copy = b;
    copy.Settings().maxHoursPerDay = maxPerDay;
    place(copy);
    School s = copy.Build();
    for (TTeacherGridRec& t : s.TeacherGrids)
      t.special = TeacherRules{0, 0, 0, 1, 1, 1, 1, maxPerDay};
    return s;
  };
  School s = placed([](SchoolBuilder& x) { x.Place("9 B", "FİZİK", 1, 1, 1); });
  std::vector<Reason> r = At(s, C("9 A"), L("GEOMETRİ"), 1, 3);
  ASSERT_EQ(Keys(r), "gapRule");
  EXPECT_EQ(FixText(s, r[0]), "Boş saate izin verin: AYŞE");
  EXPECT_EQ(ReasonText(s, r[0]), "Boş saat kuralı: AYŞE");
  EXPECT_EQ(Keys(At(s, C("9 A"), L("GEOMETRİ"), 1, 2)), "");
  s = placed(
      [](SchoolBuilder& x) { x.Place("9 B", "FİZİK", 1, 1, 1).Place("9 C", "TARİH", 1, 1, 2); });
  EXPECT_EQ(Keys(At(s, C("9 A"), L("GEOMETRİ"), 1, 3)), "dailyMaximum");
  s = placed([](SchoolBuilder& x) { x.Place("9 A", "MATEMATİK", 1, 1, 1); });
  r = At(s, C("9 A"), L("MATEMATİK"), 1, 2);
  ASSERT_EQ(Keys(r), "sameLessonRule");
  // Joined to the hour before it the two make a double hour, where the school allows
  // that; apart on the day nothing lets a lesson of 2 hours have both.
  EXPECT_EQ(r[0].amount, kJoinSingles);
  EXPECT_EQ(FixText(s, r[0]), "Ayarı açın: 1 + 1 ders 2 biçiminde birleşebilsin");
  r = At(s, C("9 A"), L("MATEMATİK"), 1, 4);
  ASSERT_EQ(Keys(r), "gapRule sameLessonRule");
  EXPECT_EQ(r[1].amount, 0);
  r = At(s, C("9 A"), L("MATEMATİK"), 2, 3);
  ASSERT_EQ(Keys(r), "daysApart");
  // The lesson's teacher switches the rule on: the fix is that teacher's setting.
  EXPECT_EQ(r[0].party, Party::kTeacher);
  EXPECT_EQ(r[0].owner, b.TeacherNo("AYŞE"));
  EXPECT_EQ(FixText(s, r[0]).rfind("Öğretmenin ayarını gevşetin: ", 0), 0u) << FixText(s, r[0]);
  EXPECT_EQ(Keys(At(s, C("9 A"), L("MATEMATİK"), 3, 1)), "differentHours");
  EXPECT_EQ(Keys(At(s, C("9 A"), L("MATEMATİK"), 3, 2)), "");
  // A second lesson of the teacher's in the class that day is still let in, a third not.
  EXPECT_EQ(Keys(At(s, C("9 A"), L("GEOMETRİ"), 1, 2)), "");
  s = placed(
      [](SchoolBuilder& x) { x.Place("9 A", "MATEMATİK", 1, 1, 1).Place("9 A", "KİMYA", 2, 1, 2); },
      4);
  EXPECT_EQ(Keys(At(s, C("9 A"), L("GEOMETRİ"), 1, 4)), "twoLessonsOfOneClass");
  // Two hours of the group on a day are let in, a third not.
  EXPECT_EQ(Keys(At(s, C("9 A"), L("BİYOLOJİ"), 1, 4)), "lessonGroupRule");
  EXPECT_EQ(Keys(At(s, C("9 A"), L("BİYOLOJİ"), 2, 4)), "");
  s = placed([](SchoolBuilder& x) { x.In("9 C").Annex().Place("9 C", "TARİH", 1, 3, 1); });
  EXPECT_EQ(Keys(At(s, C("9 B"), L("FİZİK"), 3, 2)), "annexRule");
  EXPECT_EQ(Keys(At(s, C("9 B"), L("FİZİK"), 4, 2)), "");
}

// The rules are asked with the blocks in the way taken out: a teacher busy at the hour
// is the one reason there, though the hour in the way would make three that day.
TEST_F(WhyNotTest, ABlockInTheWayDoesNotCountAgainstTheRules) {
  b.Settings().maxHoursPerDay = 2;
  b.Place("9 B", "FİZİK", 1, 1, 1).Place("9 C", "TARİH", 1, 1, 2);
  School s = b.Build();
  for (TTeacherGridRec& t : s.TeacherGrids) t.special = TeacherRules{0, 0, 0, 1, 1, 1, 1, 2};
  EXPECT_EQ(Keys(At(s, C("9 A"), L("GEOMETRİ"), 1, 2)), "teacherBusy");
  EXPECT_EQ(Keys(At(s, C("9 A"), L("GEOMETRİ"), 1, 3)), "dailyMaximum");
  // The class busy with the group's double hour: a third hour of the group that day
  // only where the double hour is not in the way.
  SchoolBuilder group = b;
  group.Settings().groupDifferentDays = 1;
  group.Place("9 A", "KİMYA", 2, 1, 3);
  s = group.Build();
  EXPECT_EQ(Keys(At(s, C("9 A"), L("BİYOLOJİ"), 1, 3)), "classBusy");
  EXPECT_EQ(Keys(At(s, C("9 A"), L("BİYOLOJİ"), 1, 5)), "lessonGroupRule");
}

// A same-lesson reason that no setting lifts is no fix: the row's cheapest fix is the
// setting that joins the two hours, never an empty "switch on".
TEST_F(WhyNotTest, ASameLessonReasonNoSettingLiftsIsNoFix) {
  b.Place("9 A", "MATEMATİK", 1, 1, 1);
  School s = b.Build();
  ASSERT_EQ(Keys(At(s, C("9 A"), L("MATEMATİK"), 1, 3)), "sameLessonRule");
  EXPECT_EQ(At(s, C("9 A"), L("MATEMATİK"), 1, 3)[0].amount, 0);
  const WhyNotReport report = BuildWhyNot(s);
  const WhyNotRow* row = RowOf(report, C("9 A"), L("MATEMATİK"));
  ASSERT_NE(row, nullptr);
  ASSERT_TRUE(row->cheapestFix.has_value());
  EXPECT_EQ(row->cheapestFix->kind, Blocker::kSameLessonRule);
  EXPECT_EQ(row->cheapestFix->amount, kJoinSingles);
}

// A third hour beside a double of an eight-hour lesson needs three hours a day allowed;
// joining single hours would not let it in.
TEST_F(WhyNotTest, AThirdHourOfALongLessonNamesThreeADay) {
  b.In("9 A").Lesson("EDEBİYAT", 8, "2+2+2+1+1").Teacher("DENİZ").Teach();
  b.Place("9 A", "EDEBİYAT", 2, 1, 1);
  School prepared = b.Build();
  PrepareAllTeachers(prepared);
  const std::vector<Reason> r = ReasonsAt(prepared, C("9 A"), L("EDEBİYAT"), 1, CellIndex(1, 3));
  ASSERT_EQ(Keys(r), "sameLessonRule");
  EXPECT_EQ(r[0].amount, kThreeADay);
}

// A day a damaged file gives a last hour but no first hour has no start to try.
TEST_F(WhyNotTest, ADayWithoutAFirstHourHasNoCells) {
  School s = b.Build();
  s.ClassGridByNo(C("9 A"))->firstHour[1] = 0;
  const WhyNotReport report = BuildWhyNot(s);
  const WhyNotRow* row = RowOf(report, C("9 A"), L("GEOMETRİ"));
  ASSERT_NE(row, nullptr);
  int cells = 0;
  for (const WhyNotCell& cell : row->cells) {
    EXPECT_NE(cell.day, 2);
    EXPECT_GE(cell.hour, 1);
    ++cells;
  }
  EXPECT_EQ(cells, 4 * 6);
}

// Every cell of the teacher is closed: each cell has the one reason, and opening the
// cell named as the cheapest fix lets a run at that cell place the hour.
TEST_F(WhyNotTest, CheapestFixLetsTheHourIn) {
  School s = b.Build();
  const int ayse = b.TeacherNo("AYŞE");
  s.TeacherGridByNo(ayse)->open.fill(0);
  const WhyNotReport report = BuildWhyNot(s);
  const WhyNotRow* row = RowOf(report, C("9 A"), L("GEOMETRİ"));
  ASSERT_NE(row, nullptr);
  ASSERT_TRUE(row->cheapestFix.has_value());
  const Reason fix = *row->cheapestFix;
  EXPECT_EQ(fix.kind, Blocker::kCellClosed);
  EXPECT_EQ(fix.owner, ayse);
  EXPECT_EQ(FixText(s, fix), "Saati açın: AYŞE, 1. gün 1. saat");
  // Four of AYŞE's lessons are stopped by that one closed cell alone; the 2-hour
  // block of KİMYA needs two cells opened anywhere.
  ASSERT_TRUE(report.bestFix.has_value());
  EXPECT_EQ(*report.bestFix, fix);
  EXPECT_EQ(report.bestFixHours, 4);
  // At its even starts the run would not try it even with the cell open: those cells
  // have two reasons, and none of KİMYA's cells has a single one.
  EXPECT_FALSE(RowOf(report, C("9 A"), L("KİMYA"))->cheapestFix.has_value());
  EXPECT_EQ(Keys(At(s, C("9 A"), L("KİMYA"), 1, 2)), "alignedBlocks cellClosed cellClosed");

  PlacementRun(s).RunAtCell(ayse, C("9 A"), L("GEOMETRİ"), fix.cell);
  EXPECT_EQ(PlacedHours(s, C("9 A"), L("GEOMETRİ")), 0);  // not yet opened
  s.TeacherGridByNo(ayse)->open[static_cast<std::size_t>(fix.cell - 1)] = 1;
  PlacementRun(s).RunAtCell(ayse, C("9 A"), L("GEOMETRİ"), fix.cell);
  EXPECT_EQ(PlacedHours(s, C("9 A"), L("GEOMETRİ")), 1);
  EXPECT_EQ(s.ClassGridByNo(C("9 A"))->occupant[static_cast<std::size_t>(fix.cell - 1)],
            L("GEOMETRİ"));
}

// Moving the block in the way is a fix only where the hour may stand once it is gone:
// AYŞE can come only at Tuesday's second hour and Thursday's third, where her other
// classes are. The second MATEMATİK hour may not take Monday's hour again, so only
// Thursday's block is the single thing in the way; moving it lets a run there place
// the hour.
TEST_F(WhyNotTest, MovingTheBlockInTheWayLetsTheHourIn) {
  b.Settings().differentHours = 1;
  b.Place("9 A", "MATEMATİK", 1, 1, 2)
      .Place("9 B", "FİZİK", 1, 2, 2)
      .Place("9 C", "TARİH", 1, 4, 3);
  School s = b.Build();
  const int ayse = b.TeacherNo("AYŞE");
  for (TTeacherGridRec& t : s.TeacherGrids) t.special.differentHours = 1;
  // Elsewhere AYŞE and 9 A are both closed: two things to change, no single fix.
  for (auto* open : {&s.TeacherGridByNo(ayse)->open, &s.ClassGridByNo(C("9 A"))->open}) {
    open->fill(0);
    (*open)[CellIndex(2, 2) - 1] = 1;
    (*open)[CellIndex(4, 3) - 1] = 1;
  }
  s.ClassGridByNo(C("9 A"))->open[CellIndex(1, 2) - 1] = 1;  // MATEMATİK's own hour
  EXPECT_EQ(Keys(At(s, C("9 A"), L("MATEMATİK"), 2, 2)), "teacherBusy differentHours");
  EXPECT_EQ(Keys(At(s, C("9 A"), L("MATEMATİK"), 4, 3)), "teacherBusy");
  const WhyNotReport report = BuildWhyNot(s);
  const WhyNotRow* row = RowOf(report, C("9 A"), L("MATEMATİK"));
  ASSERT_NE(row, nullptr);
  ASSERT_TRUE(row->cheapestFix.has_value());
  EXPECT_EQ(FixText(s, *row->cheapestFix), "Dersi taşıyın: 9 C TARİH, 4. gün 3. saat");
  // Asking changes nothing: the blocks taken out for the rules are put back whole.
  auto prepared = std::make_unique<School>(s);
  PrepareAllTeachers(*prepared);
  const auto grids = [](const School& x) {
    Bytes all;
    for (DataFile f : {DataFile::kTeacherGrids, DataFile::kClassGrids, DataFile::kRoomGrids})
      for (uint8_t byte : DataFileImage(x, f)) all.push_back(byte);
    return all;
  };
  const Bytes before = grids(*prepared);
  EXPECT_EQ(ReasonsAt(*prepared, C("9 A"), L("MATEMATİK"), 1, CellIndex(4, 3)).size(), 1u);
  EXPECT_EQ(grids(*prepared), before);
  // So with one journal lent for every cell the report asks: the same answers, and the
  // journal handed back as it was lent (an entry of the caller's kept).
  auto scratch = std::make_unique<ChangeJournal>();
  ASSERT_TRUE(scratch->Record(JournalEntry{}));
  for (const int cell : {CellIndex(4, 3), CellIndex(2, 2), CellIndex(1, 2)})
    EXPECT_EQ(ReasonsAt(*prepared, C("9 A"), L("MATEMATİK"), 1, cell, *scratch),
              ReasonsAt(*prepared, C("9 A"), L("MATEMATİK"), 1, cell));
  EXPECT_EQ(scratch->count(), 1);
  EXPECT_EQ(grids(*prepared), before);

  // Moving Tuesday's block instead would not do.
  auto tuesday = std::make_unique<School>(s);
  ASSERT_EQ(RemoveBlock(*tuesday, 1, CellIndex(2, 2), C("9 B"), nullptr), RemoveOutcome::kRemoved);
  PlacementRun(*tuesday).RunAtCell(ayse, C("9 A"), L("MATEMATİK"), CellIndex(2, 2));
  EXPECT_EQ(PlacedHours(*tuesday, C("9 A"), L("MATEMATİK")), 1);

  PlacementRun(s).RunAtCell(ayse, C("9 A"), L("MATEMATİK"), row->cheapestFix->cell);
  EXPECT_EQ(PlacedHours(s, C("9 A"), L("MATEMATİK")), 1);  // still in the way
  ASSERT_EQ(RemoveBlock(s, 1, row->cheapestFix->cell, C("9 C"), nullptr), RemoveOutcome::kRemoved);
  PlacementRun(s).RunAtCell(ayse, C("9 A"), L("MATEMATİK"), row->cheapestFix->cell);
  EXPECT_EQ(PlacedHours(s, C("9 A"), L("MATEMATİK")), 2);
}

// Only the cells at the given starts are open for the teacher.
void OpenOnly(School& s, int teacher, std::initializer_list<std::pair<int, int>> hours) {
  auto& open = s.TeacherGridByNo(teacher)->open;
  open.fill(0);
  for (auto [day, hour] : hours) open[static_cast<std::size_t>(CellIndex(day, hour) - 1)] = 1;
}

// A start the run never tries, where it is the only thing in the way: DENİZ can come
// only there, the run leaves the hour out, and once the lesson or the setting is
// changed the run places the block at that start.
TEST_F(WhyNotTest, StartsNeverTriedAreTheOnlyBlockerAndTheirFixWorks) {
  b.In("9 A").Lesson("RESİM", 2, "2").Teacher("DENİZ").Teach();
  b.Lesson("ÇİZİM", 1, "1").Teach();
  const int deniz = b.TeacherNo("DENİZ");
  const auto check = [&](School& s, int lesson, int day, int hour, const char* key, auto fix) {
    OpenOnly(s, deniz, {{day, hour}, {day, hour + 1}});
    EXPECT_EQ(Keys(At(s, C("9 A"), lesson, day, hour)), key);
    auto tried = std::make_unique<School>(s);
    PlacementRun(*tried).RunForTeacher(deniz);
    EXPECT_EQ(PlacedHours(*tried, C("9 A"), lesson), 0) << key;
    fix(s);
    EXPECT_EQ(Keys(At(s, C("9 A"), lesson, day, hour)), "") << key;
    PlacementRun(s).RunForTeacher(deniz);
    EXPECT_EQ(
        s.ClassGridByNo(C("9 A"))->occupant[static_cast<std::size_t>(CellIndex(day, hour) - 1)],
        lesson)
        << key;
  };
  {
    School s = b.Build();  // aligned blocks: RESİM's 2 hours only at odd starts
    check(s, L("RESİM"), 2, 2, "alignedBlocks", [](School& x) { x.Settings.alignedBlocks = 0; });
  }
  {
    School s = b.Build();
    s.Settings.alignedBlocks = 0;
    s.LessonByNo(L("RESİM"))->notAtHour = 3;
    check(s, L("RESİM"), 4, 3, "notAtHour",
          [this](School& x) { x.LessonByNo(L("RESİM"))->notAtHour = 0; });
  }
  // ÇİZİM should end within the day's first 2 hours, and DENİZ is free early on Friday,
  // but 9 A is closed there: the run never tries Monday's third hour.
  School s = b.Build();
  s.LessonByNo(L("ÇİZİM"))->notAfterHour = 2;
  auto& open = s.ClassGridByNo(C("9 A"))->open;
  for (int h = 1; h <= 2; ++h) open[static_cast<std::size_t>(CellIndex(5, h) - 1)] = 0;
  OpenOnly(s, deniz, {{1, 3}, {5, 1}, {5, 2}});
  EXPECT_EQ(Keys(At(s, C("9 A"), L("ÇİZİM"), 1, 3)), "notAfterHour");
  EXPECT_EQ(Keys(At(s, C("9 A"), L("ÇİZİM"), 5, 1)), "cellClosed");
  auto tried = std::make_unique<School>(s);
  PlacementRun(*tried).RunForTeacher(deniz);
  EXPECT_EQ(PlacedHours(*tried, C("9 A"), L("ÇİZİM")), 0);
  s.LessonByNo(L("ÇİZİM"))->notAfterHour = 0;
  PlacementRun(s).RunForTeacher(deniz);
  EXPECT_EQ(PlacedHours(s, C("9 A"), L("ÇİZİM")), 1);
}

// A day at the teacher's maximum: a 2-hour block needs two hours more that day, a single
// hour one; the named amount is what lets the block in, one less is not enough. DENİZ's
// other two hours cannot move: their classes are open only where they stand.
TEST_F(WhyNotTest, DailyMaximumFixNamesTheHoursNeeded) {
  b.Settings().maxHoursPerDay = 2;
  b.Settings().alignedBlocks = 0;
  b.In("9 A").Lesson("RESİM", 2, "2").Teacher("DENİZ").Teach();
  b.Lesson("ÇİZİM", 1, "1").Teach();
  b.In("9 B").Lesson("RESİM", 1, "1").Teach("DENİZ", "9 B", "RESİM");
  b.In("9 C").Lesson("RESİM", 1, "1").Teach("DENİZ", "9 C", "RESİM");
  b.Place("9 B", "RESİM", 1, 1, 1).Place("9 C", "RESİM", 1, 1, 2);
  School s = b.Build();
  const int deniz = b.TeacherNo("DENİZ");
  for (TTeacherGridRec& t : s.TeacherGrids) t.special.maxHoursPerDay = 2;
  for (int c : {C("9 B"), C("9 C")}) {
    auto& open = s.ClassGridByNo(c)->open;
    open.fill(0);
    open[static_cast<std::size_t>(CellIndex(1, c == C("9 B") ? 1 : 2) - 1)] = 1;
  }
  std::vector<Reason> r = At(s, C("9 A"), L("RESİM"), 1, 3);
  ASSERT_EQ(Keys(r), "dailyMaximum");
  EXPECT_EQ(r[0].amount, 2);
  EXPECT_EQ(FixText(s, r[0]), "Günde iki saat daha verin: DENİZ");
  // Cheaper than moving the hours in the way at Monday's first two hours.
  EXPECT_EQ(RowOf(BuildWhyNot(s), C("9 A"), L("RESİM"))->cheapestFix, r[0]);
  r = At(s, C("9 A"), L("ÇİZİM"), 1, 3);
  ASSERT_EQ(Keys(r), "dailyMaximum");
  EXPECT_EQ(FixText(s, r[0]), "Günde bir saat daha verin: DENİZ");
  // Counts are words up to nine, digits from ten.
  Reason many = r[0];
  many.amount = 9;
  EXPECT_EQ(FixText(s, many), "Günde dokuz saat daha verin: DENİZ");
  many.amount = 10;
  EXPECT_EQ(FixText(s, many), "Günde 10 saat daha verin: DENİZ");
  for (int more : {1, 2}) {
    auto copy = std::make_unique<School>(s);
    copy->TeacherGridByNo(deniz)->special.maxHoursPerDay = static_cast<uint8_t>(2 + more);
    PlacementRun(*copy).RunAtCell(deniz, C("9 A"), L("RESİM"), CellIndex(1, 3));
    EXPECT_EQ(PlacedHours(*copy, C("9 A"), L("RESİM")), more == 2 ? 2 : 0);
  }
}

// A lesson of two teachers taken by two classes together waits for one block: the fix
// that lets it in counts its hour once, not once per teacher and class.
TEST_F(WhyNotTest, EachClassHourIsCountedOnce) {
  b.In("9 A").Lesson("BEDEN", 1, "1").In("9 B").Lesson("BEDEN", 1, "1");
  b.Common({"9 A", "9 B"}, "BEDEN").Teacher("EMRE").Teach().Teacher("FATMA").Teach();
  b.Settings().alignedBlocks = 0;  // no start of KİMYA's is then left out
  School s = b.Build();
  OpenOnly(s, b.TeacherNo("EMRE"), {});
  const WhyNotReport report = BuildWhyNot(s);
  int rows = 0;
  for (const WhyNotRow& row : report.rows) rows += row.lesson == L("BEDEN") ? 1 : 0;
  EXPECT_EQ(rows, 4);  // each teacher's row in each class
  ASSERT_TRUE(report.bestFix.has_value());
  EXPECT_EQ(report.bestFix->owner, b.TeacherNo("EMRE"));
  EXPECT_EQ(report.bestFixHours, 1);
  // Two lessons behind the same closed cell are two hours.
  b.In("9 C").Lesson("BEDEN", 1, "1").Teach("EMRE", "9 C", "BEDEN");
  School t = b.Build();
  OpenOnly(t, b.TeacherNo("EMRE"), {});
  EXPECT_EQ(BuildWhyNot(t).bestFixHours, 2);
  // Two classes of one lesson taken apart are two hours too.
  b.Class("9", "D").Lesson("BEDEN", 1, "1").Teach("EMRE", "9 D", "BEDEN");
  School u = b.Build();
  OpenOnly(u, b.TeacherNo("EMRE"), {});
  EXPECT_EQ(BuildWhyNot(u).bestFixHours, 3);
}

// Moving EMRE's block away and opening one of EMRE's closed hours each let the one
// hour in: the cheaper, opening the hour, is the best fix.
TEST_F(WhyNotTest, OfFixesLettingInAsManyHoursTheCheapestIsBest) {
  b.Settings().alignedBlocks = 0;
  b.In("9 C").Lesson("BEDEN", 1, "1").Teacher("EMRE").Teach();
  b.Class("10", "A").Lesson("RESİM", 1, "1").Teach("EMRE", "10 A", "RESİM");
  b.Place("10 A", "RESİM", 1, 1, 1);
  School s = b.Build();
  OpenOnly(s, b.TeacherNo("EMRE"), {{1, 1}});
  const WhyNotReport report = BuildWhyNot(s);
  ASSERT_TRUE(report.bestFix.has_value());
  EXPECT_EQ(report.bestFix->kind, Blocker::kCellClosed);
  EXPECT_EQ(report.bestFixHours, 1);
}

}  // namespace
}  // namespace kalvodrin
