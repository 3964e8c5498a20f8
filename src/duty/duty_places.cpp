#include "duty/duty_places.h"

#include "core/record_creation.h"
#include "core/turkish_text.h"
#include "engine/cascade.h"

namespace kalvodrin {
namespace {

const FileSet kPlaceFile{DataFile::kDutyPlaces};

void StoreName(TDutyPlaceRec& p, std::string_view typed) {
  p.name.assign(TurkUpCaseText(typed));  // cut to the record's room by the field itself
}

}  // namespace

Change SaveNewDutyPlace(School& school, std::string_view name) {
  if (name.empty()) return Refused(Outcome::kInvalid);
  const int number = NextFreeNumber(school.DutyPlaces);
  if (number == 0) return Refused(Outcome::kFull);
  // The name is stored whole (up to 25), as the edit window stores it: cutting a new
  // place's name shorter than its box lost what the user typed without a word.
  StoreName(AddDutyPlace(school, number, ""), name);
  school.ReindexDutyPlaces();
  return {Outcome::kDone, kPlaceFile, number};
}

Change SaveDutyPlaceEdit(School& school, int number, std::string_view name) {
  TDutyPlaceRec* p = school.DutyPlaceByNo(number);
  if (p == nullptr) return Refused(Outcome::kNotFound);
  if (name.empty()) return Refused(Outcome::kInvalid);
  StoreName(*p, name);
  return {Outcome::kDone, kPlaceFile, number};
}

Change DeleteDutyPlaceFromList(School& school, int number) {
  if (school.DutyPlaceByNo(number) == nullptr) return Refused(Outcome::kNotFound);
  return {Outcome::kDone, DeleteDutyPlace(school, number), number};
}

Change MoveDutyPlace(School& school, int number, MoveDirection direction) {
  const Outcome outcome = MoveInList(school.DutyPlaces, number, direction);
  if (outcome != Outcome::kDone) return Refused(outcome);
  return {Outcome::kDone, kPlaceFile, number};
}

std::string_view DutyPlaceName(const School& school, int number) {
  const TDutyPlaceRec* p = school.DutyPlaceByNo(number);
  return p != nullptr ? p->name.view() : std::string_view();
}

std::vector<ListColumn> DutyPlaceColumns() { return {{"NO", true}, {"NO", true}, {"NÖBET YERİ"}}; }

std::vector<ListRow> DutyPlaceRows(const School& school) {
  std::vector<ListRow> rows;
  for (const TDutyPlaceRec& p : school.DutyPlaces)
    rows.push_back(
        {p.number,
         {std::to_string(p.number), std::to_string(p.order), Cp1254ToUtf8(p.name.view())}});
  return rows;
}

}  // namespace kalvodrin
