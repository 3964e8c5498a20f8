#pragma once
// SearchBox: the hidden incremental search box over a list grid. A key typed into the
// grid shows the box and gives it the focus (the key is its first character), or hides
// it when it is already showing. Every change of its text selects the first row whose
// name column begins with exactly that text; with no such row the selection stays and
// the box turns red, so the user sees that nothing matched. Enter or Esc returns to
// the grid; leaving the box hides and empties it, so the next search starts afresh.
// The box sits at the bottom of the grid, or at the top while the selected row is
// down there: it never covers the row it found. Typed characters are Turkish
// capitals, as the names are.

#include <QLineEdit>
#include <QStringList>

namespace kalvodrin {

class ListGrid;

// The first row whose name begins with the prefix, compared character by character;
// -1 when none does.
int FirstRowWithPrefix(const QStringList& names, const QString& prefix);

class SearchBox : public QLineEdit {
  Q_OBJECT

 public:
  // The box lives over the grid; the object name is the window's ("SearchEd").
  SearchBox(ListGrid* grid, int nameColumn, const QString& objectName = "SearchEd");

  void ToggleFromGrid(const QString& typed);
  // True while the text matches no row.
  bool noMatch() const { return noMatch_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Search(const QString& text);
  void PlaceOverGrid();

  void ShowMatch(bool matched);

  ListGrid* grid_;
  int nameColumn_;
  bool noMatch_ = false;
};

}  // namespace kalvodrin
