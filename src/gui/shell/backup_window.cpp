#include "gui/shell/backup_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

#include "core/school.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_line.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "shell/backup_places.h"

namespace kalvodrin {
namespace {

// The item that opens the folder chooser carries no place of its own.
constexpr int kChooseItem = -1;

bool FolderExists(const std::filesystem::path& folder) {
  std::error_code ec;
  return std::filesystem::is_directory(folder, ec);
}

QString DefaultChooser(QWidget* parent, const QString& start) {
  return QFileDialog::getExistingDirectory(parent, U8("Yedekleme klasörünü seçiniz"), start);
}

QString PathText(const std::filesystem::path& folder) {
  return QString::fromStdString(folder.string());
}

}  // namespace

TYedekForm::TYedekForm(AppContext context, std::filesystem::path fixedFolder,
                       std::filesystem::path chosenFile, QWidget* parent)
    : QDialog(parent),
      context_(context),
      fixedFolder_(std::move(fixedFolder)),
      chosenFile_(std::move(chosenFile)),
      chooser_(DefaultChooser) {
  setObjectName("TYedekForm");
  setWindowTitle(U8("YEDEKLEME"));
  comboBox1_ = new QComboBox(this);
  comboBox1_->setObjectName("ComboBox1");
  comboBox1_->setToolTip(U8("C: (Sabit Disk)"));
  klasorLabel_ = new QLabel(this);
  klasorLabel_->setObjectName("KlasorLabel");
  klasorLabel_->setWordWrap(true);
  animate_ = new QProgressBar(this);
  animate_->setObjectName("Animate");
  animate_->setRange(0, 0);  // moves without a known end
  animate_->setTextVisible(false);
  animate_->hide();
  yedekleBtn_ = new QPushButton(U8("DOSYALARI YEDEKLE"), this);
  yedekleBtn_->setObjectName("DosyalariYedekleBtn");
  geriAlBtn_ = new QPushButton(U8("YEDEKTEN GERİ AL"), this);
  geriAlBtn_->setObjectName("YedektenGeriAlBtn");
  cikisBtn_ = new QPushButton(U8("ÇIKIŞ"), this);
  cikisBtn_->setObjectName("CikisBtn");
  connect(yedekleBtn_, &QPushButton::clicked, this, &TYedekForm::DosyalariYedekleBtnClick);
  connect(geriAlBtn_, &QPushButton::clicked, this, &TYedekForm::YedektenGeriAlBtnClick);
  connect(cikisBtn_, &QPushButton::clicked, this, &QDialog::reject);
  connect(comboBox1_, &QComboBox::currentIndexChanged, this,
          [this](int index) { PlaceChosen(index); });
  BindHelpKey(this, context_.help, HelpTopicPage(133));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(yedekleBtn_);
  buttons->addWidget(geriAlBtn_);
  buttons->addStretch();
  buttons->addWidget(cikisBtn_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(U8("Yedekleme yeri:"), this));
  layout->addWidget(comboBox1_);
  layout->addWidget(klasorLabel_);
  layout->addWidget(animate_);
  layout->addLayout(buttons);
  auto* keys = new KeyLine(this);
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("Çıkış"));
  layout->addWidget(keys);
  setMinimumWidth(520);
}

BackupPlace TYedekForm::place() const {
  const int data = comboBox1_->currentData().toInt();
  return data == kChooseItem ? BackupPlace::kWorkFolder : static_cast<BackupPlace>(data);
}

std::filesystem::path TYedekForm::FolderOf(BackupPlace place) const {
  switch (place) {
    case BackupPlace::kFixedFolder: return fixedFolder_;
    case BackupPlace::kChosenFolder: return chosenFolder_.value_or(std::filesystem::path());
    case BackupPlace::kWorkFolder: break;
  }
  return context_.school.WorkFolder;
}

