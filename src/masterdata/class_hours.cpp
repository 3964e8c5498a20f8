#include "masterdata/class_hours.h"

#include "core/turkish_text.h"
#include "engine/counts.h"
#include "masterdata/entry_text.h"

namespace kalvodrin {
namespace {

std::string HourText(uint8_t hour) { return std::to_string(hour); }

// A teacher's window cells and the morning/afternoon split of the teacher's hours
// follow the windows of the classes taught. Returns whether any teacher was counted.
bool CountTeachersOfClass(School& school, int classNo) {
  std::array<bool, 256> counted{};
  for (const TTeacherLessonRec& tl : school.TeacherLessons) {
    if (tl.classNo != classNo || counted[tl.teacher]) continue;
    counted[tl.teacher] = true;
    CountTeacherHours(school, tl.teacher);
  }
  for (bool c : counted)
    if (c) return true;
  return false;
}

}  // namespace

ClassHours ClassHoursOf(const School& school, int classNo) {
  const TClassGridRec* g = school.ClassGridByNo(classNo);
  if (g == nullptr) return {};
  return {g->firstHour, g->lastHour};
}

ClassHourTexts ClassHourTextsOf(const ClassHours& hours) {
  ClassHourTexts texts;
  for (std::size_t d = 0; d < 5; ++d) {
    texts[2 * d] = HourText(hours.first[d]);
    texts[2 * d + 1] = HourText(hours.last[d]);
  }
  return texts;
}

std::optional<ClassHours> ClassHoursFromTexts(const ClassHourTexts& texts) {
  ClassHours hours;
  for (std::size_t d = 0; d < 5; ++d) {
    const std::optional<int> first = DigitsValue(texts[2 * d], 2);
    const std::optional<int> last = DigitsValue(texts[2 * d + 1], 2);
    if (!first || !last) return std::nullopt;
    hours.first[d] = static_cast<uint8_t>(*first);
    hours.last[d] = static_cast<uint8_t>(*last);
  }
  return hours;
}

Change CheckClassHours(const ClassHours& hours) {
  for (std::size_t d = 0; d < 5; ++d) {
    const int day = static_cast<int>(d) + 1;
    if (hours.first[d] > kHoursPerDay || hours.last[d] > kHoursPerDay)
      return Refused(Outcome::kHourOutOfRange, day);
    if ((hours.first[d] == 0) != (hours.last[d] == 0)) return Refused(Outcome::kHalfEmptyDay, day);
    if (hours.first[d] > hours.last[d])
      return Refused(Outcome::kFirstAfterLast, day);
  }
  return {Outcome::kDone, {}, 0, 0};
}

Change SetClassHours(School& school, int classNo, const ClassHours& hours) {
  TClassGridRec* g = school.ClassGridByNo(classNo);
  if (school.ClassByNo(classNo) == nullptr || g == nullptr) return Refused(Outcome::kNotFound);
  if (Change check = CheckClassHours(hours); !check.done()) return check;
  if (ClassHours{g->firstHour, g->lastHour} == hours) return Refused(Outcome::kUnchanged);
  g->firstHour = hours.first;
  g->lastHour = hours.last;
  RecountClassFreeHours(school, classNo);
  Change change{Outcome::kDone, {DataFile::kClassGrids}, classNo};
  if (CountTeachersOfClass(school, classNo)) change.files.add(DataFile::kTeacherGrids);
  return change;
}

Change CopyClassHoursFromAbove(School& school, int classNo) {
  std::size_t i = 0;
  while (i < school.Classes.size() && school.Classes[i].number != classNo) ++i;
  if (i == school.Classes.size()) return Refused(Outcome::kNotFound);
  if (i == 0) return Refused(Outcome::kUnchanged);
  const TClassGridRec* above = school.ClassGridByNo(school.Classes[i - 1].number);
  if (above == nullptr) return Refused(Outcome::kUnchanged);
  return SetClassHours(school, classNo, ClassHours{above->firstHour, above->lastHour});
}

std::array<std::string, 16> StartTimeTexts(const School& school) {
  std::array<std::string, 16> texts;
  for (std::size_t h = 0; h < texts.size(); ++h) texts[h] = school.Settings.startTimes[h].str();
  return texts;
}

bool IsStartTime(std::string_view text) {
  if (text.empty()) return true;
  if (text.size() != 5 || text[2] != ':') return false;
  const std::optional<int> hours = DigitsValue(text.substr(0, 2), 2);
  const std::optional<int> minutes = DigitsValue(text.substr(3, 2), 2);
  return hours && minutes && *hours <= 23 && *minutes <= 59;
}

Change SaveStartTimes(School& school, const std::array<std::string, 16>& texts) {
  std::array<std::string, 16> stored;
  for (std::size_t h = 0; h < texts.size(); ++h) {
    stored[h] = StoredText(texts[h], 5);
    if (!IsStartTime(stored[h])) return {Outcome::kBadStartTime, {}, static_cast<int>(h) + 1};
  }
  for (std::size_t h = 0; h < texts.size(); ++h) school.Settings.startTimes[h].assign(stored[h]);
  return {Outcome::kDone, {DataFile::kSettings}, 0};
}

std::string StartTimeNotice(int hour, std::string_view typed) {
  return std::to_string(hour) + ". ders saatinin başlangıcı \"" + Cp1254ToUtf8(typed) +
         "\" olamaz. Saat SS:DD biçiminde yazılır (saat 00-23, dakika 00-59), örneğin 08:30.";
}

}  // namespace kalvodrin
