#pragma once
// TRoomPrgForm ("DERSLİKLEİN DERS  PROGRAMI"): one classroom's timetable and the
// lessons held in it, placed and removed from the classroom's side. Opened from the
// class timetable window only.

#include "gui/timetables/timetable_window.h"

namespace kalvodrin {

class TRoomPrgForm : public TimetableWindow {
  Q_OBJECT

 public:
  explicit TRoomPrgForm(AppContext context, QWidget* parent = nullptr);

  void Activate() override;
};

}  // namespace kalvodrin
