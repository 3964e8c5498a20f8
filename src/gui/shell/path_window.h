#pragma once
// TPathForm ("ÇALIŞMA DİZİNİ"): edits the working-folder path stored in YARDIM.LOF.
// A confirmed path is saved at once and takes effect at the next start; the school in
// memory stays that of the folder it was read from.

#include <QDialog>

#include <filesystem>
#include <string>

#include "core/file_system.h"

class QLineEdit;
class QPushButton;

namespace kalvodrin {

class TSilForm;
class THelpForm;

class TPathForm : public QDialog {
  Q_OBJECT

 public:
  // `disk` (kept, not owned) writes YARDIM.LOF; the machine's own when none.
  TPathForm(TSilForm& sil, THelpForm& help, QWidget* parent = nullptr, FileSystem* disk = nullptr);

  // Shows the stored text (cp1254) of YARDIM.LOF at `file` modally. True when a new
  // path was saved; `stored` then holds it.
  bool Open(const std::filesystem::path& file, std::string& stored);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Prepare(const std::string& stored);
  void TamamBtnClick();

  TSilForm& sil_;
  FileSystem* disk_;
  LocalFileSystem machine_;
  QLineEdit* pathEd_;
  std::filesystem::path file_;
  std::string saved_;
};

}  // namespace kalvodrin
