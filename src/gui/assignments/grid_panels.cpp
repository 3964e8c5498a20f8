#include "gui/assignments/grid_panels.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/apply_change.h"
#include "gui/common/list_grid.h"
#include "gui/common/qt_text.h"
#include "gui/common/search_box.h"

namespace kalvodrin {

ListGrid* NewGrid(QWidget* parent, const char* objectName, const std::vector<ListColumn>& columns) {
  auto* grid = new ListGrid(parent);
  grid->setObjectName(objectName);
  grid->GrowToTexts();
  grid->SetColumns(ColumnHeaders(columns), {});
  for (std::size_t c = 0; c < columns.size(); ++c)
    grid->setColumnHidden(static_cast<int>(c), columns[c].hidden);
  return grid;
}

SearchBox* NewSearchBox(ListGrid* grid, int nameColumn, const char* objectName) {
  return new SearchBox(grid, nameColumn, objectName);
}

QVBoxLayout* Captioned(QWidget* parent, const QString& caption, QWidget* grid) {
  auto* column = new QVBoxLayout;
  auto* label = new QLabel(caption, parent);
  label->setBuddy(grid);
  column->addWidget(label);
  column->addWidget(grid, 1);
  return column;
}

void Fill(ListGrid* grid, const std::vector<ListRow>& rows, int number) {
  grid->SetRows(ToQtRows(rows));
  if (const int row = RowOfNumber(rows, number); row > 0) grid->SelectRow(row - 1);
  grid->resizeColumnsToContents();
}

QPushButton* NewButton(QWidget* parent, const char* objectName, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(objectName);
  b->setAutoDefault(false);
  return b;
}

QLabel* NewPanel(QWidget* parent, const char* objectName) {
  auto* panel = new QLabel(parent);
  panel->setObjectName(objectName);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  return panel;
}

}  // namespace kalvodrin
