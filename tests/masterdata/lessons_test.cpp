#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/record_creation.h"
#include "masterdata/lessons.h"
#include "typed.h"

namespace kalvodrin {
namespace {

LessonFields Lesson(std::string_view utf8Name, std::string hours, std::string pattern,
                    std::string_view shortName = "K") {
  return {Cp(utf8Name), Cp(shortName), std::move(hours), std::move(pattern)};
}

std::vector<std::string> PoolNames(const School& school) {
  std::vector<std::string> names;
  for (const TLessonRec& l : school.Lessons) names.push_back(Utf(l.name.view()));
  return names;
}

TEST(LessonFields, PatternMustSplitTheWeeklyHoursIntoNonIncreasingBlocks) {
  struct Case {
    std::string hours, pattern;
    bool valid;
  };
  const Case cases[] = {
      {"5", "2+2+1", true},      {"5", "2+1+2", false}, {"5", "5", true},
      {"5", "1+1+1+1+1", true},  {"0", "0", true},      {"3", "2+1", true},
      {"3", "1+2", false},       {"3", "2+2", false},   {"3", "2+1+", false},
      {"3", "+3", false},        {"3", "2++1", false},  {"3", "2+a", false},
      {"10", "1+1+1+1+1+1+1+1+1+1", false},  // more than 10 characters, 10 parts
      {"", "3", false},          {"3", "", false},      {"123", "3", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LessonFieldsValid(Lesson("MATEMATİK", c.hours, c.pattern)), c.valid)
        << c.hours << " " << c.pattern;
  EXPECT_FALSE(LessonFieldsValid(Lesson("", "3", "3")));
  EXPECT_FALSE(LessonFieldsValid(Lesson("FİZİK", "3", "3", "")));
}

TEST(NewLesson, PoolStaysInTurkishOrderAndNamesAreStoredInCapitals) {
  School school;
  for (const char* name : {"sosyal", "din", "coğrafya", "şan", "çevre"})
    ASSERT_TRUE(SaveNewLesson(school, Lesson(name, "2", "2")).done());
  EXPECT_EQ(PoolNames(school),
            (std::vector<std::string>{"COĞRAFYA", "ÇEVRE", "DİN", "SOSYAL", "ŞAN"}));
  // i gives the dotted capital, ı the plain one.
  const Change c = SaveNewLesson(school, Lesson("ıi bilgi", "1", "1", "bıl"));
  ASSERT_TRUE(c.done());
  EXPECT_EQ(Utf(school.LessonByNo(c.number)->name.view()), "Iİ BİLGİ");
  EXPECT_EQ(Utf(school.LessonByNo(c.number)->shortName.view()), "BIL");
  EXPECT_EQ(PoolNames(school), (std::vector<std::string>{"COĞRAFYA", "ÇEVRE", "DİN",
                                                        "Iİ BİLGİ", "SOSYAL", "ŞAN"}));
}

TEST(NewLesson, TakesLowestFreeNumberDefaultsAndWritesOnlyTheLessonFile) {
  School school;
  AddLesson(school, 1, "A", "A", 0, 1, {1}, 0);
  AddLesson(school, 3, "C", "C", 0, 1, {1}, 0);
  school.ReindexLessons();
  const Change c = SaveNewLesson(
      school, Lesson("uzun bir ders adı otuz karakteri aşıyor", "5", "2+2+1", "kısaad"));
  ASSERT_EQ(c.outcome, Outcome::kDone);
  EXPECT_EQ(c.number, 2);
  EXPECT_EQ(c.files, FileSet{DataFile::kLessons});
  const TLessonRec& l = *school.LessonByNo(2);
  EXPECT_EQ(l.name.view().size(), 30u);
  EXPECT_EQ(Utf(l.shortName.view()), "KISA");
  EXPECT_EQ(l.weeklyHours, 5);
  EXPECT_EQ(l.pattern, (PatternBytes{2, 2, 1, 0, 0}));
  EXPECT_EQ(l.blockCount, 3);
  EXPECT_EQ(l.group, 0);
  EXPECT_EQ(l.divisible, 0);
  EXPECT_EQ(l.notAtHour, 0);
  EXPECT_EQ(l.notAfterHour, 0);
}

TEST(NewLesson, InvalidFieldsAndA256thLessonChangeNothing) {
  School school;
  EXPECT_EQ(SaveNewLesson(school, Lesson("FİZİK", "3", "1+2")).outcome, Outcome::kInvalid);
  for (int n = 1; n <= 255; ++n) AddLesson(school, n, "X", "X", 0, 1, {1}, 0);
  school.ReindexLessons();
  const Change c = SaveNewLesson(school, Lesson("FİZİK", "3", "3"));
  EXPECT_EQ(c.outcome, Outcome::kFull);
  EXPECT_TRUE(c.files.empty());
  EXPECT_EQ(school.Lessons.size(), 255u);
}

class LessonEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    AddLessonGroup(school, 1, Cp("SAYISAL"));
    AddLessonGroup(school, 2, Cp("SÖZEL"));
    AddLesson(school, 1, Cp("FİZİK"), "FZK", 0, 3, {2, 1}, 0);
    AddLesson(school, 2, Cp("KİMYA"), "KMY", 0, 2, {2}, 0);
    school.ReindexAll();
    for (int c : {1, 2}) {
      AddClassLesson(school, c, 1);
      AddClassLesson(school, c, 2);
    }
    school.ReindexClassLessons();
  }
  School school;
};

TEST_F(LessonEdit, ChangesReachEveryClassLessonOfTheLessonOnly) {
  LessonEditFields f = LessonEditFieldsOf(school, 1);
  f.main.name = Cp("ASTRONOMİ");
  f.main.weeklyHours = "4";
  f.main.pattern = "2+1+1";
  f.divisible = "E";
  f.group = Cp("SÖZEL");
  f.notAtHour = "3";
  const Change c = SaveLessonEdit(school, 1, f);
  ASSERT_TRUE(c.done());
  EXPECT_EQ(c.files, (FileSet{DataFile::kLessons, DataFile::kClassLessons}));
  const TLessonRec& l = *school.LessonByNo(1);
  EXPECT_EQ(l.group, 2);
  EXPECT_EQ(l.divisible, 1);
  EXPECT_EQ(l.notAtHour, 3);
  EXPECT_EQ(l.notAfterHour, 0);
  EXPECT_EQ(l.blockCount, 3);
  for (int k : {1, 2}) {
    const TClassLessonRec& cl = *school.ClassLessonAt(k, 1);
    EXPECT_EQ(cl.pattern, (PatternBytes{2, 1, 1, 0, 0}));
    EXPECT_EQ(cl.blockCount, 3);
    EXPECT_EQ(cl.divisible, 1);
    EXPECT_EQ(school.ClassLessonAt(k, 2)->pattern, (PatternBytes{2, 0, 0, 0, 0}));
  }
}

TEST_F(LessonEdit, RenamedLessonKeepsItsPlaceUntilTheNextNewLesson) {
  LessonEditFields f = LessonEditFieldsOf(school, 1);
  f.main.name = Cp("ZOOLOJİ");
  ASSERT_TRUE(SaveLessonEdit(school, 1, f).done());
  EXPECT_EQ(school.Lessons[0].number, 1);
  ASSERT_TRUE(SaveNewLesson(school, Lesson("BİYOLOJİ", "2", "2")).done());
  EXPECT_EQ(PoolNames(school), (std::vector<std::string>{"BİYOLOJİ", "KİMYA", "ZOOLOJİ"}));
}

TEST_F(LessonEdit, FieldsShowTheStoredValuesAndUnknownGroupOrEmptyBoxesGiveZero) {
  LessonEditFields f = LessonEditFieldsOf(school, 1);
  EXPECT_EQ(f.main.pattern, "2+1");
  EXPECT_EQ(f.main.weeklyHours, "3");
  EXPECT_EQ(f.divisible, "H");
  EXPECT_EQ(f.group, "");
  EXPECT_EQ(f.notAtHour, "");
  f.group = Cp("YOK BÖYLE");
  f.divisible = "";  // an empty box reads as yes
  ASSERT_TRUE(SaveLessonEdit(school, 1, f).done());
  EXPECT_EQ(school.LessonByNo(1)->group, 0);
  EXPECT_EQ(school.LessonByNo(1)->divisible, 1);

  f.main.pattern = "1+2";
  const TLessonRec before = *school.LessonByNo(1);
  EXPECT_EQ(SaveLessonEdit(school, 1, f).outcome, Outcome::kInvalid);
  EXPECT_EQ(std::memcmp(&before, school.LessonByNo(1), sizeof before), 0);
  EXPECT_EQ(SaveLessonEdit(school, 9, f).outcome, Outcome::kNotFound);
}

TEST(LessonGroups, NewGroupsKeepCreationOrderAndNamesAreCutTo20) {
  School school;
  ASSERT_EQ(SaveNewLessonGroup(school, Cp("sözel")).number, 1);
  const Change c = SaveNewLessonGroup(school, Cp("abcdefghijklmnopqrstuvwxyz"));
  ASSERT_TRUE(c.done());
  EXPECT_EQ(c.files, FileSet{DataFile::kLessonGroups});
  EXPECT_EQ(Utf(school.LessonGroups[1].name.view()), "ABCDEFGHİJKLMNOPQRST");  // i is İ
  EXPECT_EQ(Utf(school.LessonGroups[0].name.view()), "SÖZEL");
  EXPECT_EQ(SaveNewLessonGroup(school, "").outcome, Outcome::kInvalid);
  EXPECT_EQ(SaveLessonGroupEdit(school, 2, "").outcome, Outcome::kInvalid);
  ASSERT_TRUE(SaveLessonGroupEdit(school, 2, Cp("dil")).done());
  EXPECT_EQ(Utf(school.LessonGroupByNo(2)->name.view()), "DİL");
}

}  // namespace
}  // namespace kalvodrin

