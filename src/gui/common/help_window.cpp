#include "gui/common/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/common/focus_return.h"
#include "gui/common/key_line.h"
#include "gui/common/qt_text.h"

namespace kalvodrin {

QString HelpTopicPage(int contextNumber) { return QString::number(contextNumber); }

bool HelpPageExists(const QString& page) {
  return QFile::exists(QStringLiteral(":/help/%1.html").arg(page));
}

THelpForm::THelpForm(QWidget* parent) : QDialog(parent) {
  setObjectName("THelpForm");
  setWindowTitle(U8("YARDIM"));
  resize(560, 480);
  helpText_ = new QTextBrowser(this);
  helpText_->setObjectName("HelpText");
  helpText_->setSearchPaths({QStringLiteral(":/help")});
  helpText_->setOpenLinks(true);
  auto* contents = new QPushButton(U8("İÇİNDEKİLER"), this);
  contents->setObjectName("IcindekilerBtn");
  auto* close = new QPushButton(U8("KAPAT"), this);
  close->setObjectName("KapatBtn");
  connect(contents, &QPushButton::clicked, this, [this] { Load(kHelpContents); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(helpText_);
  layout->addLayout(buttons);
  auto* keys = new KeyLine(this);
  keys->Show("Esc", U8("Kapat"));
  layout->addWidget(keys);
}

void THelpForm::Load(const QString& page) {
  page_ = HelpPageExists(page) ? page : QString(kHelpContents);
  helpText_->setSource(QUrl(QStringLiteral("qrc:/help/%1.html").arg(page_)));
}

void THelpForm::ShowPage(const QString& page) {
  Load(page);
  ExecReturningFocus(*this);
}

}  // namespace kalvodrin
