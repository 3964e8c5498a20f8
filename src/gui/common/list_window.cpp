#include "gui/common/list_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/common/apply_change.h"
#include "gui/common/edit_window.h"
#include "gui/common/enter_moves.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_filters.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/common/save_reason.h"
#include "gui/common/search_box.h"

namespace kalvodrin {
namespace {

QPushButton* Button(QWidget* parent, const QString& objectName, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(objectName);
  b->setAutoDefault(false);
  return b;
}

// Wide enough for the longest name, at least a readable minimum, the last column
// taking the rest of the grid.
void FitColumns(ListGrid* grid) {
  grid->resizeColumnsToContents();
  for (int c = 0; c < grid->columnCount(); ++c)
    if (!grid->isColumnHidden(c)) grid->setColumnWidth(c, std::max(grid->columnWidth(c), 80));
  grid->horizontalHeader()->setStretchLastSection(false);
  grid->horizontalHeader()->setStretchLastSection(true);
}

}  // namespace

ListWindow::ListWindow(AppContext context, ListWindowSpec spec, QWidget* parent)
    : QDialog(parent), context_(context), spec_(std::move(spec)) {
  setWindowTitle(spec_.caption);
  setModal(true);
  grid_ = new ListGrid(this);
  grid_->setObjectName("Grid");
  grid_->SetColumns(ColumnHeaders(spec_.columns), {});
  for (std::size_t c = 0; c < spec_.columns.size(); ++c)
    grid_->setColumnHidden(static_cast<int>(c), spec_.columns[c].hidden);
  if (spec_.searchColumn >= 0) search_ = new SearchBox(grid_, spec_.searchColumn);
  countLabel_ = new QLabel(this);
  countLabel_->setObjectName("CountLabel");
  kaydetBtn_ = Button(this, "KaydetBtn", spec_.kaydetCaption);
  reasonLabel_ = ReasonLabel(this);
  enterMoves_ = new EnterMoves(this, [this] { KaydetBtnClick(); });
  duzeltBtn_ = Button(this, "DuzeltBtn", spec_.duzeltCaption);
  silBtn_ = Button(this, "SilBtn", spec_.silCaption);
  keyLine_ = new KeyLine(this);
  BuildLayout();

  connect(kaydetBtn_, &QPushButton::clicked, this, &ListWindow::KaydetBtnClick);
  connect(duzeltBtn_, &QPushButton::clicked, this, &ListWindow::DuzeltBtnClick);
  connect(silBtn_, &QPushButton::clicked, this, &ListWindow::SilBtnClick);
  if (spec_.editFromGrid)
    connect(grid_, &ListGrid::EditRequested, this, [this](int) { DuzeltBtnClick(); });
  BindKeys();
}

void ListWindow::BindKeys() {
  QList<QKeySequence> save{spec_.saveKey, QKeySequence(Qt::CTRL | Qt::Key_S)};
  const QKeySequence f2(Qt::Key_F2);
  if (spec_.saveKey != f2 && spec_.deleteKey != f2) save.insert(1, f2);
  keyLine_->Bind(save, U8("Kaydet"), [this] { KaydetBtnClick(); });
  if (spec_.editFromGrid) keyLine_->Show(U8("Enter"), U8("Düzelt"));
  keyLine_->BindIn(grid_, {QKeySequence(Qt::Key_Delete)}, U8("Sil"), [this] { SilBtnClick(); },
                   {spec_.deleteKey});
  if (spec_.ordered) {
    keyLine_->Bind({QKeySequence(Qt::CTRL | Qt::Key_Up)}, U8("Yukarı"),
                   [this] { MoveSelected(MoveDirection::kUp); });
    keyLine_->Bind({QKeySequence(Qt::CTRL | Qt::Key_Down)}, U8("Aşağı"),
                   [this] { MoveSelected(MoveDirection::kDown); });
  }
  if (spec_.helpTopic != 0) {
    BindHelpKey(this, context_.help, HelpTopicPage(spec_.helpTopic));
    keyLine_->Show("F1", U8("Yardım"));
  }
  keyLine_->Show("Esc", U8("Kapat"));
}

void ListWindow::BuildLayout() {
  main_ = new QVBoxLayout(this);
  auto* middle = new QHBoxLayout;
  middle->addWidget(grid_, 1);
  buttons_ = new QVBoxLayout;
  buttons_->addWidget(kaydetBtn_);
  buttons_->addWidget(reasonLabel_);
  buttons_->addWidget(duzeltBtn_);
  buttons_->addWidget(silBtn_);
  if (spec_.ordered) {
    upBtn_ = Button(this, "UpBtn", U8("▲ YUKARI"));
    downBtn_ = Button(this, "DownBtn", U8("▼ AŞAĞI"));
    buttons_->addSpacing(12);
    if (!spec_.orderCaption.isEmpty()) buttons_->addWidget(new QLabel(spec_.orderCaption, this));
    buttons_->addWidget(upBtn_);
    buttons_->addWidget(downBtn_);
    connect(upBtn_, &QPushButton::clicked, this, [this] { MoveSelected(MoveDirection::kUp); });
    connect(downBtn_, &QPushButton::clicked, this,
            [this] { MoveSelected(MoveDirection::kDown); });
  }
  buttons_->addStretch(1);
  middle->addLayout(buttons_);
  main_->addLayout(middle, 1);
  auto* count = new QHBoxLayout;
  count->addWidget(new QLabel(U8("KAYIT SAYISI:"), this));
  count->addWidget(countLabel_);
  count->addStretch(1);
  main_->addLayout(count);
  main_->addWidget(keyLine_);
}

void ListWindow::SetEntryPanel(QWidget* panel, const std::vector<QLineEdit*>& entries) {
  main_->insertWidget(0, panel);
  for (QLineEdit* field : entries) AddEntry(field, QString());
}

void ListWindow::AddEntry(QLineEdit* field, const QString& label) {
  entries_.push_back(field);
  entryLabels_.push_back(label);
  enterMoves_->Add(field);
  connect(field, &QLineEdit::textChanged, this, &ListWindow::UpdateButtons);
}

QLineEdit* ListWindow::AddEntryField(const QString& objectName, const QString& label,
                                     int maxLength) {
  if (entryForm_ == nullptr) {
    auto* panel = new QWidget(this);
    entryForm_ = new QFormLayout(panel);
    SetEntryPanel(panel, {});
  }
  auto* field = new QLineEdit(entryForm_->parentWidget());
  field->setObjectName(objectName);
  if (maxLength > 0) field->setMaxLength(maxLength);
  InstallKeyFilter(field, FieldKind::kTurkishUpper);
  entryForm_->addRow(label, field);
  AddEntry(field, label);
  return field;
}

bool ListWindow::EntryValid() const {
  return !entries_.empty() && !entries_.front()->text().isEmpty();
}

QString ListWindow::SaveBlockedReason() const {
  if (entries_.empty() || !entries_.front()->text().isEmpty()) return {};
  return MissingFieldReason(entryLabels_.front());
}

void ListWindow::ClearEntries() {
  for (QLineEdit* field : entries_) field->clear();
}

void ListWindow::FocusFirstEntry() {
  if (!entries_.empty()) entries_.front()->setFocus(Qt::OtherFocusReason);
}

QPushButton* ListWindow::AddButton(const QString& objectName, const QString& caption) {
  QPushButton* b = Button(this, objectName, caption);
  buttons_->insertWidget(buttons_->count() - 1, b);
  return b;
}

void ListWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

// A reopened window starts clean: what was typed for a record that was never saved
// belonged to the last visit, not to this one.
void ListWindow::FormActivate() {
  if (spec_.sortBeforeFill != nullptr) spec_.sortBeforeFill(context_.school);
  ClearEntries();
  Refill();
  SetTabOrder();
  FocusFirstEntry();
}

void ListWindow::SetTabOrder() {
  // Tab reads the window as it is laid out: the new record's fields top to bottom,
  // its save button, the list, then the list's buttons; the window's own buttons
  // follow as they were made.
  std::vector<QWidget*> order(entries_.begin(), entries_.end());
  for (QWidget* w : {static_cast<QWidget*>(kaydetBtn_), static_cast<QWidget*>(grid_),
                     static_cast<QWidget*>(duzeltBtn_), static_cast<QWidget*>(silBtn_),
                     static_cast<QWidget*>(upBtn_), static_cast<QWidget*>(downBtn_)})
    if (w != nullptr) order.push_back(w);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void ListWindow::Refill() {
  grid_->SetRows(ToQtRows(spec_.rows(context_.school)));
  FitColumns(grid_);
  countLabel_->setText(QString::number(grid_->FilledRows()));
  UpdateButtons();
}

void ListWindow::UpdateButtons() {
  const bool filled = grid_->FilledRows() > 0;
  const bool valid = EntryValid();
  kaydetBtn_->setEnabled(valid);
  ShowReason(reasonLabel_, valid ? QString() : SaveBlockedReason());
  duzeltBtn_->setEnabled(filled);
  silBtn_->setEnabled(filled);
  if (upBtn_ != nullptr) upBtn_->setEnabled(filled);
  if (downBtn_ != nullptr) downBtn_->setEnabled(filled);
}

void ListWindow::KaydetBtnClick() {
  if (!EntryValid() || !ConfirmDuplicate()) return;
  if (!ApplyChange(context_, SaveNew(), spec_.texts.refusal)) return;
  Refill();
  ClearEntries();
  FocusFirstEntry();
}

// A second record with the same name is almost always a typing mistake.
bool ListWindow::ConfirmDuplicate() {
  if (!spec_.texts.duplicateQuestion) return true;
  std::vector<std::string> fields;
  for (const QLineEdit* field : entries_) fields.push_back(ToRecordText(field->text()));
  const std::string question = spec_.texts.duplicateQuestion(context_.school, fields, 0);
  return question.empty() || context_.sil.Confirm(U8(question));
}

void ListWindow::DuzeltBtnClick() {
  const int row = grid_->SelectedRow();
  const int number = grid_->SelectedNumber();
  if (number == 0) return;
  if (editWindow_ == nullptr || !editWindow_->Edit(number)) return;
  Refill();
  grid_->SelectRow(row);
}

void ListWindow::SilBtnClick() {
  const int number = grid_->SelectedNumber();
  if (number == 0) return;
  const int row = grid_->SelectedRow();
  const std::string confirm =
      spec_.texts.deleteConfirm ? spec_.texts.deleteConfirm(context_.school, number) : "";
  if (!context_.sil.Confirm(U8(confirm))) return;
  ApplyChange(context_, spec_.deleteRecord(context_.school, number), spec_.texts.refusal);
  Refill();
  const int next = RowAfterDelete(row + 1, grid_->FilledRows());
  if (next == 0) {
    FocusFirstEntry();
    return;
  }
  grid_->SelectRow(next - 1);
  grid_->setFocus(Qt::OtherFocusReason);
}

void ListWindow::MoveSelected(MoveDirection direction) {
  const int number = grid_->SelectedNumber();
  if (number == 0) return;
  const Change moved = spec_.moveRecord != nullptr
                           ? spec_.moveRecord(context_.school, number, direction)
                           : Refused(Outcome::kUnchanged);
  if (!ApplyChange(context_, moved, spec_.texts.refusal)) return;
  Refill();
  grid_->SelectRow(grid_->RowOfNumber(number));
}

NameListWindow::NameListWindow(AppContext context, ListWindowSpec spec, const QString& label,
                               int maxLength, SaveName saveNew, QWidget* parent)
    : ListWindow(context, std::move(spec), parent), saveNew_(saveNew) {
  AddEntryField("Edit1", label, maxLength);
}

Change NameListWindow::SaveNew() {
  return saveNew_(context().school, ToRecordText(entry(0)->text()));
}

}  // namespace kalvodrin
