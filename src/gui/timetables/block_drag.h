#pragma once
// BlockDrag: carrying a placed block across a timetable grid with the mouse or the
// keys. While it is carried every start cell shows its mark (green: fits, yellow: a
// rule of the settings says no, red: does not fit) and the line under the grid, and
// the pointer's tooltip, say why. A drop on green or yellow moves the whole block; a
// drop on another block of the class offers to swap the two when both fit after it;
// a drop on red changes nothing and says why. Locked blocks stay. A move or swap is
// one step of the edit history.

#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "engine/locks.h"
#include "gui/common/app_context.h"
#include "timetables/cell_paint.h"
#include "timetables/drag_marks.h"

class QLabel;

namespace kalvodrin {

class TimetableGrid;

struct BlockDragHooks {
  std::function<bool()> busy;  // a run owns the window: nothing is picked up
  std::function<int()> owner;  // the teacher, class or classroom shown
  // Does the change as one step of the edit history (name UTF-8).
  std::function<void(const std::string& name, const std::function<void()>& work)> asStep;
  std::function<void()> changed;  // after a drop that changed the timetables
};

class BlockDrag : public QObject {
  Q_OBJECT

 public:
  BlockDrag(AppContext context, TimetableGrid* grid, GridKind kind, QLabel* info,
            BlockDragHooks hooks);
  ~BlockDrag() override;

  bool carrying() const { return marks_ != nullptr; }
  // What the grid shows at a data cell: `under` as the window paints it, with the
  // mark over it while a block is carried.
  CellPaint Paint(const CellPaint& under, int cell) const;
  const DropTarget& TargetAt(int cell) const { return targets_[static_cast<std::size_t>(cell - 1)]; }

 private:
  void Start(int cell);
  void Move(int cell);
  void Drop(int cell);
  void Cancel();
  void End();
  // A drop on a cell whose mark is red: another block of the class there may swap.
  void DropOnRed(int cell);

  AppContext context_;
  TimetableGrid* grid_;
  GridKind kind_;
  QLabel* info_;
  BlockDragHooks hooks_;
  std::unique_ptr<DragMarks> marks_;  // while a block is carried
  std::array<DropTarget, 80> targets_{};
  int target_ = 0;
};

}  // namespace kalvodrin
