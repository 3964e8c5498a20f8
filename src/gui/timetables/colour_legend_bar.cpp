#include "gui/timetables/colour_legend_bar.h"

#include <QGridLayout>
#include <QLabel>

#include "gui/common/qt_text.h"
#include "gui/timetables/timetable_grid.h"

namespace kalvodrin {
namespace {

// Three samples a row keep the legend as wide as the grid above it.
constexpr int kPerRow = 3;

QLabel* Sample(const LegendEntry& entry, const QPalette& palette, QWidget* parent) {
  auto* sample = new QLabel(U8("  Aa  "), parent);
  sample->setObjectName("LegendSample");
  // Framed like a grid cell, so that a sample in the window's own grey (the hours
  // outside the class's day) still shows as a cell.
  sample->setStyleSheet(
      QString("QLabel { background: %1; color: %2; border: 1px solid #808080; }")
          .arg(ToQColor(entry.cell, palette).name(), ToQColor(entry.font, palette).name()));
  QFont font = sample->font();
  font.setBold(true);
  sample->setFont(font);
  return sample;
}

}  // namespace

ColourLegendBar::ColourLegendBar(const std::vector<LegendEntry>& entries, QWidget* parent)
    : QWidget(parent) {
  setObjectName("Legend");
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 2, 0, 2);
  layout->setHorizontalSpacing(6);
  layout->setVerticalSpacing(2);
  for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
    const LegendEntry& e = entries[static_cast<std::size_t>(i)];
    const int row = i / kPerRow;
    const int column = (i % kPerRow) * 2;
    layout->addWidget(Sample(e, palette(), this), row, column);
    auto* meaning = new QLabel(U8(e.meaning), this);
    meaning->setObjectName("LegendMeaning");
    layout->addWidget(meaning, row, column + 1);
  }
  for (int c = 1; c < kPerRow * 2; c += 2) layout->setColumnStretch(c, 1);
}

}  // namespace kalvodrin