namespace kalvodrin {
namespace {

// The reason beside a grey save button names what to fix, and agrees with the rule.
TEST(LessonFieldsProblem, NamesTheMissingFieldOrWhatIsWrongWithThePattern) {
  const auto problem = [](const char* hours, const char* pattern) {
    return LessonFieldsProblem({"FİZİK", "FİZ", hours, pattern});
  };
  EXPECT_EQ(LessonFieldsProblem({"", "", "", ""}), "DERSİN ADI girilmedi");
  EXPECT_EQ(LessonFieldsProblem({"FİZİK", "", "3", "2+1"}), "KISA ADI girilmedi");
  EXPECT_EQ(problem("", "2+1"), "HAFTALIK DERS SAATİ girilmedi");
  EXPECT_EQ(problem("3", ""), "YERLEŞTİRME BİÇİMİ girilmedi");
  EXPECT_EQ(problem("5", "2+3"), "2+3: bloklar büyükten küçüğe yazılır");
  EXPECT_EQ(problem("4", "2+1"), "2+1 = 3, haftalık ders saati 4");
  EXPECT_EQ(problem("2", "2+1"), "2+1 = 3, haftalık ders saati 2");
  EXPECT_EQ(problem("3", "2+1+"), "2+1+: her + işaretinin iki yanında bir sayı olur");
  EXPECT_EQ(problem("3", "+3"), "+3: her + işaretinin iki yanında bir sayı olur");
  EXPECT_EQ(problem("6", "1+1+1+1+1+1"), "1+1+1+1+1+1: en çok 5 blok yazılır");
  for (const char* ok : {"3", "2+1", "1+1+1"}) {
    EXPECT_EQ(problem("3", ok), "") << ok;
    EXPECT_TRUE(LessonFieldsValid({"FİZİK", "FİZ", "3", ok})) << ok;
  }
  EXPECT_EQ(problem("5", "2+2+1"), "");
}

TEST(LessonEditProblem, AGroupTextThatNamesNoGroupIsNotTakenForNoGroup) {
  School school;
  ASSERT_TRUE(SaveNewLessonGroup(school, "SAYISAL").done());
  LessonEditFields f{{"FİZİK", "FİZ", "3", "2+1"}, "SAYISAL", "H", "", ""};
  EXPECT_EQ(LessonEditProblem(school, f), "");
  f.group = "";
  EXPECT_EQ(LessonEditProblem(school, f), "");
  f.group = "SAYI";
  EXPECT_EQ(LessonEditProblem(school, f), "GRUBU: SAYI adında ders grubu yok");
}

}  // namespace
}  // namespace kalvodrin
