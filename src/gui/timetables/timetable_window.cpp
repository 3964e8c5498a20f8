#include "gui/timetables/timetable_window.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/qt_text.h"
#include "gui/common/search_box.h"
#include "gui/timetables/block_drag.h"
#include "gui/timetables/colour_legend_bar.h"
#include "gui/timetables/history_buttons.h"
#include "gui/timetables/report_form.h"
#include "gui/timetables/timetable_grid.h"
#include "gui/timetables/timetable_lists.h"
#include "timetables/edit_history.h"
#include "timetables/step_names.h"

namespace kalvodrin {

TimetableWindow::TimetableWindow(AppContext context, TimetableWindowSpec spec, QWidget* parent)
    : QDialog(parent),
      context_(context),
      spec_(std::move(spec)),
      ownerGrid_(new ListGrid),
      teleGrid_(new ListGrid),
      grid_(new TimetableGrid),
      historyButtons_(new HistoryButtons(
          context, this, [this] { return locked(); }, [this] { ReadSelection(); })),
      dragInfo_(new QLabel),
      drag_(nullptr),
      counters_(new QGridLayout),
      buttons_(new QWidget),
      buttonGrid_(new QGridLayout(buttons_)),
      right_(new QVBoxLayout),
      keyLine_(new KeyLine(this)) {
  setWindowTitle(spec_.caption);
  BuildLists();
  grid_->SetPainter([this](int row, int column) { return Paint(row, column); });
  BuildLayout();
  drag_ = new BlockDrag(
      context_, grid_, kind(), dragInfo_,
      {[this] { return locked(); }, [this] { return OwnerOf(sel_); },
       [this](const std::string& name, const std::function<void()>& work) { AsStep(name, work); },
       [this] { ReadSelection(); }});
  connect(ownerGrid_, &QTableWidget::currentCellChanged, this, [this] { FillLessons(); });
  connect(teleGrid_, &QTableWidget::currentCellChanged, this, [this] { ReadSelection(); });
  if (!spec_.helpPage.isEmpty())
    BindOwnerGrid(this, *keyLine_, grid_, context_, sel_.cell,
                  {[this](int cell) { CellCommand(cell); }, [this] { ToggleCell(); },
                   [this] { Print(); }, spec_.helpPage, spec_.typedKeysAct});
  // Keys the history and the grid handle themselves.
  keyLine_->Show("Ctrl+Z", U8("Geri al"));
  keyLine_->Show("Ctrl+Y", U8("Yinele"));
  keyLine_->Show("F6", U8("Bloğu taşı"));
}

void TimetableWindow::BuildLists() {
  ownerGrid_->setObjectName(spec_.ownerGridName);
  ownerGrid_->SetColumns(QStringList{"NO"} + spec_.ownerColumns, {0});
  if (spec_.ownerNameWidth > 0) ownerGrid_->setColumnWidth(1, spec_.ownerNameWidth);
  if (!spec_.ownerSearchName.isEmpty()) new SearchBox(ownerGrid_, 1, spec_.ownerSearchName);

  teleGrid_->setObjectName(spec_.lessonGridName);
  QStringList headers{"TeacherNo", "ClassNo", "LessonNo"};
  if (spec_.withRoom) headers << "RoomNo";
  const int hidden = static_cast<int>(headers.size());
  for (const LessonColumn& c : spec_.lessonColumns) headers << c.header;
  if (spec_.withRoom)
    teleGrid_->SetColumns(headers, {0, 1, 2, 3});
  else
    teleGrid_->SetColumns(headers, {0, 1, 2});
  for (int k = 0; k < static_cast<int>(spec_.lessonColumns.size()); ++k)
    if (const int width = spec_.lessonColumns[static_cast<std::size_t>(k)].width; width > 0)
      teleGrid_->setColumnWidth(hidden + k, width);
  if (spec_.lessonSearchColumn >= 0)
    new SearchBox(teleGrid_, spec_.lessonSearchColumn, spec_.lessonSearchName);
}

void TimetableWindow::BuildLayout() {
  buttonGrid_->setContentsMargins(0, 0, 0, 0);
  auto* left = new QVBoxLayout;
  left->addWidget(ownerGrid_, spec_.ownerStretch);
  left->addWidget(teleGrid_, spec_.lessonStretch);
  right_->addWidget(grid_);
  if (spec_.legend != nullptr) right_->addWidget(new ColourLegendBar(spec_.legend(), this));
  right_->addLayout(counters_);
  right_->addWidget(new QLabel(spec_.cellKeyHint));
  right_->addWidget(dragInfo_);
  right_->addWidget(historyButtons_);
  right_->addWidget(buttons_);
  auto* sides = new QHBoxLayout;
  sides->addLayout(left, 1);
  sides->addLayout(right_, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(sides, 1);
  layout->addWidget(keyLine_);
  resize(spec_.size);
}

QLabel* TimetableWindow::AddCounter(const char* caption, const char* name) {
  const int column = counterCount_++;
  counters_->addWidget(new QLabel(U8(caption)), 0, column);
  auto* value = new QLabel;
  value->setObjectName(name);
  counters_->addWidget(value, 1, column);
  return value;
}

QPushButton* TimetableWindow::AddButton(const char* caption, const char* name,
                                        std::function<void()> command) {
  auto* b = new QPushButton(U8(caption));
  b->setObjectName(name);
  // A button shown only sometimes keeps its place empty when hidden, so that the
  // others, "ÇIKIŞ" among them, never move under the pointer.
  QSizePolicy keepPlace = b->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  b->setSizePolicy(keepPlace);
  const int perRow = spec_.buttonsPerRow > 0 ? spec_.buttonsPerRow : buttonCount_ + 1;
  buttonGrid_->addWidget(b, buttonCount_ / perRow, buttonCount_ % perRow);
  ++buttonCount_;
  connect(b, &QPushButton::clicked, this, std::move(command));
  return b;
}

QPushButton* TimetableWindow::AddPrintButton(const char* caption, const char* name) {
  QPushButton* b = AddButton(caption, name, [this] { Print(); });
  b->setEnabled(context_.printing != nullptr);
  return b;
}

QAction* TimetableWindow::AddLessonAction(const char* caption, std::function<void()> command) {
  if (lessonMenu_ == nullptr) {
    lessonMenu_ = new QMenu(this);
    teleGrid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(teleGrid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
      lessonMenu_->exec(teleGrid_->viewport()->mapToGlobal(at));
    });
  }
  return lessonMenu_->addAction(U8(caption), this, std::move(command));
}

void TimetableWindow::AddBelow(QWidget* widget) { right_->addWidget(widget); }

void TimetableWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Activate();
}

