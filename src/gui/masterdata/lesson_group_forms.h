#pragma once
// TDersGrupForm ("DERS GRUPLARI AÇ"), the list of lesson groups, and its edit window
// TDersGrupEditForm ("DERS GRUBU  DÜZELT").

#include "gui/masterdata/edit_window.h"
#include "gui/masterdata/list_window.h"

class QLineEdit;

namespace kalvodrin {

class TDersGrupEditForm : public EditWindow {
  Q_OBJECT

 public:
  explicit TDersGrupEditForm(AppContext context, QWidget* parent = nullptr);

 protected:
  void ShowRecord(int number) override;
  Change Store(int number) override;

 private:
  QLineEdit* edit1_;  // "GRUP ADI"
};

class TDersGrupForm : public ListWindow {
  Q_OBJECT

 public:
  explicit TDersGrupForm(AppContext context, QWidget* parent = nullptr);

 protected:
  Change SaveNew() override;
};

}  // namespace kalvodrin
