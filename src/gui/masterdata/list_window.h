#pragma once
// ListWindow: the one design of the master-data list windows. A grid of the records
// with hidden number columns, entry fields for a new record, a save button enabled
// while the entries are valid, edit and delete buttons enabled while the list is not
// empty, a count label and, for ordered lists, up and down buttons. Each command calls
// one operation, saves the files it changed and refills the grid:
//   F2 / save     new record from the entries; the selected row index stays
//   Enter, double click, edit button   the edit window for the selected record
//   F5 / delete   after confirmation; the same row stays selected while it exists,
//                 else the new last row; an emptied list sends the focus to the entries
//   Ctrl+Up/Down  reorder; the selection moves with the record
// Typing into the grid opens the incremental search box where the window has one.

#include <QDialog>
#include <QKeySequence>
#include <QString>

#include <vector>

#include "gui/common/app_context.h"
#include "masterdata/list_rows.h"
#include "masterdata/outcome.h"
#include "masterdata/reorder.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;
class QVBoxLayout;
class QBoxLayout;

namespace kalvodrin {

class ListGrid;
class SearchBox;

struct ListWindowSpec {
  QString caption{};
  EntityKind kind = EntityKind::kLesson;
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
  virtual std::vector<ListRow> Rows() const = 0;
  virtual bool EntryValid() const = 0;
  virtual Change SaveNew() = 0;
  virtual void ClearEntries() = 0;
  virtual QWidget* FirstEntry() const = 0;
  // Opens the edit window for the record; true when it stored a change.
  virtual bool EditRecord(int number) = 0;
  virtual Change DeleteRecord(int number) = 0;
  // The confirmation asked before a delete; by default the master-data texts.
  virtual QString DeleteQuestion(int number) const;
  virtual Change MoveRecord(int /*number*/, MoveDirection /*direction*/) {
    return Refused(Outcome::kUnchanged);
  }
  // Called on every activation before the grid is filled.
  virtual void BeforeFill() {}

  void showEvent(QShowEvent* event) override;

  // Puts the window's entry fields above the grid; re-checks the save button on every
  // change of the given fields.
  void SetEntryPanel(QWidget* panel, const std::vector<QLineEdit*>& watched);
  // A further button beside the standard ones, in order of calls.
  QPushButton* AddButton(const QString& objectName, const QString& caption);

  void Refill();
  void UpdateButtons();
  const AppContext& context() const { return context_; }

 private:
  void FormActivate();
  void BuildLayout();

  AppContext context_;
  ListWindowSpec spec_;
  ListGrid* grid_;
  SearchBox* search_ = nullptr;
  QLabel* countLabel_;
  QPushButton* kaydetBtn_;
  QPushButton* duzeltBtn_;
  QPushButton* silBtn_;
  QPushButton* upBtn_ = nullptr;
  QPushButton* downBtn_ = nullptr;
  QVBoxLayout* main_;
  QBoxLayout* buttons_;
};

}  // namespace kalvodrin
