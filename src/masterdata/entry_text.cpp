#include "masterdata/entry_text.h"

#include "core/field_text.h"
#include "core/turkish_text.h"

namespace kalvodrin {
namespace {

std::string KindName(EntityKind kind) {
  switch (kind) {
    case EntityKind::kLessonGroup: return "DERS GRUBU";
    case EntityKind::kLesson: return "DERS";
    case EntityKind::kClass: return "SINIF";
    case EntityKind::kRoom: return "DERSLİK";
    case EntityKind::kTeacher: return "ÖĞRETMEN";
  }
  return "";
}

std::string DayPrefix(int day) {
  const std::string_view name = DayName(day);
  return name.empty() || day > 5 ? std::string() : std::string(name) + ": ";
}

std::string Utf8(std::string_view cp1254) { return Cp1254ToUtf8(cp1254); }

}  // namespace

std::string NoticeText(Outcome outcome, EntityKind kind, int day) {
  switch (outcome) {
    case Outcome::kDone:
    case Outcome::kUnchanged: return "";
    case Outcome::kInvalid: return "Girilen bilgiler eksik ya da hatalı.";
    case Outcome::kFull:
      return "En çok 255 " + KindName(kind) + " kaydedilebilir; yeni kayıt açılamaz.";
    case Outcome::kNotFound: return "Seçili " + KindName(kind) + " bulunamadı.";
    case Outcome::kHourOutOfRange:
      return DayPrefix(day) + "Ders saati 16'dan büyük olamaz.";
    case Outcome::kFirstAfterLast:
      return DayPrefix(day) + "İlk ders saati son ders saatinden sonra olamaz.";
    case Outcome::kHalfEmptyDay:
      return DayPrefix(day) +
             "Dersi olmayan günün ilk ve son ders saati 0 yazılır; yalnız biri 0 olamaz.";
    case Outcome::kNoAnnexFlag:
      return "Numarası 250'den büyük bir sınıf EKBİNA olarak işaretlenemez.";
    default: return "";  // the refusals of other areas' commands
  }
}

std::string StoredText(std::string_view typed, std::size_t width) {
  std::string text = TurkUpCaseText(typed);
  if (text.size() > width) text.resize(width);
  return text;
}

std::optional<int> DigitsValue(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string DeleteConfirmText(const School& school, EntityKind kind, int number) {
  switch (kind) {
    case EntityKind::kLessonGroup:
      if (const TLessonGroupRec* g = school.LessonGroupByNo(number))
        return Utf8(g->name.view()) + " Ders Grubu silinecek !";
      break;
    case EntityKind::kLesson:
      if (const TLessonRec* l = school.LessonByNo(number))
        return Utf8(l->name.view()) + " Dersi silinecek !";
      break;
    case EntityKind::kClass:
      if (const TClassRec* c = school.ClassByNo(number))
        return Utf8(c->name.view()) + " " + Utf8(c->section.view()) + " Sınıfı silinecek !";
      break;
    case EntityKind::kRoom:
      if (const TRoomRec* r = school.RoomByNo(number))
        return Utf8(r->name.view()) + " Dersliği silinecek !";
      break;
    case EntityKind::kTeacher:
      if (const TTeacherRec* t = school.TeacherByNo(number))
        return Utf8(t->name.view()) + " adındaki öğretmen silinecek !";
      break;
  }
  return "";
}

}  // namespace kalvodrin