// The two fixed items keep their stored paths, each with the folder it stands for on
// this machine; a remembered folder comes next, then the item that asks for another.
void TYedekForm::FillPlaces() {
  filling_ = true;
  chosenFolder_ = ReadChosenBackupFolder(chosenFile_);
  comboBox1_->clear();
  const QString arrow = U8("   →   ");
  comboBox1_->addItem(
      U8("C:\\VORTELAMINKA\\") + arrow + PathText(FolderOf(BackupPlace::kWorkFolder)),
      static_cast<int>(BackupPlace::kWorkFolder));
  comboBox1_->addItem(U8("D:\\YEDEK\\") + arrow + PathText(fixedFolder_),
                      static_cast<int>(BackupPlace::kFixedFolder));
  if (chosenFolder_)
    comboBox1_->addItem(U8("Seçilen klasör") + arrow + PathText(*chosenFolder_),
                        static_cast<int>(BackupPlace::kChosenFolder));
  comboBox1_->addItem(U8("Başka klasör…"), kChooseItem);
  filling_ = false;
}

void TYedekForm::PlaceChosen(int index) {
  if (filling_ || index < 0) return;
  if (comboBox1_->itemData(index).toInt() == kChooseItem) {
    ChooseFolder();
    return;
  }
  lastPlaceIndex_ = index;
  ShowFolder();
}

void TYedekForm::ChooseFolder() {
  const std::filesystem::path start =
      FolderChooserStart(chosenFolder_, qEnvironmentVariable("USER").toStdString(),
                         qEnvironmentVariable("HOME").toStdString(), FolderExists);
  const QString chosen = chooser_(this, PathText(start));
  if (chosen.isEmpty()) {  // cancelled: the place stays what it was
    filling_ = true;
    comboBox1_->setCurrentIndex(lastPlaceIndex_);
    filling_ = false;
    ShowFolder();
    return;
  }
  const std::filesystem::path folder = std::filesystem::path(chosen.toStdString());
  if (Status s = SaveChosenBackupFolder(chosenFile_, folder, context_.Disk()); !s)
    context_.sil.Notice(U8("Seçilen klasör hatırlanamadı: " + s.message()));
  FillPlaces();
  chosenFolder_ = folder;  // used now even when it could not be remembered
  const int item = comboBox1_->findData(static_cast<int>(BackupPlace::kChosenFolder));
  if (item < 0)
    comboBox1_->insertItem(2, U8("Seçilen klasör   →   ") + PathText(folder),
                           static_cast<int>(BackupPlace::kChosenFolder));
  comboBox1_->setCurrentIndex(2);
}

void TYedekForm::ShowFolder() {
  klasorLabel_->setText(U8("Klasör: ") + PathText(FolderOf(place())));
}

OpenOutcome TYedekForm::Open() {
  restored_ = false;
  FillPlaces();
  lastPlaceIndex_ = 0;
  comboBox1_->setCurrentIndex(0);
  ShowFolder();
  yedekleBtn_->setFocus(Qt::OtherFocusReason);
  exec();
  return restored_ ? OpenOutcome::kRestored : OpenOutcome::kClosed;
}

void TYedekForm::Busy(bool busy) {
  animate_->setVisible(busy);
  cikisBtn_->setVisible(!busy);
  yedekleBtn_->setEnabled(!busy);
  geriAlBtn_->setEnabled(!busy);
  if (busy) QApplication::processEvents();
}

void TYedekForm::DosyalariYedekleBtnClick() {
  const std::filesystem::path folder = FolderOf(place());
  Busy(true);
  BackupResult result;
  if (place() == BackupPlace::kFixedFolder && !CreateFixedBackupFolder(folder))
    result.folder = FolderState::kMissing;  // the drive is not ready
  else
    result = Backup(context_.school, folder, context_.Disk());
  Busy(false);
  context_.sil.Notice(U8(BackupNoticeText(place(), result, folder.string())));
}

// A restore that changed nothing leaves the program as it was; one that restored the
// files closes the window, and the main window ends the program. So does one left
// unfinished: the school in memory is no longer what the folder will hold, and the
// next start ends the restore.
void TYedekForm::YedektenGeriAlBtnClick() {
  Busy(true);
  const RestoreResult result =
      Restore(FolderOf(place()), context_.school.WorkFolder, context_.Disk());
  Busy(false);
  if (!result.ok()) {
    context_.sil.Notice(U8(RestoreNoticeText(place(), result, FolderOf(place()).string())));
    if (result.problem != RestoreProblem::kUnfinished) return;
  }
  restored_ = true;
  accept();
}

}  // namespace kalvodrin
