#include "gui/shell/backup_window.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

#include "core/school.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"

namespace kalvodrin {

TYedekForm::TYedekForm(AppContext context, std::filesystem::path fixedFolder,
                       QWidget* parent)
    : QDialog(parent), context_(context), fixedFolder_(std::move(fixedFolder)) {
  setObjectName("TYedekForm");
  setWindowTitle(U8("YEDEKLEME"));
  comboBox1_ = new QComboBox(this);
  comboBox1_->setObjectName("ComboBox1");
  comboBox1_->addItems({U8("C:\\VORTELAMINKA\\"), U8("D:\\YEDEK\\")});
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
  connect(comboBox1_, &QComboBox::currentIndexChanged, this, [this] { ShowFolder(); });
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
  setMinimumWidth(520);
}

BackupPlace TYedekForm::place() const {
  return comboBox1_->currentIndex() == 1 ? BackupPlace::kFixedFolder
                                         : BackupPlace::kWorkFolder;
}

std::filesystem::path TYedekForm::FolderOf(BackupPlace place) const {
  return place == BackupPlace::kFixedFolder ? fixedFolder_ : context_.school.WorkFolder;
}

void TYedekForm::ShowFolder() {
  klasorLabel_->setText(U8("Klasör: ") + QString::fromStdString(FolderOf(place()).string()));
}

OpenOutcome TYedekForm::Open() {
  restored_ = false;
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
  Busy(true);
  const BackupResult result = Backup(context_.school, FolderOf(place()), context_.Disk());
  Busy(false);
  context_.sil.Notice(U8(BackupNoticeText(place(), result)));
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
    context_.sil.Notice(U8(RestoreNoticeText(place(), result)));
    if (result.problem != RestoreProblem::kUnfinished) return;
  }
  restored_ = true;
  accept();
}

}  // namespace kalvodrin
