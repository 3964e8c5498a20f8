#include "gui/assignments/copy_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/pick_rows.h"
#include "curriculum/copy_lessons.h"
#include "curriculum/curriculum_texts.h"
#include "gui/assignments/grid_panels.h"
#include "gui/common/apply_change.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/qt_text.h"

namespace kalvodrin {

TKopyalaForm::TKopyalaForm(AppContext context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName("TKopyalaForm");
  setWindowTitle(U8("SINIFLAR ARASI DERS KOPYALA"));
  setModal(true);
  grid_ = NewGrid(this, "Grid", ClassPickColumns());
  NewSearchBox(grid_, 1, "SearchEd");
  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  label2_ = new QLabel(this);
  label2_->setObjectName("Label2");
  auto* okBtn = NewButton(this, "OkBtn", U8("TAMAM"));
  auto* cancelBtn = NewButton(this, "CancelBtn", U8("İPTALET"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(okBtn);
  buttons->addWidget(cancelBtn);
  auto* main = new QVBoxLayout(this);
  main->addWidget(grid_, 1);
  main->addWidget(label1_);
  main->addWidget(label2_);
  main->addLayout(buttons);
  auto* keys = new KeyLine(this);
  keys->Show(U8("Çift tık / Enter"), U8("Kopyala"));
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("İptal"));
  main->addWidget(keys);
  connect(grid_, &QTableWidget::itemSelectionChanged, this, &TKopyalaForm::ShowLabels);
  connect(grid_, &ListGrid::EditRequested, this, [this](int) { OkBtnClick(); });
  connect(okBtn, &QPushButton::clicked, this, &TKopyalaForm::OkBtnClick);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  BindHelpKey(this, context_.help, HelpTopicPage(115));
  resize(360, 420);
}

bool TKopyalaForm::Open(int target) {
  target_ = target;
  Fill(grid_, ClassPickRows(context_.school), ProposedCopySource(context_.school, target));
  ShowLabels();
  grid_->setFocus(Qt::OtherFocusReason);
  return exec() == QDialog::Accepted;
}

void TKopyalaForm::ShowLabels() {
  label1_->setText(U8(ClassTitle(context_.school, grid_->SelectedNumber()) +
                      " Sınıfının Dersleri"));
  label2_->setText(U8(ClassTitle(context_.school, target_) + " Sınıfına Kopyalanacak"));
}

void TKopyalaForm::OkBtnClick() {
  ApplyChange(context_, CopyClassLessons(context_.school, grid_->SelectedNumber(), target_),
              CurriculumNotice);
  accept();
}

}  // namespace kalvodrin
