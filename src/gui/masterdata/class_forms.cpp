#include "gui/masterdata/class_forms.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "core/ordering.h"
#include "core/school.h"
#include "gui/common/apply_change.h"
#include "gui/common/list_grid.h"
#include "gui/common/qt_text.h"
#include "gui/masterdata/record_texts.h"
#include "gui/masterdata/room_forms.h"
#include "gui/common/focus_return.h"
#include "masterdata/classes.h"
#include "masterdata/deletions.h"
#include "masterdata/list_rows.h"

namespace kalvodrin {

TSinifEditForm::TSinifEditForm(AppContext context, QWidget* parent)
    : EditWindow(context,
                 {.caption = U8("SINIFLARI DÜZENLE"),
                  .iptalCaption = U8("İPTALET"),
                  .helpTopic = 106,
                  .texts = TextsOf(EntityKind::kClass)},
                 parent) {
  setObjectName("TSinifEditForm");
  edit1_ = AddField("Edit1", U8("SINIFIN ADI"), 4);
  edit2_ = AddField("Edit2", U8("BÖLÜMÜ"), 3);
}

void TSinifEditForm::ShowRecord(int number) {
  const TClassRec* c = context().school.ClassByNo(number);
  edit1_->setText(c != nullptr ? FromCp1254(c->name.view()) : QString());
  edit2_->setText(c != nullptr ? FromCp1254(c->section.view()) : QString());
}

Change TSinifEditForm::Store(int number) {
  return SaveClassEdit(context().school, number, ToRecordText(edit1_->text()),
                       ToRecordText(edit2_->text()));
}

TSinifForm::TSinifForm(AppContext context, QWidget* parent)
    : ListWindow(context,
                 {.caption = U8("SINIFLAR"),
                  .texts = TextsOf(EntityKind::kClass),
                  .helpTopic = 105,
                  .kaydetCaption = U8("KAYDET(F2)"),
                  .duzeltCaption = U8("DÜZELT"),
                  .silCaption = U8("SEÇİLİ SINIFI SİL"),
                  .columns = ClassColumns(),
                  .searchColumn = 2,
                  .ordered = true,
                  .rows = ClassRows,
                  .deleteRecord = DeleteClassFromList,
                  .moveRecord = MoveClass,
                  .sortBeforeFill = SortClasses},
                 parent) {
  setObjectName("TSinifForm");
  AddEntryField("Edit1", U8("SINIFIN ADI"), 4);
  AddEntryField("Edit2", U8("BÖLÜMÜ"), 3);
  QPushButton* derslikBtn = AddButton("DerslikBtn", U8("DERSHANE AÇ"));
  connect(derslikBtn, &QPushButton::clicked, this, &TSinifForm::DerslikBtnClick);

  ekbna1_ = new QAction(U8("EKBİNA"), this);
  ekbna1_->setObjectName("EKBNA1");
  connect(ekbna1_, &QAction::triggered, this, &TSinifForm::EKBNA1Click);
  auto* popup = new QMenu(this);
  popup->setObjectName("PopupMenu1");
  popup->addAction(ekbna1_);
  grid()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid(), &QWidget::customContextMenuRequested, this, [this, popup](const QPoint& at) {
    if (grid()->FilledRows() > 0) popup->exec(grid()->viewport()->mapToGlobal(at));
  });
  SetEditWindow(new TSinifEditForm(context, this));
  roomForm_ = new TDerslikForm(context, this);
  resize(620, 520);
}

void TSinifForm::EKBNA1Click() {
  const int row = grid()->SelectedRow();
  const int number = grid()->SelectedNumber();
  if (number == 0) return;
  const Change toggled = ToggleClassAnnex(context().school, number);
  if (!ApplyChange(context(), toggled, RefusalOf(EntityKind::kClass))) return;
  Refill();
  grid()->SelectRow(row);
}

void TSinifForm::DerslikBtnClick() { ExecReturningFocus(*roomForm_); }

Change TSinifForm::SaveNew() {
  return SaveNewClass(context().school, ToRecordText(entry(0)->text()),
                      ToRecordText(entry(1)->text()));
}

}  // namespace kalvodrin
