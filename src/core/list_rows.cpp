#include "core/list_rows.h"

namespace kalvodrin {

int RowOfNumber(const std::vector<ListRow>& rows, int number) {
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].number == number) return static_cast<int>(i) + 1;
  return 0;
}

int RowAfterDelete(int selectedRow, int remainingRows) {
  if (remainingRows <= 0) return 0;
  if (selectedRow < 1) return 1;
  return selectedRow > remainingRows ? remainingRows : selectedRow;
}

}  // namespace kalvodrin
