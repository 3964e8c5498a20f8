#pragma once
// TimetableWindow: the one design of the teacher, class and classroom timetable
// windows. On the left the owners (teachers, classes or classrooms) above the lessons
// of the selected one; on the right the timetable grid, the window's counters, the key
// that opens and closes a cell, its buttons and whatever it adds below them. The
// selection (owner, lesson row, cell) is what the painter and the cell commands read;
// the three timetable files are written when the window closes. Each window describes
// itself in a TimetableWindowSpec and adds its counters, buttons and menu items.

#include <QDialog>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

#include "core/change.h"
#include "engine/locks.h"
#include "gui/common/app_context.h"
#include "gui/common/print_requests.h"
#include "timetables/cell_paint.h"
#include "timetables/colour_legend.h"
#include "timetables/timetable_rows.h"

class QAction;
class QGridLayout;
class QLabel;
class QMenu;
class QPushButton;
class QVBoxLayout;

namespace kalvodrin {

class BlockDrag;
class EditHistory;
class HistoryButtons;
class KeyLine;
class ListGrid;
class TimetableGrid;

// A shown column of the lesson list: its header, the row text it shows (one of
// FillLessons' names: "class", "section", "classAndSection", "lesson", "hours",
// "teacher") and its width (0: the default).
struct LessonColumn {
  QString header{};
  QString text{};
  int width = 0;
};

struct TimetableWindowSpec {
  QString caption{};
  TimetableView view = TimetableView::kTeacher;  // whose timetable the window shows and prints
  // The owner list: a hidden number column, then these headers (name, and section
  // when `ownerSections`).
  QString ownerGridName{};
  QStringList ownerColumns{};
  bool ownerSections = false;
  int ownerNameWidth = 0;     // 0: the default width
  QString ownerSearchName{};  // a search box over the names; empty: none
  // The lesson list: hidden teacher, class and lesson numbers (and the classroom's
  // when `withRoom`), then `lessonColumns`.
  QString lessonGridName{};
  std::vector<LessonColumn> lessonColumns{};
  bool withRoom = false;
  int lessonSearchColumn = -1;  // a search box over this column; -1: none
  QString lessonSearchName{};
  int ownerStretch = 1;  // the heights the two lists share the left side in
  int lessonStretch = 2;
  QString cellKeyHint{};  // the key that opens and closes a cell, under the counters
  int buttonsPerRow = 0;  // 0: every button in one row
  QSize size{1000, 480};
  // The grid keys of the class and classroom windows (BindOwnerGrid) with this help
  // page; empty: the window binds its own keys.
  QString helpPage{};
  // With the grid keys: a typed character key is the manual command too.
  bool typedKeysAct = false;
  // The window's operations on the school.
  std::vector<OwnerRow> (*owners)(const School&) = nullptr;
  std::vector<LessonRow> (*lessons)(const School&, int owner) = nullptr;
  CellPaint (*paintCell)(const School&, const TimetableSelection&, int cell) = nullptr;
  Change (*cellCommand)(School&, const TimetableSelection&, int cell) = nullptr;
  Change (*toggleCell)(School&, const TimetableSelection&, int cell) = nullptr;
  // What the grid's colours mean, shown under it.
  std::vector<LegendEntry> (*legend)() = nullptr;
};

class TimetableWindow : public QDialog {
  Q_OBJECT

 public:
  TimetableWindow(AppContext context, TimetableWindowSpec spec, QWidget* parent = nullptr);

  // Rebuilds the lists (and what the window shows beside them) from the school, as on
  // every activation.
  virtual void Activate() = 0;
  // Selects the owner of the window's kind among (teacher, class) — a classroom
  // window keeps its classroom — and the first lesson row holding (teacher, class,
  // lesson); nothing when the owner is not listed.
  void Select(int teacher, int classNo, int lesson);
  const TimetableSelection& selection() const { return sel_; }

  // The history every timetable change made here is a step of (the one of the school,
  // shared by its windows); none: nothing is recorded and nothing can be undone.
  void SetHistory(EditHistory* history);
  HistoryButtons& historyButtons() const { return *historyButtons_; }
  BlockDrag& drag() const { return *drag_; }

  // The commands, for the grid, the buttons and the keys.
  virtual void CellCommand(int cell);
  void ToggleCell();
  void Print();
  // The unplaced-lessons report; the lesson chosen there becomes the selection.
  void OpenReport();

 protected:
  // While true (a run owns the window) the commands and closing do nothing.
  virtual bool locked() const { return false; }
  // Called whenever the selection was read from the lists, before the grid repaints.
  virtual void SelectionRead() {}
  virtual CellPaint Paint(int row, int column) const;

  void showEvent(QShowEvent* event) override;
  void done(int result) override;

  // Does `work`, a change of the timetables, as one step of the history named `name`
  // (UTF-8).
  void AsStep(const std::string& name, const std::function<void()>& work);

  // The owners again, the first selected, and its lessons.
  void Refill();
  void ReadSelection();

  // A counter: its caption above the value label, right of the ones added before.
  QLabel* AddCounter(const char* caption, const char* name);
  // A button after the ones added before, in rows of `buttonsPerRow`.
  QPushButton* AddButton(const char* caption, const char* name, std::function<void()> command);
  // A print button, enabled when the program can print.
  QPushButton* AddPrintButton(const char* caption, const char* name);
  // An item of the lesson list's popup menu.
  QAction* AddLessonAction(const char* caption, std::function<void()> command);
  // A widget under the buttons.
  void AddBelow(QWidget* widget);

  const AppContext& context() const { return context_; }
  TimetableSelection& sel() { return sel_; }
  ListGrid* owners() const { return ownerGrid_; }
  ListGrid* lessons() const { return teleGrid_; }
  TimetableGrid* grid() const { return grid_; }
  // The kind of timetable the window's owner has.
  GridKind kind() const;
  QWidget* buttons() const { return buttons_; }
  // The window's keys, listed in one line at its foot.
  KeyLine* keyLine() const { return keyLine_; }

 private:
  void BuildLists();
  void BuildLayout();
  void FillLessons();
  int& OwnerOf(TimetableSelection& sel) const;

  AppContext context_;
  TimetableWindowSpec spec_;
  ListGrid* ownerGrid_;
  ListGrid* teleGrid_;
  TimetableGrid* grid_;
  HistoryButtons* historyButtons_;
  QLabel* dragInfo_;
  BlockDrag* drag_;
  QGridLayout* counters_;
  QWidget* buttons_;
  QGridLayout* buttonGrid_;
  QVBoxLayout* right_;
  KeyLine* keyLine_;
  QMenu* lessonMenu_ = nullptr;
  int counterCount_ = 0;
  int buttonCount_ = 0;
  TimetableSelection sel_;
};

}  // namespace kalvodrin
