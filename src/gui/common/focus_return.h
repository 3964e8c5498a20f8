#pragma once
// A modal window, once closed, gives the keyboard back to the window that opened it
// and to the control that had the focus there. Without this a parentless window (the
// shared message window) leaves the activation to the window manager, which may hand
// it to the main window behind, and the user's next key goes nowhere.

class QDialog;

namespace kalvodrin {

// dialog.exec(), then the window active before it is activated again and its
// focused control takes the focus back. Returns exec()'s result.
int ExecReturningFocus(QDialog& dialog);

}  // namespace kalvodrin
