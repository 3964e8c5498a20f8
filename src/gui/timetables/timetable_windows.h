#pragma once
// The timetable windows of the program, created once and living until it ends, and
// their place in the main window's menu: "ÖĞRETMEN DERS PROGRAMLARI", "SINIF DERS
// PROGRAMLARI" and "YAPILMIŞ DERS DAĞITIMLARINI İPTAL ET".

#include <memory>

#include "gui/common/app_context.h"
#include "gui/common/window_registry.h"
#include "timetables/edit_history.h"

class QWidget;

namespace kalvodrin {

class TBosaltForm;
class TOgrPrgForm;
class TRoomPrgForm;
class TSnfPrgForm;

class TimetableWindows : public AreaWindows {
 public:
  TimetableWindows(AppContext context, QWidget* parent);
  ~TimetableWindows() override;
  TimetableWindows(const TimetableWindows&) = delete;
  TimetableWindows& operator=(const TimetableWindows&) = delete;

  void Register(WindowRegistry& registry) override;

  TOgrPrgForm& teachers() const { return *teachers_; }
  TSnfPrgForm& classes() const { return *classes_; }
  TRoomPrgForm& rooms() const { return *rooms_; }
  TBosaltForm& cancel() const { return *cancel_; }
  // The school's one edit history: every window here records into it and undoes
  // from it.
  EditHistory& history() { return history_; }

 private:
  std::unique_ptr<TRoomPrgForm> rooms_;
  std::unique_ptr<TSnfPrgForm> classes_;
  std::unique_ptr<TOgrPrgForm> teachers_;
  std::unique_ptr<TBosaltForm> cancel_;
  EditHistory history_;
};

}  // namespace kalvodrin
