// Who loses a teacher and who may take the hour: the affected lessons of an absence,
// co-taught and common lessons, the ranking of candidates and why nobody is free.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/cells.h"
#include "school_builder.h"
#include "substitution/affected_lessons.h"
#include "substitution/candidates.h"
#include "substitution/plan_texts.h"

namespace kalvodrin {
namespace {

constexpr int kMonday = 1;

// On Monday ALİ teaches MATEMATİK in 9 A at hours 2 and 3. Free at hour 2 are GÜL
// (on duty Monday), FATMA (MATEMATİK in 10 A at 6), EMRE (FİZİK of the same group
// at 1 and 5), CEM and DENİZ (TARİH together in 9 B at 4) and LALE (no lesson).
// HAKAN teaches at 2, İPEK has hour 2 closed, KEMAL is at his daily maximum of 1.
class RankingSchool : public ::testing::Test {
 protected:
  void SetUp() override {
    b.Group("SAYISAL");
    b.Class("9", "A").Class("9", "B").Class("10", "A").Class("11", "A");
    b.In("9 A").Lesson("MATEMATİK", 4, "1+1+1+1", "SAYISAL");
    b.Teacher("ALİ").Teach().Place("9 A", "MATEMATİK", 1, kMonday, 2);
    b.Place("9 A", "MATEMATİK", 1, kMonday, 3);
    b.In("9 B").Lesson("TARİH", 2, "1+1");
    b.Teacher("CEM").Teach().Teacher("DENİZ").Teach().Place("9 B", "TARİH", 1, kMonday, 4);
    b.In("10 A").Lesson("FİZİK", 2, "1+1", "SAYISAL");
    b.Teacher("EMRE").Teach().Place("10 A", "FİZİK", 1, kMonday, 1);
    b.Place("10 A", "FİZİK", 1, kMonday, 5);
    b.In("10 A").Lesson("MATEMATİK", 4, "1+1+1+1", "SAYISAL");
    b.Teacher("FATMA").Teach().Place("10 A", "MATEMATİK", 1, kMonday, 6);
    b.In("10 A").Lesson("TARİH", 2, "1+1");
    b.Teacher("HAKAN").Teach().Place("10 A", "TARİH", 1, kMonday, 2);
    b.In("11 A").Lesson("BİYOLOJİ", 2, "1+1");
    TeacherRules oneHour = kDefaultTeacherRules;
    oneHour.maxHoursPerDay = 1;
    b.Teacher("KEMAL").Special(oneHour).Teach().Place("11 A", "BİYOLOJİ", 1, kMonday, 6);
    b.Teacher("İPEK").Teacher("GÜL").Teacher("LALE");
    b.Settings().maxHoursPerDay = 1;  // KEMAL's own 1 counts; the others keep their 6
    school = b.Build();
    school.Duties.push_back({1, kMonday, static_cast<uint8_t>(No("GÜL"))});
    school.Duties.push_back({1, 2, static_cast<uint8_t>(No("LALE"))});  // Tuesday only
    school.TeacherGridByNo(No("İPEK"))->open[CellIndex(kMonday, 2) - 1] = 0;
  }
  int No(const char* name) const { return b.TeacherNo(name); }
  std::vector<int> Order(const std::vector<Candidate>& cs) const {
    std::vector<int> order;
    for (const Candidate& c : cs) order.push_back(c.teacher);
    return order;
  }

