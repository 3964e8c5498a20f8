#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/turkish_text.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

using testing::Cp;

// Sorts UTF-8 names by their Turkish sort key, as the lesson list does.
std::vector<std::string> SortedByKey(std::vector<std::string> names) {
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return TurkSortKey(Cp(a)) < TurkSortKey(Cp(b));
  });
  return names;
}

TEST(TurkUpCase, MapsTurkishLettersBeforeAscii) {
  EXPECT_EQ(TurkUpCase(Cp("ı")[0]), 'I');
  EXPECT_EQ(TurkUpCase('i'), Cp("İ")[0]);
  EXPECT_EQ(TurkUpCaseText(Cp("çığlık")), Cp("ÇIĞLIK"));
  EXPECT_EQ(TurkUpCaseText(Cp("öğüş az")), Cp("ÖĞÜŞ AZ"));
  EXPECT_EQ(TurkUpCaseText("9-a 2+2"), "9-A 2+2");
  EXPECT_EQ(TurkUpCaseText(Cp("ÇİZİM")), Cp("ÇİZİM"));  // capitals stay
}

TEST(TurkSortKey, KeepsTheAlphabeticalOrdersOfTurkish) {
  const std::vector<std::vector<std::string>> orders = {
      {"CEM", "ÇAM", "DAL"},        {"ISI", "İPEK", "JOKER"}, {"OYA", "ÖZ", "PINAR"},
      {"SU", "ŞEN", "TAŞ"},         {"UZAY", "ÜZÜM", "VAZO"}, {"GÜL", "ĞAĞ", "HAN"},
  };
  for (const auto& order : orders) {
    std::vector<std::string> reversed(order.rbegin(), order.rend());
    EXPECT_EQ(SortedByKey(reversed), order);
  }
}

// Letters give three-digit numbers, blanks and digits two; written with mixed widths
// the keys put a longer name before its own prefix's continuation.
TEST(TurkSortKey, WritesEveryCharacterWithThreeDigits) {
  EXPECT_EQ(TurkSortKey(" "), "064");
  EXPECT_EQ(TurkSortKey("A"), "130");
  EXPECT_EQ(TurkSortKey(Cp("Ç")), "135");
  EXPECT_EQ(TurkSortKey(Cp("Ü")), "171");
  EXPECT_EQ(TurkSortKey(Cp("ÇA")).size(), 6u);
  EXPECT_EQ(SortedByKey({"TÜRKÇE", "TÜRK DİLİ VE EDEBİYATI"}),
            (std::vector<std::string>{"TÜRK DİLİ VE EDEBİYATI", "TÜRKÇE"}));
  EXPECT_EQ(SortedByKey({"DİNLER", "DİN KÜLTÜRÜ"}),
            (std::vector<std::string>{"DİN KÜLTÜRÜ", "DİNLER"}));
  EXPECT_EQ(SortedByKey({"2", "1", "10"}), (std::vector<std::string>{"1", "10", "2"}));
  EXPECT_EQ(SortedByKey({"A", "9", ".", " A"}), (std::vector<std::string>{" A", ".", "9", "A"}));
  EXPECT_EQ(SortedByKey({"FİZİK", "BİLGİSAYAR", "ÇİZİM", "DİN"}),
            (std::vector<std::string>{"BİLGİSAYAR", "ÇİZİM", "DİN", "FİZİK"}));
}

TEST(Cp1254, EveryByteSurvivesUtf8AndBack) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Cp1254ToUtf8(all);
  EXPECT_EQ(Utf8ToCp1254(utf8), all);
  EXPECT_EQ(Cp1254ToUtf8(Cp("ĞÜŞİÖÇığüşiöç€")), "ĞÜŞİÖÇığüşiöç€");
}

TEST(Cp1254, RefusesWhatItCannotWrite) {
  EXPECT_FALSE(Utf8ToCp1254("日本").has_value());
  EXPECT_FALSE(Utf8ToCp1254("\xC4").has_value());       // cut-off sequence
  EXPECT_FALSE(Utf8ToCp1254("A\x80Z").has_value());     // stray continuation byte
  EXPECT_FALSE(Utf8ToCp1254("\xF0\x9F\x98\x80").has_value());  // emoji
  EXPECT_EQ(UserTextToCp1254("çiğ日"), Cp("ÇİĞ?"));
  EXPECT_EQ(UserTextToCp1254("a\xC4"), "A?");
}

}  // namespace
}  // namespace kalvodrin
