#include "scheduler/placement_style.h"

#include "core/field_text.h"
#include "core/pattern.h"
#include "core/turkish_text.h"

namespace kalvodrin {
namespace {

// The field holds ten characters; the pattern bytes hold five blocks.
constexpr std::size_t kPatternChars = 10;

bool PatternCharsValid(std::string_view text) {
  if (text.empty() || text.size() > kPatternChars) return false;
  for (char c : text)
    if (c != '+' && (c < '0' || c > '9')) return false;
  return true;
}

}  // namespace

PlacementStyleView PlacementStyleOf(const School& school, int classNo, int lesson) {
  PlacementStyleView v;
  const TClassRec* c = school.ClassByNo(classNo);
  const TLessonRec* l = school.LessonByNo(lesson);
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  if (c == nullptr || l == nullptr || cl == nullptr) return v;
  v.found = true;
  v.className = Cp1254ToUtf8(c->name.view());
  if (!c->section.empty()) v.className += " " + Cp1254ToUtf8(c->section.view());
  v.lessonName = Cp1254ToUtf8(l->name.view());
  v.weeklyHours = l->weeklyHours;
  v.entry.divisible = FlagToYesNo(cl->divisible);
  v.entry.pattern = PatternText(cl->pattern);
  return v;
}

bool PlacementStyleStorable(const School& school, int lesson, const PlacementStyleEntry& entry) {
  const TLessonRec* l = school.LessonByNo(lesson);
  if (l == nullptr) return false;
  if (entry.divisible != "E" && entry.divisible != "H") return false;
  return PatternCharsValid(entry.pattern) && ParsePattern(l->weeklyHours, entry.pattern).valid;
}

Change StorePlacementStyle(School& school, int classNo, int lesson,
                           const PlacementStyleEntry& entry) {
  TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  if (cl == nullptr) return Refused(Outcome::kNotFound);
  if (!PlacementStyleStorable(school, lesson, entry)) return Refused(Outcome::kInvalid);
  cl->divisible = YesNoToFlag(entry.divisible);
  cl->pattern = ParsePattern(school.LessonByNo(lesson)->weeklyHours, entry.pattern).blocks;
  cl->blockCount = static_cast<uint8_t>(CountBlocks(cl->pattern));
  return {Outcome::kDone, {DataFile::kClassLessons}, lesson};
}

}  // namespace kalvodrin
