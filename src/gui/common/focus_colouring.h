#pragma once
// Of a window's grids, the one holding the focus shows its text in maroon and the
// others in black, so the user sees where the keys go.

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <vector>

namespace kalvodrin {

inline const QColor kFocusTextColour(128, 0, 0);  // maroon
inline const QColor kPlainTextColour(0, 0, 0);

class FocusColouring : public QObject {
  Q_OBJECT

 public:
  // Owned by the first widget's window; create it once the widgets are in that window.
  explicit FocusColouring(std::initializer_list<QWidget*> widgets);

  // Recolours from the current focus; called on every focus change.
  void Apply();

 private:
  // Guarded: while a window is torn down, focus moves past widgets already gone.
  std::vector<QPointer<QWidget>> widgets_;
};

// Cuts the window and its colourings off the application's focus changes. A window's
// destructor calls it first: the colouring is a child created after the grids it
// watches, so it outlives them, and each grid moves the focus while it is destroyed;
// a guarded pointer is still set then, and recolouring a half-destroyed grid crashes.
void StopFollowingFocus(QWidget* window);

// The text colour a widget shows now.
QColor TextColourOf(const QWidget* widget);

}  // namespace kalvodrin
