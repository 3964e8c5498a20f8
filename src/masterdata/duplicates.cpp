#include "masterdata/duplicates.h"

#include "core/turkish_text.h"

namespace kalvodrin {
namespace {

template <typename List>
int Find(const List& list, std::string_view name, int except) {
  for (const auto& r : list)
    if (r.number != except && r.name.view() == name) return r.number;
  return 0;
}

}  // namespace

int SameNamed(const School& school, EntityKind kind, std::string_view name,
              std::string_view section, int except) {
  const std::string upper = TurkUpCaseText(name);
  if (upper.empty()) return 0;
  switch (kind) {
    case EntityKind::kLesson: return Find(school.Lessons, upper, except);
    case EntityKind::kRoom: return Find(school.Rooms, upper, except);
    case EntityKind::kTeacher: return Find(school.Teachers, upper, except);
    case EntityKind::kClass: {
      const std::string sectionUpper = TurkUpCaseText(section);
      for (const TClassRec& c : school.Classes)
        if (c.number != except && c.name.view() == upper && c.section.view() == sectionUpper)
          return c.number;
      return 0;
    }
    case EntityKind::kLessonGroup: return 0;
  }
  return 0;
}

std::string DuplicateQuestion(const School& school, EntityKind kind, std::string_view name,
                              std::string_view section, int except) {
  if (SameNamed(school, kind, name, section, except) == 0) return "";
  const std::string shown = Cp1254ToUtf8(TurkUpCaseText(name));
  const char* ask = " Yine de kaydedilsin mi?";
  switch (kind) {
    case EntityKind::kLesson: return shown + " adında bir ders zaten var." + ask;
    case EntityKind::kRoom: return shown + " adında bir derslik zaten var." + ask;
    case EntityKind::kTeacher: return shown + " adında bir öğretmen zaten var." + ask;
    case EntityKind::kClass:
      return shown + " " + Cp1254ToUtf8(TurkUpCaseText(section)) + " sınıfı zaten var." + ask;
    case EntityKind::kLessonGroup: break;
  }
  return "";
}

}  // namespace kalvodrin
