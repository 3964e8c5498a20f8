#pragma once
// TBosaltForm ("YAPILAN DERS YERLEŞTİRMELERİNİ İPTAL ET"): empties the whole timetable
// in one step; two boxes decide whether closed cells and the teachers' own settings
// go as well.

#include <QDialog>

#include "gui/common/app_context.h"

class QCheckBox;

namespace kalvodrin {

class EditHistory;
class HistoryButtons;

class TBosaltForm : public QDialog {
  Q_OBJECT

 public:
  explicit TBosaltForm(AppContext context, QWidget* parent = nullptr);

  void TamamClick();
  // Cancelling is a step of this history (the school's, shared with the timetable
  // windows), which the window's own buttons and keys take back and make again.
  void SetHistory(EditHistory* history);
  HistoryButtons& historyButtons() const { return *historyButtons_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  AppContext context_;
  QCheckBox* clearClosed_;
  QCheckBox* clearSpecial_;
  HistoryButtons* historyButtons_;
};

}  // namespace kalvodrin
