#pragma once
// TNobetForm ("NÖBET YERLERİ"), the duty places in chart order, and its edit window
// TNobetEditForm ("NÖBET YERİ (DÜZELT)"). Only the "Düzelt" button edits: the grid has
// no double click or Enter command.

#include "gui/common/edit_window.h"
#include "gui/common/list_window.h"

namespace kalvodrin {

class TNobetEditForm : public NameEditWindow {
  Q_OBJECT

 public:
  explicit TNobetEditForm(AppContext context, QWidget* parent = nullptr);
};

class TNobetForm : public NameListWindow {
  Q_OBJECT

 public:
  explicit TNobetForm(AppContext context, QWidget* parent = nullptr);
};

// How the duty windows word refusals and confirmations on duty places.
RecordTexts DutyPlaceTexts();

}  // namespace kalvodrin
