#include "gui/shell/path_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/focus_return.h"
#include "gui/common/function_keys.h"
#include "gui/common/key_line.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "shell/work_folder_text.h"

namespace kalvodrin {

inline constexpr const char* kPathHelpPage = "calisma_dizini";

TPathForm::TPathForm(TSilForm& sil, THelpForm& help, QWidget* parent, FileSystem* disk)
    : QDialog(parent), sil_(sil), disk_(disk) {
  setObjectName("TPathForm");
  setWindowTitle(U8("ÇALIŞMA DİZİNİ"));
  pathEd_ = new QLineEdit(this);
  pathEd_->setObjectName("PathEd");
  // Wide enough to show a deep folder whole: the record holds up to 80 characters.
  pathEd_->setMinimumWidth(pathEd_->fontMetrics().averageCharWidth() * 80 + 12);
  pathEd_->installEventFilter(this);
  auto* example = new QLabel(U8("Örnek Yol: D:\\Vortelaminka\\"), this);
  example->setObjectName("OrnekLabel");
  auto* tamam = new QPushButton(U8("Tamam"), this);
  tamam->setObjectName("TamamBtn");
  tamam->setDefault(true);
  auto* iptal = new QPushButton(U8("İptal"), this);
  iptal->setObjectName("IptalBtn");
  connect(tamam, &QPushButton::clicked, this, &TPathForm::TamamBtnClick);
  connect(iptal, &QPushButton::clicked, this, &QDialog::reject);
  BindHelpKey(this, help, kPathHelpPage);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(tamam);
  buttons->addWidget(iptal);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pathEd_);
  layout->addWidget(example);
  layout->addLayout(buttons);
  auto* keys = new KeyLine(this);
  keys->Show("Enter", U8("Tamam"));
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("İptal"));
  layout->addWidget(keys);
}

void TPathForm::Prepare(const std::string& stored) {
  pathEd_->setText(FromCp1254(stored));
  pathEd_->setFocus(Qt::OtherFocusReason);
}

bool TPathForm::Open(const std::filesystem::path& file, std::string& stored) {
  file_ = file;
  Prepare(stored);
  if (ExecReturningFocus(*this) != QDialog::Accepted) return false;
  stored = saved_;
  return true;
}

void TPathForm::TamamBtnClick() {
  const std::optional<std::string> text = StoredPathText(pathEd_->text().toStdString());
  if (!text) {
    sil_.Notice(U8("Bu yol kaydedilemez: Türkçe kod sayfasında olmayan bir karakter "
                   "içeriyor."));
    return;
  }
  if (Status s = StoreWorkFolder(file_, *text, disk_ != nullptr ? *disk_ : machine_); !s) {
    sil_.Notice(U8("Yol kaydedilemedi.\n") + QString::fromStdString(s.message()));
    return;
  }
  saved_ = *text;
  sil_.Notice(U8(kPathSavedNotice) + "\n" + U8(kPathNextStartNotice));
  accept();
}

bool TPathForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pathEd_ && event->type() == QEvent::MouseButtonDblClick) {
    pathEd_->setText(U8(TogglePathText(pathEd_->text().toStdString())));
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace kalvodrin
