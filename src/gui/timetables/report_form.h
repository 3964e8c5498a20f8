#pragma once
// TRaporForm ("YERLEŞMEYEN DERSLER"): every teacher lesson with hours still outside
// the timetable, and for the selected one a 5 x 16 grid of what stops its next block
// at each start hour, with a legend, the reasons of the cell under the cursor in
// words, and the single change that would let it in. "&YERLEŞMEYEN DERS" closes the
// window confirmed; the timetable window that opened it then goes to the chosen row's
// teacher, class and lesson.

#include <QDialog>

#include "gui/common/app_context.h"
#include "scheduler/unplaced_report.h"
#include "scheduler/why_not.h"
#include "timetables/cell_paint.h"
#include "timetables/timetable_commands.h"

class QLabel;
class QPushButton;

namespace kalvodrin {

class ListGrid;
class TimetableGrid;

class TRaporForm : public QDialog {
  Q_OBJECT

 public:
  explicit TRaporForm(AppContext context, QWidget* parent = nullptr);

  // Rebuilds the list and the reasons from the school, as every time it is shown.
  void Fill();
  // The teacher, class and lesson of the selected row; all 0 on an empty list.
  HandOver Chosen() const;
  // The reasons of the selected row; nullptr when it has none (nothing is left).
  const WhyNotRow* SelectedWhyNot() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowRow();
  void ShowCell();
  CellPaint Paint(int row, int column) const;

  AppContext context_;
  ListGrid* grid_;
  TimetableGrid* whyGrid_;
  QLabel* total_;
  QLabel* reasons_;
  QLabel* fix_;
  QLabel* bestFix_;
  QPushButton* go_;
  UnplacedReport report_;
  WhyNotReport whyNot_;
};

// Opens the report modally over `owner`; the chosen row when it was closed with
// "&YERLEŞMEYEN DERS", else an empty hand-over.
HandOver ChooseUnplacedLesson(AppContext context, QWidget* owner);

}  // namespace kalvodrin
