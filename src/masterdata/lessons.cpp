#include "masterdata/lessons.h"

#include <algorithm>
#include <vector>

#include "core/field_text.h"
#include "core/ordering.h"
#include "core/pattern.h"
#include "core/record_creation.h"
#include "core/turkish_text.h"
#include "engine/counts.h"
#include "masterdata/entry_text.h"

namespace kalvodrin {
namespace {

constexpr std::size_t kPatternChars = 10;

bool PatternCharsValid(std::string_view pattern) {
  if (pattern.empty() || pattern.size() > kPatternChars) return false;
  for (char c : pattern)
    if (c != '+' && (c < '0' || c > '9')) return false;
  return true;
}

// An empty box means 0; anything else must be up to two digits.
bool OptionalHourValid(std::string_view text) {
  return text.empty() || DigitsValue(text, 2).has_value();
}

int OptionalHour(std::string_view text) { return DigitsValue(text, 2).value_or(0); }

std::string HourBox(uint8_t hour) { return hour == 0 ? std::string() : std::to_string(hour); }

}  // namespace

bool LessonFieldsValid(const LessonFields& fields) {
  if (fields.name.empty() || fields.shortName.empty()) return false;
  const std::optional<int> hours = DigitsValue(fields.weeklyHours, 2);
  if (!hours || !PatternCharsValid(fields.pattern)) return false;
  return ParsePattern(*hours, fields.pattern).valid;
}

bool LessonEditFieldsValid(const LessonEditFields& fields) {
  return LessonFieldsValid(fields.main) && OptionalHourValid(fields.notAtHour) &&
         OptionalHourValid(fields.notAfterHour);
}

std::string LessonFieldsProblem(const LessonFields& fields) {
  const struct {
    const std::string& text;
    const char* label;
  } required[] = {{fields.name, "DERSİN ADI"},
                  {fields.shortName, "KISA ADI"},
                  {fields.weeklyHours, "HAFTALIK DERS SAATİ"},
                  {fields.pattern, "YERLEŞTİRME BİÇİMİ"}};
  for (const auto& r : required)
    if (r.text.empty()) return std::string(r.label) + " girilmedi";
  if (LessonFieldsValid(fields)) return "";
  const std::string& text = fields.pattern;
  std::vector<int> blocks;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t plus = std::min(text.find('+', start), text.size());
    if (plus == start) return text + ": her + işaretinin iki yanında bir sayı olur";
    const std::optional<int> block = DigitsValue(text.substr(start, plus - start), 2);
    if (!block) return text + ": yerleştirme biçimi geçersiz";
    blocks.push_back(*block);
    start = plus + 1;
  }
  if (blocks.size() > 5) return text + ": en çok 5 blok yazılır";
  for (std::size_t i = 1; i < blocks.size(); ++i)
    if (blocks[i] > blocks[i - 1]) return text + ": bloklar büyükten küçüğe yazılır";
  int sum = 0;
  for (int b : blocks) sum += b;
  const std::optional<int> hours = DigitsValue(fields.weeklyHours, 2);
  if (hours && sum != *hours)
    return text + " = " + std::to_string(sum) + ", haftalık ders saati " + std::to_string(*hours);
  return text + ": yerleştirme biçimi geçersiz";
}

std::string LessonEditProblem(const School& school, const LessonEditFields& fields) {
  std::string problem = LessonFieldsProblem(fields.main);
  if (problem.empty() && !fields.group.empty() && FindLessonGroup(school, fields.group) == 0)
    problem = "GRUBU: " + Cp1254ToUtf8(fields.group) + " adında ders grubu yok";
  return problem;
}

LessonEditFields LessonEditFieldsOf(const School& school, int number) {
  const TLessonRec* l = school.LessonByNo(number);
  if (l == nullptr) return {};
  const TLessonGroupRec* g = l->group == 0 ? nullptr : school.LessonGroupByNo(l->group);
  LessonEditFields f;
  f.main = {l->name.str(), l->shortName.str(), std::to_string(l->weeklyHours),
            PatternText(l->pattern)};
  f.group = g == nullptr ? std::string() : g->name.str();
  f.divisible = FlagToYesNo(l->divisible);
  f.notAtHour = HourBox(l->notAtHour);
  f.notAfterHour = HourBox(l->notAfterHour);
  return f;
}

Change SaveNewLesson(School& school, const LessonFields& fields) {
  if (!LessonFieldsValid(fields)) return Refused(Outcome::kInvalid);
  const int number = NextFreeNumber(school.Lessons);
  if (number == 0) return Refused(Outcome::kFull);
  const int hours = *DigitsValue(fields.weeklyHours, 2);
  AddLesson(school, number, StoredText(fields.name, 30), StoredText(fields.shortName, 4), 0,
            hours, ParsePattern(hours, fields.pattern).blocks, 0);
  SortLessons(school);
  return {Outcome::kDone, {DataFile::kLessons}, number};
}

Change SaveLessonEdit(School& school, int number, const LessonEditFields& fields) {
  TLessonRec* l = school.LessonByNo(number);
  if (l == nullptr) return Refused(Outcome::kNotFound);
  if (!LessonEditFieldsValid(fields)) return Refused(Outcome::kInvalid);
  const int hours = *DigitsValue(fields.main.weeklyHours, 2);
  l->name.assign(StoredText(fields.main.name, 30));
  l->shortName.assign(StoredText(fields.main.shortName, 4));
  l->weeklyHours = static_cast<uint8_t>(hours);
  l->pattern = ParsePattern(hours, fields.main.pattern).blocks;
  l->blockCount = static_cast<uint8_t>(CountBlocks(l->pattern));
  l->divisible = YesNoToFlag(fields.divisible);
  l->group = static_cast<uint8_t>(FindLessonGroup(school, fields.group));
  l->notAtHour = static_cast<uint8_t>(OptionalHour(fields.notAtHour));
  l->notAfterHour = static_cast<uint8_t>(OptionalHour(fields.notAfterHour));
  // Class lessons carry copies of these three so that placement needs no lookup.
  for (TClassLessonRec& cl : school.ClassLessons) {
    if (cl.lesson != number) continue;
    cl.pattern = l->pattern;
    cl.blockCount = l->blockCount;
    cl.divisible = l->divisible;
  }
  // The totals a run steers by are sums of weekly hours: they follow the new hours.
  Change change{Outcome::kDone, {DataFile::kLessons, DataFile::kClassLessons}, number};
  change.files.add(RecountTotalsOfLesson(school, number));
  return change;
}

Change SaveNewLessonGroup(School& school, std::string_view name) {
  if (name.empty()) return Refused(Outcome::kInvalid);
  const int number = NextFreeNumber(school.LessonGroups);
  if (number == 0) return Refused(Outcome::kFull);
  AddLessonGroup(school, number, StoredText(name, 20));
  school.ReindexLessonGroups();
  return {Outcome::kDone, {DataFile::kLessonGroups}, number};
}

Change SaveLessonGroupEdit(School& school, int number, std::string_view name) {
  TLessonGroupRec* g = school.LessonGroupByNo(number);
  if (g == nullptr) return Refused(Outcome::kNotFound);
  if (name.empty()) return Refused(Outcome::kInvalid);
  g->name.assign(StoredText(name, 20));
  return {Outcome::kDone, {DataFile::kLessonGroups}, number};
}

}  // namespace kalvodrin
