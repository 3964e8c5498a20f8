#pragma once
// TDegisikForm ("PROGRAMI DEĞİŞEN ÖĞRETMENLER"): the teachers whose timetables differ
// from the snapshot kept by "SAKLA", found afresh every time the window is shown.
// "SEÇİLİ ÖĞRETMEN GİT" closes it confirmed and the teacher window goes to the
// selected teacher; "Yazdır" prints the changed teachers' timetables.

#include <QDialog>

#include <vector>

#include "gui/common/app_context.h"

class QLabel;
class QPushButton;

namespace kalvodrin {

class ListGrid;

class TDegisikForm : public QDialog {
  Q_OBJECT

 public:
  explicit TDegisikForm(AppContext context, QWidget* parent = nullptr);

  void Fill();
  // The teacher of the selected row; 0 when no teacher changed.
  int ChosenTeacher() const;
  const std::vector<int>& changed() const { return changed_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  AppContext context_;
  ListGrid* grid_;
  std::vector<QLabel*> labels_;
  QPushButton* print_;
  std::vector<int> changed_;
};

// Opens the window modally over `owner`; the chosen teacher when it was closed with
// "SEÇİLİ ÖĞRETMEN GİT", else 0.
int ChooseChangedTeacher(AppContext context, QWidget* owner);

}  // namespace kalvodrin
