#pragma once
// TSnfPrgForm ("SINIFLARIN  DERS PROGRAMI"): one class's timetable, edited from the
// class's side. Opened from the main menu, or from the teacher window on a lesson
// chosen there, to which "ÖĞRETMENE BAĞLAN" hands a selection back. Opens the
// classroom timetables ("DERSHANE").

#include <QDialog>

#include <memory>

#include "gui/common/app_context.h"
#include "timetables/cell_paint.h"
#include "timetables/timetable_commands.h"

class QLabel;
class QAction;

namespace kalvodrin {

class ListGrid;
class TimetableGrid;
class TRoomPrgForm;
class TNewLFForm;

class TSnfPrgForm : public QDialog {
  Q_OBJECT

 public:
  TSnfPrgForm(AppContext context, TRoomPrgForm& roomWindow, QWidget* parent = nullptr);

  // Opens modally starting on the handed-over lesson (none: the first class). Returns
  // what "ÖĞRETMENE BAĞLAN" handed back; empty when the window was just closed.
  HandOver OpenWith(const HandOver& handOver);

  void Activate();
  void Select(int teacher, int classNo, int lesson);
  const TimetableSelection& selection() const { return sel_; }

  void CellCommand(int cell);
  void ToggleCell();
  void HandBack();
  void OpenRooms();
  void OpenReport();
  void OpenPlacementStyle();
  void Print();

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void FillLessons();
  void ReadSelection();
  void ShowCounters();
  CellPaint Paint(int row, int column) const;

  AppContext context_;
  TRoomPrgForm& roomWindow_;
  ListGrid* classGrid_;
  ListGrid* teleGrid_;
  TimetableGrid* grid_;
  QLabel* total_;
  QLabel* remaining_;
  QLabel* lessonRemaining_;
  QAction* handBackAction_;
  TimetableSelection sel_;
  HandOver handOver_;
  HandOver handedBack_;
  std::shared_ptr<TNewLFForm> placementStyle_;  // a window of its own, not a child
};

}  // namespace kalvodrin
