#pragma once
// TSnfPrgForm ("SINIFLARIN  DERS PROGRAMI"): one class's timetable, edited from the
// class's side. Opened from the main menu, or from the teacher window on a lesson
// chosen there, to which "ÖĞRETMENE BAĞLAN" hands a selection back. Opens the
// classroom timetables ("DERSHANE").

#include <memory>

#include "gui/timetables/timetable_window.h"
#include "timetables/timetable_commands.h"

class QLabel;
class QAction;

namespace kalvodrin {

class TRoomPrgForm;
class TNewLFForm;

class TSnfPrgForm : public TimetableWindow {
  Q_OBJECT

 public:
  TSnfPrgForm(AppContext context, TRoomPrgForm& roomWindow, QWidget* parent = nullptr);

  // Opens modally starting on the handed-over lesson (none: the first class). Returns
  // what "ÖĞRETMENE BAĞLAN" handed back; empty when the window was just closed.
  HandOver OpenWith(const HandOver& handOver);

  void Activate() override;
  void HandBack();
  void OpenRooms();
  void OpenPlacementStyle();

 protected:
  void SelectionRead() override;

 private:
  TRoomPrgForm& roomWindow_;
  QLabel* total_;
  QLabel* remaining_;
  QLabel* lessonRemaining_;
  QAction* handBackAction_;
  HandOver handOver_;
  HandOver handedBack_;
  std::shared_ptr<TNewLFForm> placementStyle_;  // a window of its own, not a child
};

}  // namespace kalvodrin