int& TimetableWindow::OwnerOf(TimetableSelection& sel) const {
  switch (spec_.view) {
    case TimetableView::kTeacher: return sel.teacher;
    case TimetableView::kClass: return sel.classNo;
    case TimetableView::kRoom: break;
  }
  return sel.room;
}

void TimetableWindow::Refill() {
  FillOwners(*ownerGrid_, spec_.owners(context_.school), spec_.ownerSections);
  ownerGrid_->SelectRow(0);
  FillLessons();
}

void TimetableWindow::FillLessons() {
  int& owner = OwnerOf(sel_);
  owner = ownerGrid_->SelectedNumber(0);
  QStringList texts;
  for (const LessonColumn& c : spec_.lessonColumns) texts << c.text;
  kalvodrin::FillLessons(*teleGrid_, spec_.lessons(context_.school, owner), spec_.withRoom, texts);
  teleGrid_->SelectRow(0);
  ReadSelection();
}

void TimetableWindow::ReadSelection() {
  const int row = teleGrid_->SelectedRow();
  const auto number = [&](int column) { return row >= 0 ? teleGrid_->NumberAt(row, column) : 0; };
  // The owner's own number comes from the owner list, even when no lesson row is there.
  if (spec_.view != TimetableView::kTeacher) sel_.teacher = number(0);
  if (spec_.view != TimetableView::kClass) sel_.classNo = number(1);
  sel_.lesson = number(2);
  sel_.cell = grid_->CurrentCell();
  historyButtons_->Refresh();
  SelectionRead();
  grid_->RepaintAll();
}

void TimetableWindow::Select(int teacher, int classNo, int lesson) {
  TimetableSelection wanted{teacher, classNo, lesson, sel_.room, 0};
  const int ownerNumber = OwnerOf(wanted);
  const int owner = ownerGrid_->RowOfNumber(ownerNumber, 0);
  if (owner < 0) return;
  ownerGrid_->SelectRow(owner);
  FillLessons();
  const int row =
      FindLessonRow(spec_.lessons(context_.school, ownerNumber), teacher, classNo, lesson);
  if (row >= 0) teleGrid_->SelectRow(row);
  ReadSelection();
}

CellPaint TimetableWindow::Paint(int row, int column) const {
  if (row == 0 || column == 0) return PaintHeader(row, column);
  const int cell = (row - 1) * 16 + column;
  return drag_->Paint(spec_.paintCell(context_.school, sel_, cell), cell);
}

void TimetableWindow::SetHistory(EditHistory* history) { historyButtons_->SetHistory(history); }

void TimetableWindow::AsStep(const std::string& name, const std::function<void()>& work) {
  EditRecorder step(historyButtons_->history(), context_.school);
  work();
  step.Commit(name, context_.school);
  historyButtons_->Refresh();
}

GridKind TimetableWindow::kind() const {
  switch (spec_.view) {
    case TimetableView::kTeacher: return GridKind::kTeacher;
    case TimetableView::kClass: return GridKind::kClass;
    case TimetableView::kRoom: break;
  }
  return GridKind::kRoom;
}

void TimetableWindow::CellCommand(int cell) {
  if (locked()) return;
  sel_.cell = cell;
  AsStep(CellCommandStepName(context_.school, kind(), sel_, cell),
         [&] { spec_.cellCommand(context_.school, sel_, cell); });
  ReadSelection();
}

void TimetableWindow::ToggleCell() {
  const int cell = grid_->CurrentCell();
  if (locked() || cell == 0) return;  // a header cell has nothing to open or close
  AsStep(CommandStepName("Hücre kapat/aç", cell),
         [&] { spec_.toggleCell(context_.school, sel_, cell); });
  ReadSelection();
}

void TimetableWindow::Print() {
  if (context_.printing == nullptr) return;
  context_.printing->PrintFromTimetableWindow(spec_.view, OwnerOf(sel_));
  ReadSelection();
}

void TimetableWindow::OpenReport() {
  if (locked()) return;
  const HandOver chosen = ChooseUnplacedLesson(context_, this);
  if (!chosen.empty()) Select(chosen.teacher, chosen.classNo, chosen.lesson);
  ReadSelection();
}

void TimetableWindow::done(int result) {
  if (locked()) return;  // a run must end first: it is stopped with its key
  SaveTimetables(context_);
  QDialog::done(result);
}

}  // namespace kalvodrin
