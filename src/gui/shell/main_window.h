#pragma once
// TKalvodrinForm, the main window: the program's title, the menu from which every
// other window is opened modally, "Çalışma Dizini" and "ÇIKIŞ". Each menu item makes
// its test first (shell/main_menu.h); an item whose window no area has registered
// stays disabled.

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <string>

#include "gui/common/app_context.h"
#include "gui/common/window_registry.h"
#include "shell/main_menu.h"

class QAction;
class QLabel;
class QPushButton;

namespace kalvodrin {

class KeyLine;
class TPathForm;
struct StartupResult;

class TKalvodrinForm : public QMainWindow, public WindowRegistry {
  Q_OBJECT

 public:
  TKalvodrinForm(AppContext context, TPathForm& pathForm, QWidget* parent = nullptr);

  void SetOpener(MainMenuItem item, WindowOpener opener) override;
  // What start-up found: where YARDIM.LOF is, its text, and whether the school could be
  // read. Without a school only "Çalışma Dizini" and "ÇIKIŞ" are offered.
  void SetStartup(const StartupResult& result);

  // The menu item chosen: test, notice or window, as the item says.
  void Choose(MainMenuItem item);
  void CalismaDiziniBtnClick();

  QAction* ActionOf(MainMenuItem item) const;
  bool HasWindow(MainMenuItem item) const;

  // Where the window keeps its size and place between starts (an INI file of Qt's
  // format); restores them from there at once when the file holds them.
  void RememberGeometryIn(const std::filesystem::path& file);

 signals:
  // A new path was stored in YARDIM.LOF.
  void WorkFolderSaved();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  QWidget* BuildCentre();
  void RefreshStates();

  AppContext context_;
  TPathForm& pathForm_;
  std::array<QAction*, kMainMenu.size()> actions_{};
  std::array<WindowOpener, kMainMenu.size()> openers_{};
  QPushButton* dersHavuzuBtn_ = nullptr;
  QLabel* okulLabel_ = nullptr;
  KeyLine* keyLine_ = nullptr;
  QLabel* dizinLabel_ = nullptr;
  bool schoolLoaded_ = false;
  std::filesystem::path workFolderFile_;
  std::filesystem::path geometryFile_;
  // What the working-folder window starts on: the folder in use until a new one is
  // saved, then the saved one (cp1254).
  std::string shownWorkFolder_;
};

}  // namespace kalvodrin
