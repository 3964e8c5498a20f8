#include "gui/timetables/changed_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/snapshot.h"
#include "gui/common/focus_return.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "gui/common/print_requests.h"
#include "gui/common/qt_text.h"

namespace kalvodrin {

TDegisikForm::TDegisikForm(AppContext context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      grid_(new ListGrid),
      print_(new QPushButton(U8("Yazdır"))) {
  setObjectName("TDegisikForm");
  setWindowTitle(U8("PROGRAMI DEĞİŞEN ÖĞRETMENLER"));
  grid_->setObjectName("TeGrid");
  grid_->GrowToTexts();
  grid_->SetColumns({"SIRA", U8("ÖĞRETMENİN ADI")}, {0});
  grid_->setColumnWidth(1, 200);
  auto* words = new QHBoxLayout;
  for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
    auto* label = new QLabel;
    label->setObjectName(name);
    words->addWidget(label);
    labels_.push_back(label);
  }
  words->addStretch(1);
  auto* go = new QPushButton(U8("SEÇİLİ ÖĞRETMEN GİT"));
  go->setObjectName("GitBtn");
  go->setDefault(true);
  print_->setObjectName("YazdirBtn");
  connect(go, &QPushButton::clicked, this, &QDialog::accept);
  connect(print_, &QPushButton::clicked, this, [this] {
    if (context_.printing != nullptr) context_.printing->PrintTeacherTimetables(changed_);
  });
  connect(grid_, &ListGrid::EditRequested, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(go);
  buttons->addWidget(print_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(words);
  layout->addWidget(grid_, 1);
  layout->addLayout(buttons);
  auto* keys = new KeyLine(this);
  keys->Show(U8("Çift tık / Enter"), U8("Öğretmene git"));
  keys->Bind({QKeySequence(Qt::CTRL | Qt::Key_P)}, U8("Yazdır"), [this] {
    if (print_->isEnabled()) print_->click();
  });
  keys->Show("Esc", U8("Kapat"));
  layout->addWidget(keys);
  resize(300, 400);
}

void TDegisikForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Fill();
}

void TDegisikForm::Fill() {
  // A snapshot that cannot be read lists nobody, and says why.
  if (const Status s = ChangedTeachers(context_.school, changed_); !s) {
    changed_.clear();
    context_.sil.Notice(U8(s.message()));
  }
  std::vector<QStringList> rows;
  for (int teacher : changed_) {
    const TTeacherRec* t = context_.school.TeacherByNo(teacher);
    rows.push_back(
        {QString::number(teacher), t != nullptr ? FromCp1254(t->name.view()) : QString()});
  }
  grid_->SetRows(rows);
  grid_->SelectRow(0);
  const bool any = !changed_.empty();
  const QStringList words = {any ? QString::number(changed_.size()) : QString(),
                             any ? U8("ÖĞRETMENİN") : QString(), any ? "PROGRAMI" : QString(),
                             any ? U8("DEĞİŞTİ") : QString()};
  for (std::size_t i = 0; i < labels_.size(); ++i)
    labels_[i]->setText(words[static_cast<qsizetype>(i)]);
  print_->setEnabled(any && context_.printing != nullptr);
}

int TDegisikForm::ChosenTeacher() const { return grid_->SelectedNumber(0); }

int ChooseChangedTeacher(AppContext context, QWidget* owner) {
  TDegisikForm window(context, owner);
  return ExecReturningFocus(window) == QDialog::Accepted ? window.ChosenTeacher() : 0;
}

}  // namespace kalvodrin
