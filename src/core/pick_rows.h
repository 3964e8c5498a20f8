#pragma once
// Rows that the windows of several areas pick from: the classes, and the lessons one
// class takes. Texts in UTF-8.

#include <string>
#include <vector>

#include "core/list_rows.h"
#include "core/school.h"

namespace kalvodrin {

//   ["NO"], "SINIF", "BÖLÜM": every class in class order
std::vector<ListColumn> ClassPickColumns();
std::vector<ListRow> ClassPickRows(const School& school);

//   ["ClassNo"], ["LessonNo"], "DERSİN ADI", "HDS": the class lessons of the class in
// list order; a row's number is the lesson's.
std::vector<ListColumn> ClassLessonPickColumns();
std::vector<ListRow> ClassLessonPickRows(const School& school, int classNo);

// "9 A": the class's name and section (UTF-8); empty for an unknown class.
std::string ClassTitle(const School& school, int classNo);
// The lesson's name (UTF-8); empty for an unknown lesson.
std::string LessonTitle(const School& school, int lesson);
int LessonWeeklyHours(const School& school, int lesson);

}  // namespace kalvodrin
