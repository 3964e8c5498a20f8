#pragma once
// TGDSForm ("HAFTALIK DERS SAATLERİ"): each class's first and last lesson hour on
// Monday to Friday, stored as soon as all ten boxes hold an accepted set; and
// TSaatlerForm ("DERS BAŞLANGIÇ SAATLERİ"): the start times of the 16 lesson hours.

#include <QDialog>

#include <array>

#include "gui/common/app_context.h"
#include "masterdata/class_hours.h"

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace kalvodrin {

class ListGrid;

class TSaatlerForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSaatlerForm(AppContext context, QWidget* parent = nullptr);

  // Shows the stored texts and waits; true when "KAYDET" stored them.
  bool Open();
  void KaydetBtnClick();

 private:
  AppContext context_;
  std::array<QLineEdit*, 16> edits_{};
};

class TGDSForm : public QDialog {
  Q_OBJECT

 public:
  explicit TGDSForm(AppContext context, QWidget* parent = nullptr);

  ListGrid* grid() const { return grid_; }
  TSaatlerForm& startTimesForm() const { return *saatlerForm_; }

  // F5: the hours of the class in the row above, for the selected class.
  void CopyFromAbove();
  void SaatlerBtnClick();
  // The class whose hours the boxes are changing; 0 while no box has the focus.
  int editedClass() const { return editedClass_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int result) override;

 private:
  QGridLayout* BuildDayBoxes();
  void FormActivate();
  void ShowSelectedClass();
  void BoxChanged();
  void LeaveBox();
  void LeaveBoxes();
  bool IsBox(const QWidget* widget) const;

  AppContext context_;
  ListGrid* grid_;
  std::array<QLineEdit*, 10> boxes_{};  // Edit1..Edit10: first, last of each day
  TSaatlerForm* saatlerForm_;
  int editedClass_ = 0;
  ClassHours beforeTyping_;  // the edited class's hours when its box was entered
  bool showing_ = false;  // boxes being filled from the record, not typed
};

}  // namespace kalvodrin
