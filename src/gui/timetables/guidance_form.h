#pragma once
// TRehberlikForm ("REHBERLİK DERSİ "): which pool lesson is the guidance lesson, and
// its fixed day and hour for the morning-shift and for the afternoon-shift classes.
// A double click in the lesson grid chooses the lesson, a double click on its name or
// F7 clears it; "Tamam" stores everything and saves the settings file, "İptal" leaves
// the stored settings as they were.

#include <QDialog>

#include "gui/common/app_context.h"
#include "masterdata/guidance.h"

class QComboBox;
class QLineEdit;

namespace kalvodrin {

class ListGrid;

class TRehberlikForm : public QDialog {
  Q_OBJECT

 public:
  explicit TRehberlikForm(AppContext context, QWidget* parent = nullptr);

  void ChooseSelectedLesson();
  void Clear();
  void TamamClick();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowLesson();

  AppContext context_;
  GuidanceEntry entry_;
  ListGrid* grid_;
  QLineEdit* edit1_;
  QComboBox* comboBox1_;
  QLineEdit* edit2_;
  QComboBox* comboBox2_;
  QLineEdit* edit3_;
};

}  // namespace kalvodrin
