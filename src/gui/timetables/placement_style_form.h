#pragma once
// TNewLFForm ("YERLEŞTİRME BİÇİMİ"): how one class lesson is split into blocks and
// whether a run may split them further. "KAYDET" is enabled only while the entry can
// be stored; it stores the class lesson and saves the class lessons file.

#include <QDialog>

#include "gui/common/app_context.h"

class QLineEdit;
class QPushButton;

namespace kalvodrin {

class TNewLFForm : public QDialog {
  Q_OBJECT

 public:
  explicit TNewLFForm(AppContext context, QWidget* parent = nullptr);

  // Shows the class lesson and opens modally; nothing when the class does not take
  // the lesson.
  int OpenFor(int classNo, int lesson);
  void KaydetBtnClick();

 private:
  void CheckEntry();

  AppContext context_;
  int classNo_ = 0;
  int lesson_ = 0;
  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QLineEdit* edit3_;
  QLineEdit* edit4_;
  QLineEdit* edit5_;
  QPushButton* kaydet_;
};

}  // namespace kalvodrin
