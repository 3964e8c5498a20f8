#include "duty/duties.h"

#include <algorithm>

#include "core/record_creation.h"
#include "engine/cascade.h"

namespace kalvodrin {
namespace {

const FileSet kDutyFiles{DataFile::kDutyPlaces, DataFile::kDuties};

bool Exists(const School& school, int place, int day, int teacher) {
  return std::any_of(school.Duties.begin(), school.Duties.end(), [&](const TDutyRec& d) {
    return d.place == place && d.day == day && d.teacher == teacher;
  });
}

}  // namespace

Change GiveDuty(School& school, int place, int day, int teacher) {
  if (school.DutyPlaceByNo(place) == nullptr || school.TeacherByNo(teacher) == nullptr)
    return Refused(Outcome::kNotFound);
  if (day < 1 || day > kWeekDays) return Refused(Outcome::kInvalid);
  if (Exists(school, place, day, teacher)) return Refused(Outcome::kUnchanged);
  AddDuty(school, place, day, teacher);
  return {Outcome::kDone, kDutyFiles, place, day};
}

Change RemoveDuty(School& school, int place, int day, int teacher) {
  if (!Exists(school, place, day, teacher)) return Refused(Outcome::kNotFound);
  return {Outcome::kDone, DeleteDuty(school, place, day, teacher), place, day};
}

Change RemoveAllDuties(School& school) {
  const bool anyCounter =
      std::any_of(school.DutyPlaces.begin(), school.DutyPlaces.end(), [](const TDutyPlaceRec& p) {
        return std::any_of(p.perDay.begin(), p.perDay.end(), [](uint8_t n) { return n != 0; });
      });
  if (school.Duties.empty() && !anyCounter) return Refused(Outcome::kUnchanged);
  DeleteAllDuties(school);
  // A counter that a damaged file set above its records would outlive the deletions.
  for (TDutyPlaceRec& p : school.DutyPlaces) p.perDay.fill(0);
  return {Outcome::kDone, kDutyFiles};
}

Change SetWeekdaysOnly(School& school, bool weekdaysOnly) {
  const uint8_t flag = weekdaysOnly ? 1 : 0;
  if (school.Settings.weekdaysOnly == flag) return Refused(Outcome::kUnchanged);
  school.Settings.weekdaysOnly = flag;
  return {Outcome::kDone, {DataFile::kSettings}};
}

int OfferedDays(const School& school) { return school.Settings.weekdaysOnly != 0 ? 5 : kWeekDays; }

int DutiesAt(const School& school, int place, int day) {
  return static_cast<int>(
      std::count_if(school.Duties.begin(), school.Duties.end(),
                    [&](const TDutyRec& d) { return d.place == place && d.day == day; }));
}

}  // namespace kalvodrin
