#include "masterdata/guidance.h"

#include "core/settings_record.h"
#include "core/turkish_text.h"
#include "masterdata/entry_text.h"

namespace kalvodrin {
namespace {

int ShownDay(uint8_t day) { return day >= 1 && day <= kDays ? day : 1; }

std::string ShownHour(uint8_t hour) { return hour == 0 ? std::string() : std::to_string(hour); }

bool DayValid(int day) { return day >= 1 && day <= kDays; }

// The hour a box stores: nothing for an empty box; -1 for a text that is no hour.
std::optional<int> BoxHour(const std::string& text) {
  if (text.empty()) return std::nullopt;
  return DigitsValue(text, 2).value_or(-1);
}

}  // namespace

std::vector<ListColumn> GuidanceColumns() { return {{"NO", true}, {"DERSİN ADI"}, {"HDS"}}; }

std::vector<ListRow> GuidanceRows(const School& school) {
  std::vector<ListRow> rows;
  for (const TLessonRec& l : school.Lessons)
    rows.push_back(
        {l.number,
         {std::to_string(l.number), Cp1254ToUtf8(l.name.view()), std::to_string(l.weeklyHours)}});
  return rows;
}

GuidanceEntry GuidanceEntryOf(const School& school) {
  const TSettingsRec& s = school.Settings;
  GuidanceEntry e;
  e.lesson = school.LessonByNo(s.guidanceLesson) != nullptr ? s.guidanceLesson : 0;
  e.dayMorning = ShownDay(s.guidanceDayMorning);
  e.hourMorning = ShownHour(s.guidanceHourMorning);
  e.dayAfternoon = ShownDay(s.guidanceDayAfternoon);
  e.hourAfternoon = ShownHour(s.guidanceHourAfternoon);
  return e;
}

void ClearGuidance(GuidanceEntry& entry) {
  entry.lesson = 0;
  entry.hourMorning.clear();
  entry.hourAfternoon.clear();
  entry.hoursCleared = true;
}

Change StoreGuidance(School& school, const GuidanceEntry& entry) {
  const bool lesson = school.LessonByNo(entry.lesson) != nullptr;
  const std::optional<int> morning = BoxHour(entry.hourMorning);
  const std::optional<int> afternoon = BoxHour(entry.hourAfternoon);
  if (lesson) {
    for (const std::optional<int>& hour : {morning, afternoon}) {
      if (hour && *hour < 0) return Refused(Outcome::kInvalid);
      if (hour && *hour > kHoursPerDay) return Refused(Outcome::kHourOutOfRange);
    }
    if (!DayValid(entry.dayMorning) || !DayValid(entry.dayAfternoon))
      return Refused(Outcome::kInvalid);
  }
  TSettingsRec& s = school.Settings;
  s.guidanceLesson = static_cast<uint8_t>(lesson ? entry.lesson : 0);
  if (entry.hoursCleared) s.guidanceHourMorning = s.guidanceHourAfternoon = 0;
  if (lesson) {
    s.guidanceDayMorning = static_cast<uint8_t>(entry.dayMorning);
    s.guidanceDayAfternoon = static_cast<uint8_t>(entry.dayAfternoon);
    if (morning) s.guidanceHourMorning = static_cast<uint8_t>(*morning);
    if (afternoon) s.guidanceHourAfternoon = static_cast<uint8_t>(*afternoon);
  }
  return {Outcome::kDone, {DataFile::kSettings}, s.guidanceLesson};
}

}  // namespace kalvodrin
