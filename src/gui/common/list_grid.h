#pragma once
// ListGrid: the list of every list window. One row per record in list order, the
// record's number in hidden columns (so the window always knows which record a row
// is, however the list is sorted), whole-row selection, no in-place editing.
// An empty list shows one blank row and the grid is disabled. Enter or a double click
// on a filled row asks for the edit window; any other typed key goes to the attached
// incremental search box. Rows count from 0 for the first record: the column headers
// are the grid's header, not a row. Each record stays on one line, and every fill
// widens the columns until the longest text shows whole, so a school's long lesson and
// teacher names are never cut or wrapped; a grid asked to grow also widens itself.

#include <QStringList>
#include <QTableWidget>

#include <initializer_list>
#include <vector>

namespace kalvodrin {

class SearchBox;

class ListGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit ListGrid(QWidget* parent = nullptr);

  // Column headers, and which columns hold numbers and are never shown.
  void SetColumns(const QStringList& headers, std::initializer_list<int> hiddenColumns);
  // Refills the grid; the selected row index stays where it was when it still exists.
  void SetRows(const std::vector<QStringList>& rows);
  // The width that shows every shown column whole beside a vertical scroll bar.
  int WidthForTexts() const;
  // From now on each fill also raises the grid's minimum width to WidthForTexts (it
  // never lowers it: a grid that shrank with each refill would make its window jump).
  void GrowToTexts() { growsToTexts_ = true; }

  int FilledRows() const { return filled_; }
  // The number in that cell, 0 when the cell holds none.
  int NumberAt(int row, int column = 0) const;
  int SelectedRow() const;  // -1 when nothing is selected
  int SelectedNumber(int column = 0) const;
  int RowOfNumber(int number, int column = 0) const;  // -1 when absent
  // Selects the row, clamped to the filled rows; nothing on an empty list.
  void SelectRow(int row);
  QStringList ColumnTexts(int column) const;

  void AttachSearchBox(SearchBox* box) { searchBox_ = box; }
  SearchBox* searchBox() const { return searchBox_; }

 signals:
  void EditRequested(int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Widens the columns to the texts now shown, never narrows them.
  void FitTexts();
  // The width a column needs for its header and its longest text.
  int TextWidth(int column) const;
  int LastShownColumn() const;  // -1 when every column is hidden

  int filled_ = 0;
  SearchBox* searchBox_ = nullptr;
  bool growsToTexts_ = false;
};

}  // namespace kalvodrin
