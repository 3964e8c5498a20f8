#pragma once
// TYedekForm ("YEDEKLEME"): backs the school in memory up to ".YDK" files and restores
// the data files from them. Where to: the working folder itself, the fixed backup
// folder that stands for a removable drive, or a folder the user chose (a USB stick),
// each shown with the real folder it stands for. After a restore the program must end,
// so that the restored files are what the next start reads.

#include <QDialog>

#include <filesystem>
#include <functional>
#include <optional>

#include "gui/common/app_context.h"
#include "gui/shell/main_window.h"
#include "shell/backup_texts.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace kalvodrin {

class TYedekForm : public QDialog {
  Q_OBJECT

 public:
  // `fixedFolder` is where kBackupFolder maps on this machine; `chosenFile` remembers
  // the folder chosen with "Başka klasör…".
  TYedekForm(AppContext context, std::filesystem::path fixedFolder,
             std::filesystem::path chosenFile, QWidget* parent = nullptr);

  // Asks for a folder, starting at the given one; empty when the user cancels. The
  // platform's folder chooser unless a test sets another.
  using FolderChooser = std::function<QString(QWidget* parent, const QString& start)>;
  void SetFolderChooser(FolderChooser chooser) { chooser_ = std::move(chooser); }

  // Shows the window modally; kRestored when files were restored.
  OpenOutcome Open();

  void DosyalariYedekleBtnClick();
  void YedektenGeriAlBtnClick();

  BackupPlace place() const;
  std::filesystem::path FolderOf(BackupPlace place) const;

 private:
  void FillPlaces();
  void PlaceChosen(int index);
  // Opens the folder chooser; a chosen folder is remembered and selected.
  void ChooseFolder();
  void ShowFolder();
  // Shows the animation and hides "ÇIKIŞ" while files are written.
  void Busy(bool busy);

  AppContext context_;
  std::filesystem::path fixedFolder_;
  std::filesystem::path chosenFile_;
  std::optional<std::filesystem::path> chosenFolder_;
  FolderChooser chooser_;
  int lastPlaceIndex_ = 0;
  bool filling_ = false;
  QComboBox* comboBox1_;
  QLabel* klasorLabel_;
  QProgressBar* animate_;
  QPushButton* yedekleBtn_;
  QPushButton* geriAlBtn_;
  QPushButton* cikisBtn_;
  bool restored_ = false;
};

}  // namespace kalvodrin
