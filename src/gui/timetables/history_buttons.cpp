#include "gui/timetables/history_buttons.h"

#include <QHBoxLayout>
#include <QPushButton>

#include <utility>

#include "gui/common/function_keys.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "timetables/edit_history.h"

namespace kalvodrin {

HistoryButtons::HistoryButtons(AppContext context, QWidget* window, std::function<bool()> busy,
                               std::function<void()> changed)
    : context_(context),
      busy_(std::move(busy)),
      changed_(std::move(changed)),
      undo_(new QPushButton),
      redo_(new QPushButton) {
  undo_->setObjectName("GeriAlBtn");
  redo_->setObjectName("YineleBtn");
  // The step's name may be long; the buttons must not push the grid wider.
  for (QPushButton* b : {undo_, redo_}) {
    b->setAutoDefault(false);
    b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  }
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(undo_, 1);
  row->addWidget(redo_, 1);
  connect(undo_, &QPushButton::clicked, this, [this] { Undo(); });
  connect(redo_, &QPushButton::clicked, this, [this] { Redo(); });
  BindKey(window, QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { Undo(); });
  BindKey(window, QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { Redo(); });
  BindKey(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { Redo(); });
  Refresh();
}

void HistoryButtons::SetHistory(EditHistory* history) {
  history_ = history;
  Refresh();
}

void HistoryButtons::Undo() { Move(true); }
void HistoryButtons::Redo() { Move(false); }

void HistoryButtons::Move(bool undo) {
  if (history_ == nullptr || (busy_ && busy_())) return;
  const HistoryResult r = undo ? history_->Undo(context_.school, context_.Disk())
                               : history_->Redo(context_.school, context_.Disk());
  switch (r.outcome) {
    case HistoryOutcome::kDone:
    case HistoryOutcome::kNothing: break;
    case HistoryOutcome::kChangedElsewhere:
      context_.sil.Notice(
          U8("Programlar bu adımdan sonra başka bir yerde değişti; \"" + r.name +
             "\" geri alınmadı ve geri alma geçmişi silindi."));
      break;
    case HistoryOutcome::kSaveFailed: context_.sil.Notice(U8(r.save.message())); break;
  }
  if (changed_) changed_();
  Refresh();
}

void HistoryButtons::Refresh() {
  const bool canUndo = history_ != nullptr && history_->canUndo();
  const bool canRedo = history_ != nullptr && history_->canRedo();
  undo_->setEnabled(canUndo);
  redo_->setEnabled(canRedo);
  undo_->setText(canUndo ? U8("Geri al: " + history_->undoName()) : U8("Geri al"));
  redo_->setText(canRedo ? U8("Yinele: " + history_->redoName()) : U8("Yinele"));
  undo_->setToolTip(undo_->text() + " (Ctrl+Z)");
  redo_->setToolTip(redo_->text() + " (Ctrl+Y)");
}

}  // namespace kalvodrin
