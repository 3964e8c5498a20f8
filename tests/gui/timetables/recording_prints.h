#pragma once
// A stand-in for the program's printing that keeps what the timetable windows ask of it.

#include <utility>
#include <vector>

#include "gui/common/print_requests.h"

namespace kalvodrin::testing {

class RecordingPrints : public PrintRequests {
 public:
  bool PrintFromTimetableWindow(TimetableView view, int selected) override {
    asked.emplace_back(view, selected);
    return true;
  }
  bool PrintTeacherList() override { return false; }
  bool PrintDutyChart() override { return false; }
  bool PrintTeacherTimetables(const std::vector<int>& teachers) override {
    printed = teachers;
    return true;
  }
  void OpenPrinterSettings() override {}

  std::vector<std::pair<TimetableView, int>> asked;  // from the timetable windows
  std::vector<int> printed;                          // teachers' timetables together
};

}  // namespace kalvodrin::testing
