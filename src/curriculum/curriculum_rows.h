#pragma once
// What the class lessons and common lessons windows show, UTF-8.

#include <string>
#include <vector>

#include "core/list_rows.h"
#include "core/school.h"

namespace kalvodrin {

//   ["NO"], "DERSİN ADI", "HDS": the lesson pool in pool order
std::vector<ListColumn> PoolColumns();
std::vector<ListRow> PoolRows(const School& school);

//   ["ClassNo"], ["LessonNo"], "DERSİN ADI", "HDS", "DERSLİK" (the first classroom):
// the class's lessons; a row's number is the lesson's
std::vector<ListColumn> ClassLessonColumns();
std::vector<ListRow> ClassLessonRows(const School& school, int classNo);

// "SEÇİLEN DERS=" + lessons + "  TOPLAM SAAT=" + their weekly hours
std::string ClassLessonSummary(const School& school, int classNo);

//   "NO": every common group
std::vector<ListColumn> CommonGroupColumns();
std::vector<ListRow> CommonGroupRows(const School& school);

//   [group], [class], [lesson], "SINIF", "DERSİN ADI", "HDS": the group's members in
// member order; a row's number is its member position 1..count
std::vector<ListColumn> CommonMemberColumns();
std::vector<ListRow> CommonMemberRows(const School& school, int group);

}  // namespace kalvodrin
