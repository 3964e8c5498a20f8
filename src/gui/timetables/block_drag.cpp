#include "gui/timetables/block_drag.h"

#include <QCursor>
#include <QLabel>
#include <QToolTip>

#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/timetables/timetable_grid.h"
#include "timetables/block_moves.h"
#include "timetables/step_names.h"

namespace kalvodrin {
namespace {

const char* MarkWord(DropMark mark) {
  switch (mark) {
    case DropMark::kFits: return "Uygun";
    case DropMark::kBreaksRule: return "Yerleşir, ama ayarlara uymaz";
    case DropMark::kNoFit: break;
  }
  return "Buraya taşınamaz";
}

}  // namespace

BlockDrag::BlockDrag(AppContext context, TimetableGrid* grid, GridKind kind, QLabel* info,
                     BlockDragHooks hooks)
    : QObject(grid),
      context_(context),
      grid_(grid),
      kind_(kind),
      info_(info),
      hooks_(std::move(hooks)) {
  info_->setObjectName("DragInfo");
  info_->setWordWrap(true);
  connect(grid_, &TimetableGrid::DragStarted, this, [this](int cell) { Start(cell); });
  connect(grid_, &TimetableGrid::DragMoved, this, [this](int cell) { Move(cell); });
  connect(grid_, &TimetableGrid::DragDropped, this, [this](int cell) { Drop(cell); });
  connect(grid_, &TimetableGrid::DragCancelled, this, [this] { Cancel(); });
}

BlockDrag::~BlockDrag() = default;

CellPaint BlockDrag::Paint(const CellPaint& under, int cell) const {
  if (!carrying()) return under;
  return PaintDropMark(under, TargetAt(cell).mark, cell == target_);
}

void BlockDrag::Start(int cell) {
  if (hooks_.busy && hooks_.busy()) return;
  const std::optional<PlacedBlock> block = BlockAt(context_.school, kind_, hooks_.owner(), cell);
  if (!block) return;
  if (BlockLocked(context_.school, *block)) {
    info_->setText(U8("Kilitli blok yerinde kalır: önce kilidini açın."));
    return;
  }
  marks_ = std::make_unique<DragMarks>(context_.school, *block);
  targets_ = marks_->All();
  target_ = cell;
  grid_->SetCarrying(true);
  Move(cell);
}

void BlockDrag::Move(int cell) {
  if (!carrying()) return;
  target_ = cell;
  QString text;
  if (cell != 0) {
    const DropTarget& t = TargetAt(cell);
    text = U8(std::string(MarkWord(t.mark)) + ": " + CellStepName(cell));
    if (!t.reasons.empty()) text += "\n" + U8(marks_->Explain(t));
  }
  info_->setText(text);
  // The reason follows the pointer too; the line under the grid keeps it for the keys.
  if (grid_->underMouse() && !text.isEmpty()) QToolTip::showText(QCursor::pos(), text, grid_);
  grid_->RepaintAll();
}

void BlockDrag::Drop(int cell) {
  if (!carrying()) return;
  if (cell == 0) return Cancel();
  const PlacedBlock block = marks_->block();
  const DropTarget target = TargetAt(cell);
  if (target.mark == DropMark::kNoFit) return DropOnRed(cell);
  End();
  info_->clear();
  hooks_.asStep("Taşı: " + LessonStepName(context_.school, block.classNo, block.lesson, cell),
                [&] { MoveBlock(context_.school, block, cell); });
  hooks_.changed();
}

void BlockDrag::DropOnRed(int cell) {
  const PlacedBlock block = marks_->block();
  const std::string why = marks_->Explain(TargetAt(cell));
  End();
  const std::optional<PlacedBlock> other =
      BlockAt(context_.school, GridKind::kClass, block.classNo, cell);
  if (other && !(*other == block) && SwapBlocks(context_.school, block, *other, false) == MoveOutcome::kMoved) {
    const std::string a =
        LessonStepName(context_.school, block.classNo, block.lesson, block.startCell);
    const std::string b =
        LessonStepName(context_.school, other->classNo, other->lesson, other->startCell);
    if (context_.sil.Confirm(U8(a + " ile " + b + " yer değiştirsin mi?"))) {
      hooks_.asStep("Yer değiştir: " + a + " / " + b,
                    [&] { SwapBlocks(context_.school, block, *other); });
      hooks_.changed();
    }
    return;
  }
  const std::string text = "Blok buraya taşınamaz, " + CellStepName(cell) + ":\n" + why;
  info_->setText(U8(text));
  context_.sil.Notice(U8(text));
}

void BlockDrag::Cancel() {
  End();
  info_->clear();
}

void BlockDrag::End() {
  marks_.reset();
  target_ = 0;
  grid_->SetCarrying(false);
}

}  // namespace kalvodrin
