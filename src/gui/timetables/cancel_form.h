#pragma once
// TBosaltForm ("YAPILAN DERS YERLEŞTİRMELERİNİ İPTAL ET"): empties the whole timetable
// in one step; two boxes decide whether closed cells and the teachers' own settings
// go as well.

#include <QDialog>

#include "gui/common/app_context.h"

class QCheckBox;

namespace kalvodrin {

class TBosaltForm : public QDialog {
  Q_OBJECT

 public:
  explicit TBosaltForm(AppContext context, QWidget* parent = nullptr);

  void TamamClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  AppContext context_;
  QCheckBox* clearClosed_;
  QCheckBox* clearSpecial_;
};

}  // namespace kalvodrin
