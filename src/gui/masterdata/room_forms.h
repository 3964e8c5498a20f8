#pragma once
// TDerslikForm ("DERSHANE AÇ-DÜZELT"), the classrooms in their order, and its edit
// window TDerslikEditForm ("DERSLİK ADI DÜZENLE").

#include "gui/common/edit_window.h"
#include "gui/common/list_window.h"

namespace kalvodrin {

class TDerslikEditForm : public NameEditWindow {
  Q_OBJECT

 public:
  explicit TDerslikEditForm(AppContext context, QWidget* parent = nullptr);
};

class TDerslikForm : public NameListWindow {
  Q_OBJECT

 public:
  explicit TDerslikForm(AppContext context, QWidget* parent = nullptr);
};

}  // namespace kalvodrin
