#include "gui/common/message_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <QVBoxLayout>

#include "gui/common/qt_text.h"
#include "gui/common/focus_return.h"

namespace kalvodrin {

TSilForm::TSilForm(QWidget* parent) : QDialog(parent) {
  setObjectName("TSilForm");
  setWindowTitle(U8(" ÖĞRETMEN DERS PROGRAMI"));
  setModal(true);

  richEdit1_ = new QTextEdit(this);
  richEdit1_->setObjectName("RichEdit1");
  richEdit1_->setReadOnly(true);
  richEdit1_->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  richEdit1_->setFixedWidth(440);
  richEdit1_->installEventFilter(this);
  QFont big = richEdit1_->font();
  big.setPointSize(big.pointSize() + 2);
  big.setBold(true);
  richEdit1_->setFont(big);

  tamamBtn_ = new QPushButton(U8("TAMAM"), this);
  tamamBtn_->setObjectName("TamamBtn");
  tamamBtn_->setDefault(true);
  iptalBtn_ = new QPushButton(U8("İPTALET"), this);
  iptalBtn_->setObjectName("IptalBtn");
  connect(tamamBtn_, &QPushButton::clicked, this, &QDialog::accept);
  connect(iptalBtn_, &QPushButton::clicked, this, &QDialog::reject);

  // The buttons sit centred between two stretches: with "İPTALET" hidden, "TAMAM"
  // takes the middle, and every showing of a mode puts it at the same place.
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(tamamBtn_);
  buttons->addSpacing(20);
  buttons->addWidget(iptalBtn_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(richEdit1_);
  layout->addLayout(buttons);
}

QString TSilForm::text() const { return richEdit1_->toPlainText(); }

void TSilForm::Notice(const QString& text) {
  noticeFlag_ = true;
  ShowModal(text);
  noticeFlag_ = false;
}

bool TSilForm::Confirm(const QString& text) {
  noticeFlag_ = false;
  return ShowModal(text) == QDialog::Accepted;
}

int TSilForm::ShowModal(const QString& text) {
  richEdit1_->clear();
  richEdit1_->setPlainText(text);
  FitTextHeight();
  ArrangeForMode();
  return ExecReturningFocus(*this);
}

// As tall as the text needs: one line for most messages, more for a long error.
void TSilForm::FitTextHeight() {
  QTextDocument* document = richEdit1_->document();
  document->setTextWidth(richEdit1_->width() - 2 * richEdit1_->frameWidth() - 8);
  const int height = static_cast<int>(document->size().height()) + 2 * richEdit1_->frameWidth() + 8;
  richEdit1_->setFixedHeight(std::clamp(height, 60, 320));
}

void TSilForm::ArrangeForMode() {
  iptalBtn_->setVisible(!noticeFlag_);
  // The layout must have placed the buttons before the focus and the size are set.
  layout()->activate();
  adjustSize();
}

void TSilForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  if (noticeFlag_)
    tamamBtn_->setFocus(Qt::OtherFocusReason);
  else
    iptalBtn_->setFocus(Qt::OtherFocusReason);
}

bool TSilForm::eventFilter(QObject* watched, QEvent* event) {
  // The text is for reading only: clicking into it hands the focus on, so that Enter
  // still cancels a question.
  if (watched == richEdit1_ && event->type() == QEvent::FocusIn && iptalBtn_->isVisible())
    iptalBtn_->setFocus(Qt::OtherFocusReason);
  return QDialog::eventFilter(watched, event);
}

}  // namespace kalvodrin
