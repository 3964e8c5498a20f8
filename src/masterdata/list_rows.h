#pragma once
// What the master-data list windows show: their columns and one row of texts per
// record, in list order.

#include <vector>

#include "core/list_rows.h"
#include "core/school.h"

namespace kalvodrin {

//   ["NO"], "DERS GRUBU"
std::vector<ListColumn> LessonGroupColumns();
std::vector<ListRow> LessonGroupRows(const School& school);

//   ["NO"], "DERS ADI", "K.ADI", "HDS", "  Y.B." (pattern as 2+1), "GRUBU" (group name)
std::vector<ListColumn> LessonColumns();
std::vector<ListRow> LessonRows(const School& school);

//   ["NO"], ["RECNO"], "SINIF", "BÖLÜMÜ", "BİNA" ("EKBİNA" for an annex class)
std::vector<ListColumn> ClassColumns();
std::vector<ListRow> ClassRows(const School& school);

//   ["NO"], ["NO"] (order), "DERSLİK ADI"
std::vector<ListColumn> RoomColumns();
std::vector<ListRow> RoomRows(const School& school);

//   ["NO"], "NO" (order), "ADI SOYADI", "BRANŞI", "SINIF ÖĞR.", "EĞİTSEL KULÜP"
std::vector<ListColumn> TeacherColumns();
std::vector<ListRow> TeacherRows(const School& school);

//   ["NO"], "SINIF", "BÖLÜM": the classes of the weekly hours window
std::vector<ListColumn> ClassHoursColumns();
std::vector<ListRow> ClassHoursRows(const School& school);

}  // namespace kalvodrin