  SchoolBuilder b;
  School school;
};

TEST_F(RankingSchool, CandidatesComeDutyLessonPresenceThenFewestHoursThisTerm) {
  DayContext context = MakeDayContext(kMonday, {{No("ALİ"), {}}});
  context.termCounts[static_cast<std::size_t>(No("CEM"))] = 2;
  context.termCounts[static_cast<std::size_t>(No("DENİZ"))] = 1;
  const int math = b.LessonNo("MATEMATİK");
  EXPECT_EQ(Order(RankedCandidates(school, context, 2, math)),
            (std::vector{No("GÜL"), No("FATMA"), No("EMRE"), No("DENİZ"), No("CEM"), No("LALE")}));
  const std::vector<Candidate> ranked = RankedCandidates(school, context, 2, math);
  EXPECT_EQ(ranked[1].sameLesson, SameLesson::kLesson);
  EXPECT_EQ(ranked[2].sameLesson, SameLesson::kGroup);
  EXPECT_EQ(ranked[2].presence, Presence::kBetween);
  EXPECT_EQ(ranked[1].presence, Presence::kOneSide);
  EXPECT_EQ(ranked[5].presence, Presence::kAway);

  // Weighted: CEM with 2 hours at weight 3 has the smaller share than DENİZ's 1 of 1.
  context.weights[static_cast<std::size_t>(No("CEM"))] = 3;
  const std::vector<int> weighted = Order(RankedCandidates(school, context, 2, math));
  EXPECT_LT(std::find(weighted.begin(), weighted.end(), No("CEM")),
            std::find(weighted.begin(), weighted.end(), No("DENİZ")));
  // Weight 0 leaves a teacher out.
  context.weights[static_cast<std::size_t>(No("GÜL"))] = 0;
  EXPECT_EQ(RankedCandidates(school, context, 2, math).front().teacher, No("FATMA"));
}

TEST_F(RankingSchool, NobodyIsOfferedWhoTeachesIsClosedAwayOrAtTheDailyMaximum) {
  DayContext context = MakeDayContext(kMonday, {{No("ALİ"), {}}, {No("LALE"), {2}}});
  const std::vector<int> at2 = Order(RankedCandidates(school, context, 2, 0));
  for (const char* out : {"ALİ", "HAKAN", "İPEK", "KEMAL", "LALE"})
    EXPECT_EQ(std::count(at2.begin(), at2.end(), No(out)), 0) << out;
  // LALE is away at hour 2 only; İPEK's hour 3 is open.
  const std::vector<int> at3 = Order(RankedCandidates(school, context, 3, 0));
  EXPECT_EQ(std::count(at3.begin(), at3.end(), No("LALE")), 1);
  EXPECT_EQ(std::count(at3.begin(), at3.end(), No("İPEK")), 1);

  // KEMAL's one lesson fills his maximum of 1; with 2 he has room for one hour more,
  // and a substitution already given to him that day fills it again.
  school.TeacherGridByNo(No("KEMAL"))->special.maxHoursPerDay = 2;
  std::vector<int> roomy = Order(RankedCandidates(school, context, 2, 0));
  EXPECT_EQ(std::count(roomy.begin(), roomy.end(), No("KEMAL")), 1);
  context.takenToday[static_cast<std::size_t>(No("KEMAL"))] = 1;
  roomy = Order(RankedCandidates(school, context, 2, 0));
  EXPECT_EQ(std::count(roomy.begin(), roomy.end(), No("KEMAL")), 0);
  EXPECT_EQ(DailyMaximum(school, No("EMRE")), 6);
  EXPECT_EQ(LessonsOn(school, No("EMRE"), kMonday), 2);
  EXPECT_EQ(LessonsOn(school, No("EMRE"), 2), 0);
}

TEST_F(RankingSchool, CoTaughtLessonsNameWhoMayKeepThemAndAreFoundOnce) {
  const std::vector<AffectedLesson> alone = AffectedLessons(school, kMonday, {{No("CEM"), {}}});
  ASSERT_EQ(alone.size(), 1u);
  EXPECT_EQ(alone[0].hour, 4);
  EXPECT_EQ(alone[0].classNo, b.ClassNo("9 B"));
  EXPECT_EQ(alone[0].absentTeachers, std::vector{No("CEM")});
  EXPECT_EQ(alone[0].coTeachers, std::vector{No("DENİZ")});
  EXPECT_TRUE(alone[0].keptByCoTeacher());

  const std::vector<AffectedLesson> both =
      AffectedLessons(school, kMonday, {{No("DENİZ"), {}}, {No("CEM"), {}}});
  ASSERT_EQ(both.size(), 1u);
  EXPECT_EQ(both[0].absentTeachers, (std::vector{No("CEM"), No("DENİZ")}));
  EXPECT_FALSE(both[0].keptByCoTeacher());

  // Hours: ALİ away at 3 and 4 loses hour 3 only; the whole day loses 2 and 3.
  const std::vector<AffectedLesson> part = AffectedLessons(school, kMonday, {{No("ALİ"), {3, 4}}});
  ASSERT_EQ(part.size(), 1u);
  EXPECT_EQ(part[0].hour, 3);
  EXPECT_EQ(part[0].lesson, b.LessonNo("MATEMATİK"));
  EXPECT_EQ(AffectedLessons(school, kMonday, {{No("ALİ"), {}}}).size(), 2u);
  EXPECT_TRUE(AffectedLessons(school, 2, {{No("ALİ"), {}}}).empty());
}

TEST(AffectedLessonsTest, ACommonLessonListsEveryClassOfIt) {
  SchoolBuilder b;
  b.Class("9", "A").Lesson("BEDEN EĞİTİMİ", 2, "1+1");
  b.Class("9", "B").Lesson("BEDEN EĞİTİMİ", 2, "1+1");
  b.Common({"9 A", "9 B"}, "BEDEN EĞİTİMİ").Teacher("MERT").Teach();
  b.Place("9 A", "BEDEN EĞİTİMİ", 1, 2, 1);
  const School school = b.Build();
  const std::vector<AffectedLesson> a = AffectedLessons(school, 2, {{b.TeacherNo("MERT"), {}}});
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(a[0].classes, (std::vector{b.ClassNo("9 A"), b.ClassNo("9 B")}));
}

// One absent teacher at Monday hour 1 and one other teacher, set up each way.
NoneFree WhyForOther(const std::function<void(School&, int other)>& change) {
  SchoolBuilder b;
  b.Class("9", "A").Lesson("TARİH", 2, "1+1").Teacher("ALİ").Teach().Place("9 A", "TARİH", 1, 1, 1);
  b.Class("9", "B")
      .Lesson("TARİH", 2, "1+1")
      .Teacher("BORA")
      .Teach()
      .Place("9 B", "TARİH", 1, 1, 2);
  School school = b.Build();
  change(school, b.TeacherNo("BORA"));
  const DayContext context = MakeDayContext(1, {{b.TeacherNo("ALİ"), {}}});
  return WhyNoneFree(school, context, 1);
}

TEST(WhyNoneFreeTest, NamesTheStrongestReason) {
  EXPECT_EQ(WhyForOther([](School&, int) {}), NoneFree::kSomeone);
  EXPECT_EQ(
      WhyForOther([](School& s, int o) { s.TeacherGridByNo(o)->open[CellIndex(1, 1) - 1] = 0; }),
      NoneFree::kClosed);
  EXPECT_EQ(WhyForOther([](School& s, int o) {
              s.Settings.maxHoursPerDay = 1;
              s.TeacherGridByNo(o)->special.maxHoursPerDay = 1;
            }),
            NoneFree::kDailyMax);
  EXPECT_EQ(WhyForOther([](School& s, int o) {
              // Teaching at the hour: BORA's lesson moved there by hand.
              TTeacherGridRec& g = *s.TeacherGridByNo(o);
              g.occupant[CellIndex(1, 1) - 1] = g.occupant[CellIndex(1, 2) - 1];
            }),
            NoneFree::kEveryoneBusy);
}

TEST(ParseHoursTest, ReadsListsAndRangesWithinTheDay) {
  EXPECT_EQ(ParseHours("2"), std::vector{2});
  EXPECT_EQ(ParseHours("5,1-3,2"), (std::vector{1, 2, 3, 5}));
  EXPECT_EQ(ParseHours("16"), std::vector{16});
  EXPECT_EQ(ParseHours("1-1"), std::vector{1});
  for (const char* bad : {"", "0", "17", "3-2", "1,", ",1", "1-", "a", "1-17", "2 "})
    EXPECT_FALSE(ParseHours(bad)) << bad;
}

}  // namespace
}  // namespace kalvodrin
