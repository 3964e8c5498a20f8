#pragma once
// The colour legend under a timetable grid: a small sample of each colour the grid
// draws, in the grid's own colours, with what it means.

#include <QWidget>

#include <vector>

#include "timetables/colour_legend.h"

namespace kalvodrin {

class ColourLegendBar : public QWidget {
  Q_OBJECT

 public:
  // Object name "Legend"; each sample is a label named "LegendSample".
  ColourLegendBar(const std::vector<LegendEntry>& entries, QWidget* parent = nullptr);
};

}  // namespace kalvodrin
