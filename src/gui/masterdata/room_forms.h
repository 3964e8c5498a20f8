#pragma once
// TDerslikForm ("DERSHANE AÇ-DÜZELT"), the classrooms in their order, and its edit
// window TDerslikEditForm ("DERSLİK ADI DÜZENLE").

#include "gui/masterdata/edit_window.h"
#include "gui/masterdata/list_window.h"

class QLineEdit;

namespace kalvodrin {

class TDerslikEditForm : public EditWindow {
  Q_OBJECT

 public:
  explicit TDerslikEditForm(AppContext context, QWidget* parent = nullptr);

 protected:
  void ShowRecord(int number) override;
  Change Store(int number) override;

 private:
  QLineEdit* edit1_;  // "DERSLİK ADI"
};

class TDerslikForm : public ListWindow {
  Q_OBJECT

 public:
  explicit TDerslikForm(AppContext context, QWidget* parent = nullptr);

 protected:
  Change SaveNew() override;
};

}  // namespace kalvodrin
