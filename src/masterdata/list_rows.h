#pragma once
// What the list windows show: their columns and one row of texts per record, in list
// order, every text in UTF-8. Row r of a window's grid (r >= 1; row 0 holds the
// headers) is element r-1.

#include <string>
#include <vector>

#include "core/school.h"

namespace kalvodrin {

struct ListColumn {
  std::string header;
  bool hidden = false;  // a number column of width 0
};

struct ListRow {
  int number = 0;                  // the record's number (the first, hidden column)
  std::vector<std::string> cells;  // one text per column, hidden columns included
};

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

// The grid row (1-based) that shows the number; 0 when none does.
int RowOfNumber(const std::vector<ListRow>& rows, int number);

// The row to select after a delete left `remainingRows` rows while `selectedRow`
// was selected: the same row while it exists, else the new last row; 0 when the
// list became empty (the focus then goes to the first entry field).
int RowAfterDelete(int selectedRow, int remainingRows);

}  // namespace kalvodrin
