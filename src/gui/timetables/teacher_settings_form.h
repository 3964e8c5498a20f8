#pragma once
// TOzelForm ("ÖZEL AYARLAR"): the settings of one teacher, which a run combines with
// the general ones. They live in the teacher's timetable record, so storing changes
// memory only; the timetables are saved with the teacher timetable window.

#include <QDialog>

#include <array>

#include "gui/common/app_context.h"

class QLabel;
class QLineEdit;

namespace kalvodrin {

class TOzelForm : public QDialog {
  Q_OBJECT

 public:
  explicit TOzelForm(AppContext context, QWidget* parent = nullptr);

  // Shows the teacher's own settings and opens modally; nothing for a teacher without
  // a timetable record.
  int OpenFor(int teacher);
  void KaydetBtnClick();

 private:
  AppContext context_;
  int teacher_ = 0;
  QLabel* specialNameLab_;
  std::array<QLineEdit*, 8> edits_{};
};

}  // namespace kalvodrin
