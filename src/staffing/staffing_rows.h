#pragma once
// What the teacher distribution and classroom assignment windows show, UTF-8.

#include <string>
#include <vector>

#include "core/list_rows.h"
#include "core/school.h"
#include "staffing/teacher_lessons.h"

namespace kalvodrin {

//   ["NO"], "NO" (order), "ADI SOYADI", "BRANŞI": every teacher
std::vector<ListColumn> TeacherPickColumns();
std::vector<ListRow> TeacherPickRows(const School& school);

//   ["TeacherNo"], ["ClassNo"], ["LessonNo"], "SINIF", "BÖLÜM", "DERSİN ADI", "HDS":
// the teacher's lessons in list order; a row's number is its position 1..n
std::vector<ListColumn> TeacherLessonColumns();
std::vector<ListRow> TeacherLessonRows(const School& school, int teacher);

// "DERS SAYISI=" + lessons + ", SBH=" + morning + ", ÖĞL=" + afternoon + ", TOP.=" + total
std::string TeacherTotalsText(const TeacherTotals& totals);

// "ÖĞLE" for an afternoon-shift class, else "SABAH".
std::string ShiftText(const School& school, int classNo);

//   ["CNO"], ["LNO"], "SINIF", "BÖLÜM", "DERSİN ADI", "HDS": every class lesson without
// a teacher, in list order; a row's number is its position 1..n
std::vector<ListColumn> UnassignedColumns();
std::vector<ListRow> UnassignedRows(const School& school);
// "DERS SAYISI = " + rows + "    TOPLAM SAAT = " + their weekly hours
std::string UnassignedSummary(const School& school);

//   ["NO"], "DERSHANE ADI", "TOP" (the classroom's load): every classroom
std::vector<ListColumn> RoomLoadColumns();
std::vector<ListRow> RoomLoadRows(const School& school);

//   ["NO"], "DERSHANE ADI": the classrooms of the class lesson in list order
std::vector<ListColumn> LessonRoomColumns();
std::vector<ListRow> LessonRoomRows(const School& school, int classNo, int lesson);

}  // namespace kalvodrin
