#pragma once
// The pieces the assignment windows are built from: list grids with their heading
// label and search box, filled from the areas' rows, and the state of a delete button
// that may act only while its grid has the focus.

#include <QString>

#include <vector>

#include "core/list_rows.h"

class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace kalvodrin {

class ListGrid;
class SearchBox;

// A grid named `objectName` with the columns (hidden ones not shown).
ListGrid* NewGrid(QWidget* parent, const char* objectName, const std::vector<ListColumn>& columns);
// Its search box over the name column; the box's object name is given.
SearchBox* NewSearchBox(ListGrid* grid, int nameColumn, const char* objectName);
// The heading label above the grid, both in one column.
QVBoxLayout* Captioned(QWidget* parent, const QString& caption, QWidget* grid);
// Refills the grid and selects the row of `number` when it is listed, else the row
// the grid kept.
void Fill(ListGrid* grid, const std::vector<ListRow>& rows, int number = 0);
QPushButton* NewButton(QWidget* parent, const char* objectName, const QString& caption);
QLabel* NewPanel(QWidget* parent, const char* objectName);

}  // namespace kalvodrin
