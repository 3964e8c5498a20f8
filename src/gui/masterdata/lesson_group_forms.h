#pragma once
// TDersGrupForm ("DERS GRUPLARI AÇ"), the list of lesson groups, and its edit window
// TDersGrupEditForm ("DERS GRUBU  DÜZELT").

#include "gui/common/edit_window.h"
#include "gui/common/list_window.h"

namespace kalvodrin {

class TDersGrupEditForm : public NameEditWindow {
  Q_OBJECT

 public:
  explicit TDersGrupEditForm(AppContext context, QWidget* parent = nullptr);
};

class TDersGrupForm : public NameListWindow {
  Q_OBJECT

 public:
  explicit TDersGrupForm(AppContext context, QWidget* parent = nullptr);
};

}  // namespace kalvodrin
