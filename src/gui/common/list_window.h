#pragma once
// ListWindow: the one design of the list windows. A grid of the records
// with hidden number columns, entry fields for a new record, a save button enabled
// while the entries are valid, edit and delete buttons enabled while the list is not
// empty, a count label and, for ordered lists, up and down buttons. Each command calls
// one operation, saves the files it changed and refills the grid:
//   F2 / save     new record from the entries; the selected row index stays. While
//                 the entries are not valid the button is grey and the reason shows
//                 beside it; a record named as an existing one is saved only after
//                 the user confirms it
//   Enter in an entry field   the next field; on the last one, as F2
//   Enter, double click, edit button   the edit window for the selected record
//   F5 / delete   after confirmation; the same row stays selected while it exists,
//                 else the new last row; an emptied list sends the focus to the entries
//   Ctrl+Up/Down  reorder; the selection moves with the record
//   Ctrl+S saves as F2 does (F2 too where the save key is another), Del in the grid
//   deletes as F5 does; the keys are listed in one line at the foot of the window
// Typing into the grid opens the incremental search box where the window has one.

#include <QDialog>
#include <QKeySequence>
#include <QString>

#include <string_view>
#include <vector>

#include "core/change.h"
#include "core/list_rows.h"
#include "core/reorder.h"
#include "gui/common/app_context.h"
#include "gui/common/apply_change.h"

class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;
class QVBoxLayout;
class QBoxLayout;

namespace kalvodrin {

class EditWindow;
class EnterMoves;
class KeyLine;
class ListGrid;
class SearchBox;
struct School;

struct ListWindowSpec {
  QString caption{};
  RecordTexts texts{};  // refusals and delete confirmations, in the area's words
  int helpTopic = 0;  // 0: the window has no help key
  QString kaydetCaption{};
  QString duzeltCaption{};
  QString silCaption{};
  std::vector<ListColumn> columns{};
  int searchColumn = -1;  // the name column searched; -1: no search box
  bool ordered = false;   // up and down buttons, Ctrl+Up / Ctrl+Down
  QString orderCaption{};  // a label above the up and down buttons
  QKeySequence saveKey = QKeySequence(Qt::Key_F2);
  QKeySequence deleteKey = QKeySequence(Qt::Key_F5);
  bool editFromGrid = true;  // Enter and double click in the grid edit, too
  // The list's operations on the school; each window names its own.
  std::vector<ListRow> (*rows)(const School&) = nullptr;
  Change (*deleteRecord)(School&, int) = nullptr;
  Change (*moveRecord)(School&, int, MoveDirection) = nullptr;  // ordered lists only
  void (*sortBeforeFill)(School&) = nullptr;  // run on every activation, if given
};

class ListWindow : public QDialog {
  Q_OBJECT

 public:
  ListWindow(AppContext context, ListWindowSpec spec, QWidget* parent = nullptr);

  ListGrid* grid() const { return grid_; }

  void KaydetBtnClick();
  void DuzeltBtnClick();
  void SilBtnClick();
  void MoveSelected(MoveDirection direction);

 protected:
  // By default a new record needs its first entry field filled.
  virtual bool EntryValid() const;
  // Why the entries are not valid, beside the grey save button (UTF-8 words); by
  // default the label of the empty first field.
  virtual QString SaveBlockedReason() const;
  virtual Change SaveNew() = 0;

  void showEvent(QShowEvent* event) override;

  // Puts the window's entry fields above the grid; re-checks the save button on every
  // change of the given fields, which are also the ones cleared after a save, the
  // first of them taking the focus.
  void SetEntryPanel(QWidget* panel, const std::vector<QLineEdit*>& entries);
  // An upper-case entry field in a labelled row of the standard entry panel, which the
  // first call puts above the grid; it takes at most `maxLength` characters, the
  // width its record field stores.
  QLineEdit* AddEntryField(const QString& objectName, const QString& label, int maxLength);
  // The window that edits the selected record.
  void SetEditWindow(EditWindow* editWindow) { editWindow_ = editWindow; }
  QLineEdit* entry(std::size_t index) const { return entries_.at(index); }
  // A further button beside the standard ones, in order of calls.
  QPushButton* AddButton(const QString& objectName, const QString& caption);

  void Refill();
  void UpdateButtons();
  const AppContext& context() const { return context_; }
  // The window's key line; a window lists the keys it adds there.
  KeyLine* keyLine() const { return keyLine_; }

 private:
  void BindKeys();
  void FormActivate();
  void SetTabOrder();
  void BuildLayout();
  void ClearEntries();
  void FocusFirstEntry();
  void AddEntry(QLineEdit* field, const QString& label);
  bool ConfirmDuplicate();

  AppContext context_;
  ListWindowSpec spec_;
  ListGrid* grid_;
  SearchBox* search_ = nullptr;
  QLabel* countLabel_;
  QPushButton* kaydetBtn_;
  QLabel* reasonLabel_;
  QPushButton* duzeltBtn_;
  QPushButton* silBtn_;
  QPushButton* upBtn_ = nullptr;
  QPushButton* downBtn_ = nullptr;
  QVBoxLayout* main_;
  QBoxLayout* buttons_;
  QFormLayout* entryForm_ = nullptr;
  std::vector<QLineEdit*> entries_;
  std::vector<QString> entryLabels_;
  EnterMoves* enterMoves_;
  KeyLine* keyLine_;
  EditWindow* editWindow_ = nullptr;
};

// A list of records that are only a name, as the lesson groups and the classrooms: one
// entry field "Edit1" whose text the given operation saves as a new record.
class NameListWindow : public ListWindow {
  Q_OBJECT

 public:
  using SaveName = Change (*)(School&, std::string_view name);
  // `maxLength`: the width the record stores of the name.
  NameListWindow(AppContext context, ListWindowSpec spec, const QString& label,
                 int maxLength, SaveName saveNew, QWidget* parent = nullptr);

 protected:
  Change SaveNew() override;

 private:
  SaveName saveNew_;
};

}  // namespace kalvodrin
