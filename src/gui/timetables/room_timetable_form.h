#pragma once
// TRoomPrgForm ("DERSLİKLEİN DERS  PROGRAMI"): one classroom's timetable and the
// lessons held in it, placed and removed from the classroom's side. Opened from the
// class timetable window only.

#include <QDialog>

#include "gui/common/app_context.h"
#include "timetables/cell_paint.h"

namespace kalvodrin {

class ListGrid;
class TimetableGrid;

class TRoomPrgForm : public QDialog {
  Q_OBJECT

 public:
  explicit TRoomPrgForm(AppContext context, QWidget* parent = nullptr);

  void Activate();
  const TimetableSelection& selection() const { return sel_; }
  void CellCommand(int cell);
  void ToggleCell();
  void Print();

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void FillLessons();
  void ReadSelection();
  CellPaint Paint(int row, int column) const;

  AppContext context_;
  ListGrid* roomGrid_;
  ListGrid* teleGrid_;
  TimetableGrid* grid_;
  TimetableSelection sel_;
};

}  // namespace kalvodrin
