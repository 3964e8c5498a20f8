#pragma once
// What the duty distribution window shows in its grids, as list rows in UTF-8 (row r
// of a grid is element r-1), and how it words its confirmations.

#include <string>
#include <vector>

#include "core/change.h"
#include "core/list_rows.h"
#include "core/school.h"

namespace kalvodrin {

// The teacher's and the duty place's names in UTF-8; "" for a number without a record.
std::string TeacherNameUtf8(const School& school, int teacher);
std::string DutyPlaceNameUtf8(const School& school, int place);

// TeacherGrid: ["No"], "NO" (teacher order), "ÖĞRETMENİN ADI"; every teacher in order.
std::vector<ListColumn> DutyTeacherColumns();
std::vector<ListRow> DutyTeacherRows(const School& school);

// NobetGrid: ["YerNo"], ["GunNo"], ["TeNo"], "GÜN", "NÖBET YERİ"; the teacher's
// duties in list order. VarGrid: ["YerNo"], ["GunNo"], ["TeNo"], "ÖĞRETMENİN ADI";
// the teachers on duty at the place on the day, in list order. Both skip a duty whose
// teacher or place no longer exists, which a damaged file may hold.
std::vector<ListColumn> TeacherDutyColumns();
std::vector<ListRow> TeacherDutyRows(const School& school, int teacher);
std::vector<ListColumn> OnDutyColumns();
std::vector<ListRow> OnDutyRows(const School& school, int place, int day);

// YerGrid: ["NO"], "   NÖBET YERLERİ"; every place in order.
std::vector<ListColumn> DutyPlacePickColumns();
std::vector<ListRow> DutyPlacePickRows(const School& school);

// GunGrid: "   GÜNLER", "NS"; the offered days (5 or 7) with the place's duty count
// that day, "NS" empty for place 0 (no place exists). The row number is the day.
std::vector<ListColumn> DayColumns();
std::vector<ListRow> DayRows(const School& school, int place);

// The notice for a refused command on duty places or duties; empty for kDone and
// kUnchanged, which need none.
std::string DutyPlaceNoticeText(Outcome outcome);
std::string DutyNoticeText(Outcome outcome);

// teacher name + " adındaki öğretmenden " + day name + " günü, " + place name +
// " nöbeti silinecek !"
std::string RemoveDutyConfirmText(const School& school, int place, int day, int teacher);
inline constexpr const char* kRemoveAllDutiesConfirm =
    "Öğretmenlere vermiş olduğunuz bütün nöbetler silinecek ?";
// name + " Nöbet Yeri silinecek !"; empty for an unknown place.
std::string DeleteDutyPlaceConfirmText(const School& school, int place);

}  // namespace kalvodrin
