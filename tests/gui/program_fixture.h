#pragma once
// The whole program, started as a user starts it but in folders of its own, for the
// tests that drive it through its main menu.

#include <QDialog>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>

#include "app/kalvodrin_app.h"
#include "gui/shell/main_window.h"
#include "gui_test_support.h"
#include "school_files.h"

namespace kalvodrin::testing {

class ProgramFixture : public ::testing::Test {
 protected:
  // The user's folders under `root`, with an empty current folder; the working folder
  // is `root/okul`, or without `override` the one YARDIM.LOF names.
  StartupOptions Options(bool override = true) const {
    StartupOptions o;
    o.dirs.currentDir = root / "cwd";
    o.dirs.configHome = root / "config";
    o.dirs.dataHome = root / "data";
    std::filesystem::create_directories(o.dirs.currentDir);
    if (override) o.folderOverride = root / "okul";
    return o;
  }

  // The title of the window the menu item opens; closes it.
  static QString Opened(TKalvodrinForm& form, MainMenuItem item) {
    QString title;
    OnNextModal([&title](QDialog* d) {
      title = d->windowTitle();
      d->close();
    });
    form.ActionOf(item)->trigger();
    return title;
  }

  TempFolder root;
};

}  // namespace kalvodrin::testing
