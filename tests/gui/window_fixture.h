#pragma once
// A school in a fresh working folder with the shared message and help windows, for
// driving the master-data windows through their keys and checking both the school in
// memory and what reached the files.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include <utility>

#include <gtest/gtest.h>

#include "core/storage.h"
#include "gui/common/app_context.h"
#include "gui/common/help_window.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui_test_support.h"
#include "school_files.h"

namespace kalvodrin::testing {

template <typename W = QLineEdit>
W* Child(QWidget* window, const char* name) {
  W* w = window->findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// The offscreen platform does not give the activation back to a window when a modal
// window over it closes, as a desktop does; focus events and window-wide keys need it.
inline void EnsureActive(QWidget* window) {
  if (QApplication::activeWindow() == window) return;
  QWidget* focus = window->focusWidget();
  Activate(window);
  if (focus != nullptr) focus->setFocus(Qt::OtherFocusReason);
}

// Types into the named field of the window, after clearing it.
inline void Type(QWidget* window, const char* field, const QString& text) {
  EnsureActive(window);
  QLineEdit* edit = Child(window, field);
  edit->setFocus(Qt::OtherFocusReason);
  edit->clear();
  TypeText(edit, text);
}

inline void Key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  EnsureActive(window);
  QWidget* target = QApplication::focusWidget();
  QTest::keyClick(target != nullptr && target->window() == window ? target : window, key, mods);
}

inline ListGrid* GridOf(QWidget* window) { return Child<ListGrid>(window, "Grid"); }

inline QStringList Column(QWidget* window, int column) {
  return GridOf(window)->ColumnTexts(column);
}

class WindowFixture : public ::testing::Test {
 protected:
  WindowFixture() {
    school.WorkFolder = folder.path();
    EXPECT_TRUE(LoadSchool(school).ok());  // writes every file at its default
  }

  AppContext context() { return {school, sil, help}; }

  // Works on the built school, in the working folder, instead of the empty one; the
  // files keep their defaults until a window saves.
  void UseSchool(School built) {
    school = std::move(built);
    school.WorkFolder = folder.path();
  }

  // The school as the files hold it now.
  School OnDisk() const {
    School disk;
    disk.WorkFolder = folder.path();
    EXPECT_TRUE(LoadSchool(disk).ok());
    return disk;
  }

  // Answers the confirmation that the next key or click opens, remembering its text.
  void AnswerNextConfirmation(bool ok) {
    OnNextModal([this, ok](QDialog* d) {
      lastMessage = MessageText(d);
      QTest::mouseClick(d->findChild<QPushButton*>(ok ? "TamamBtn" : "IptalBtn"),
                        Qt::LeftButton);
    });
  }

  TempFolder folder;
  School school;
  TSilForm sil;
  THelpForm help;
  QString lastMessage;
};

}  // namespace kalvodrin::testing
