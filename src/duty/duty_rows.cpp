#include "duty/duty_rows.h"

#include "core/field_text.h"
#include "core/turkish_text.h"
#include "duty/duties.h"

namespace kalvodrin {
namespace {

std::string Number(int n) { return std::to_string(n); }

bool Intact(const School& school, const TDutyRec& d) {
  return school.TeacherByNo(d.teacher) != nullptr && school.DutyPlaceByNo(d.place) != nullptr;
}

ListRow DutyRow(const TDutyRec& d, std::vector<std::string> shown) {
  ListRow row{d.place, {Number(d.place), Number(d.day), Number(d.teacher)}};
  for (std::string& s : shown) row.cells.push_back(std::move(s));
  return row;
}

}  // namespace

std::string TeacherNameUtf8(const School& school, int teacher) {
  const TTeacherRec* t = school.TeacherByNo(teacher);
  return t != nullptr ? Cp1254ToUtf8(t->name.view()) : std::string();
}

std::string DutyPlaceNameUtf8(const School& school, int place) {
  const TDutyPlaceRec* p = school.DutyPlaceByNo(place);
  return p != nullptr ? Cp1254ToUtf8(p->name.view()) : std::string();
}

std::vector<ListColumn> DutyTeacherColumns() { return {{"No", true}, {"NO"}, {"ÖĞRETMENİN ADI"}}; }

std::vector<ListRow> DutyTeacherRows(const School& school) {
  std::vector<ListRow> rows;
  for (const TTeacherRec& t : school.Teachers)
    rows.push_back({t.number, {Number(t.number), Number(t.order), Cp1254ToUtf8(t.name.view())}});
  return rows;
}

std::vector<ListColumn> TeacherDutyColumns() {
  return {{"YerNo", true}, {"GunNo", true}, {"TeNo", true}, {"GÜN"}, {"NÖBET YERİ"}};
}

std::vector<ListRow> TeacherDutyRows(const School& school, int teacher) {
  std::vector<ListRow> rows;
  for (const TDutyRec& d : school.Duties)
    if (d.teacher == teacher && Intact(school, d))
      rows.push_back(DutyRow(d, {std::string(DayName(d.day)), DutyPlaceNameUtf8(school, d.place)}));
  return rows;
}

std::vector<ListColumn> OnDutyColumns() {
  return {{"YerNo", true}, {"GunNo", true}, {"TeNo", true}, {"ÖĞRETMENİN ADI"}};
}

std::vector<ListRow> OnDutyRows(const School& school, int place, int day) {
  std::vector<ListRow> rows;
  for (const TDutyRec& d : school.Duties)
    if (d.place == place && d.day == day && Intact(school, d))
      rows.push_back(DutyRow(d, {TeacherNameUtf8(school, d.teacher)}));
  return rows;
}

std::vector<ListColumn> DutyPlacePickColumns() { return {{"NO", true}, {"   NÖBET YERLERİ"}}; }

std::vector<ListRow> DutyPlacePickRows(const School& school) {
  std::vector<ListRow> rows;
  for (const TDutyPlaceRec& p : school.DutyPlaces)
    rows.push_back({p.number, {Number(p.number), Cp1254ToUtf8(p.name.view())}});
  return rows;
}

std::vector<ListColumn> DayColumns() { return {{"   GÜNLER"}, {"NS"}}; }

std::vector<ListRow> DayRows(const School& school, int place) {
  const TDutyPlaceRec* p = school.DutyPlaceByNo(place);
  std::vector<ListRow> rows;
  for (int day = 1; day <= OfferedDays(school); ++day)
    rows.push_back(
        {day,
         {std::string(DayName(day)),
          p != nullptr ? Number(p->perDay[static_cast<std::size_t>(day - 1)]) : std::string()}});
  return rows;
}

std::string DutyPlaceNoticeText(Outcome outcome) {
  switch (outcome) {
    case Outcome::kInvalid: return "Nöbet yerinin adını yazınız.";
    case Outcome::kFull: return "En çok 255 NÖBET YERİ kaydedilebilir; yeni kayıt açılamaz.";
    case Outcome::kNotFound: return "Seçili NÖBET YERİ bulunamadı.";
    default: return "";
  }
}

std::string DutyNoticeText(Outcome outcome) {
  switch (outcome) {
    case Outcome::kInvalid: return "Nöbet günü PAZARTESİ ile PAZAR arasında olmalı.";
    case Outcome::kNotFound: return "Seçili öğretmen, nöbet yeri ya da nöbet bulunamadı.";
    default: return "";
  }
}

std::string RemoveDutyConfirmText(const School& school, int place, int day, int teacher) {
  return TeacherNameUtf8(school, teacher) + " adındaki öğretmenden " + std::string(DayName(day)) +
         " günü, " + DutyPlaceNameUtf8(school, place) + " nöbeti silinecek !";
}

std::string DeleteDutyPlaceConfirmText(const School& school, int place) {
  const TDutyPlaceRec* p = school.DutyPlaceByNo(place);
  return p != nullptr ? Cp1254ToUtf8(p->name.view()) + " Nöbet Yeri silinecek !" : std::string();
}

}  // namespace kalvodrin
