#pragma once
// TYedekForm ("YEDEKLEME"): backs the school in memory up to ".YDK" files and restores
// the data files from them. Where to: the working folder itself, or the fixed backup
// folder that stands for a removable drive. After a restore the program must end, so
// that the restored files are what the next start reads.

#include <QDialog>

#include <filesystem>

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
  // `fixedFolder` is where kBackupFolder maps on this machine.
  TYedekForm(AppContext context, std::filesystem::path fixedFolder,
             QWidget* parent = nullptr);

  // Shows the window modally; kRestored when files were restored.
  OpenOutcome Open();

  void DosyalariYedekleBtnClick();
  void YedektenGeriAlBtnClick();

  BackupPlace place() const;
  std::filesystem::path FolderOf(BackupPlace place) const;

 private:
  void ShowFolder();
  // Shows the animation and hides "ÇIKIŞ" while files are written.
  void Busy(bool busy);

  AppContext context_;
  std::filesystem::path fixedFolder_;
  QComboBox* comboBox1_;
  QLabel* klasorLabel_;
  QProgressBar* animate_;
  QPushButton* yedekleBtn_;
  QPushButton* geriAlBtn_;
  QPushButton* cikisBtn_;
  bool restored_ = false;
};

}  // namespace kalvodrin
