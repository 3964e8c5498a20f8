// Messages put together in fixed-size buffers: a long name cuts the text at the
// buffer's limits, a short one leaves it whole.

#include <gtest/gtest.h>

#include "core/field_text.h"
#include "school_builder.h"
#include "staffing/staffing_texts.h"

namespace kalvodrin {
namespace {

TEST(BoundedTexts, PiecesAreCutAtTheirLimitsInCharacters) {
  EXPECT_EQ(BoundedText({{"ÇAĞLA", 3}, {"ÖZ", 4}}), "ÇAĞÖ");
  EXPECT_EQ(BoundedText({{"ab", 2}, {"c", 3}}), "abc");
  EXPECT_EQ(BoundedText({{"abc", 2}, {"d", 2}}), "ab");
}

TEST(BoundedTexts, TakeAwayConfirmationAndRoomTitle) {
  SchoolBuilder b;
  b.Teacher("ALİ").Teacher("ABDURRAHMAN ŞEREFETTİN KARAOĞ");  // 29 characters
  b.Class("9", "FEN").Lesson("MATEMATİK", 4, "2+2")
      .Lesson("TÜRK DİLİ VE EDEBİYATI SEÇMELİ", 4, "2+2");
  School s = b.Build();
  EXPECT_EQ(TakeAwayConfirm(s, 1, 1, b.LessonNo("MATEMATİK")),
            "ALİ adındaki öğretmenden, 9 FEN sınıfının MATEMATİK Dersi silinecek !");
  // 29 + 23 = 52 characters before the class fit the 53 of the buffer; the whole
  // stays within 125.
  const std::string longText = TakeAwayConfirm(s, 2, 1, b.LessonNo("TÜRK DİLİ VE EDEBİYATI SEÇMELİ"));
  EXPECT_EQ(longText,
            "ABDURRAHMAN ŞEREFETTİN KARAOĞ adındaki öğretmenden, 9 FEN sınıfının TÜRK DİLİ VE "
            "EDEBİYATI SEÇMELİ Dersi silinecek !");
  EXPECT_EQ(LessonRoomsTitle(s, 1, b.LessonNo("MATEMATİK")),
            "9 FEN sınıfı MATEMATİK dersinin okutulduğu derslikler");
  // 30-character lesson: 9 + 1 + 3 + 8 = 21, + 30 = 51, + 31 = 82, nothing cut.
  EXPECT_EQ(LessonRoomsTitle(s, 1, b.LessonNo("TÜRK DİLİ VE EDEBİYATI SEÇMELİ")),
            "9 FEN sınıfı TÜRK DİLİ VE EDEBİYATI SEÇMELİ dersinin okutulduğu derslikler");
}

}  // namespace
}  // namespace kalvodrin
