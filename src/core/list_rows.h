#pragma once
// What a list window shows, whatever it lists: its columns and one row of texts per
// record, in list order, every text in UTF-8. Row r of a window's grid (r >= 1; row 0
// holds the headers) is element r-1.

#include <string>
#include <vector>

namespace kalvodrin {

struct ListColumn {
  std::string header;
  bool hidden = false;  // a number column of width 0
};

struct ListRow {
  int number = 0;                  // the record's number (the first, hidden column)
  std::vector<std::string> cells;  // one text per column, hidden columns included
};

// The grid row (1-based) that shows the number; 0 when none does.
int RowOfNumber(const std::vector<ListRow>& rows, int number);

// The row to select after a delete left `remainingRows` rows while `selectedRow`
// was selected: the same row while it exists, else the new last row; 0 when the
// list became empty (the focus then goes to the first entry field).
int RowAfterDelete(int selectedRow, int remainingRows);

}  // namespace kalvodrin
