#include "gui/duty/duty_chart_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>
#include <utility>

#include "core/duty_chart.h"
#include "core/field_text.h"
#include "core/school.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/print_requests.h"
#include "gui/common/qt_text.h"

namespace kalvodrin {

TBosYerForm::TBosYerForm(AppContext context, QWidget* parent)
    : QDialog(parent), context_(context), grid_(new ListGrid(this)) {
  setObjectName("TBosYerForm");
  setWindowTitle(U8("NÖBET ÇİZELGESİ"));
  grid_->setObjectName("Grid");
  QStringList headers{"No", U8("NÖBET YERLERİ"), U8("TOP.")};
  for (std::string_view day : DayAbbrevs) headers << U8(day);
  grid_->SetColumns(headers, {0});
  // The names take what the nine counting columns leave.
  QHeaderView* header = grid_->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::ResizeToContents);
  header->setSectionResizeMode(1, QHeaderView::Stretch);
  header->setStretchLastSection(false);
  auto* days = new QGridLayout;
  for (int d = 0; d < 7; ++d) {
    auto* label = new QLabel(U8(DayAbbrevs[static_cast<std::size_t>(d)]), this);
    auto* list = new QListWidget(this);
    list->setObjectName(QString("ListBox%1").arg(d + 1));
    // The lists only show; the keys stay with the grid.
    list->setFocusPolicy(Qt::NoFocus);
    lists_[static_cast<std::size_t>(d)] = list;
    days->addWidget(label, 0, d);
    days->addWidget(list, 1, d);
  }
  yazdirBtn_ = new QPushButton(U8("Yazdır"), this);
  yazdirBtn_->setObjectName("YazdirBtn");
  yazdirBtn_->setEnabled(false);
  auto* kapatBtn = new QPushButton(U8("Kapat"), this);
  kapatBtn->setObjectName("KapatBtn");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(yazdirBtn_);
  buttons->addWidget(kapatBtn);
  auto* main = new QVBoxLayout(this);
  main->addWidget(grid_, 3);
  main->addLayout(days, 2);
  main->addLayout(buttons);
  auto* keys = new KeyLine(this);
  keys->Bind({QKeySequence(Qt::CTRL | Qt::Key_P)}, U8("Yazdır"), [this] {
    if (print_) print_();
  });
  keys->Show("Esc", U8("Kapat"));
  main->addWidget(keys);
  connect(grid_, &QTableWidget::itemSelectionChanged, this, [this] { FillLists(); });
  connect(yazdirBtn_, &QPushButton::clicked, this, [this] {
    if (print_) print_();
  });
  connect(kapatBtn, &QPushButton::clicked, this, &QDialog::accept);
  if (PrintRequests* printing = context_.printing)
    SetPrinter([printing] { printing->PrintDutyChart(); });
  resize(760, 520);
}

void TBosYerForm::SetPrinter(std::function<void()> print) {
  print_ = std::move(print);
  yazdirBtn_->setEnabled(static_cast<bool>(print_));
}

void TBosYerForm::Show(int place) {
  Fill(place);
  exec();
}

void TBosYerForm::Fill(int place) {
  std::vector<QStringList> rows;
  const School& school = context_.school;
  for (const DutyChartPlace& p : DutyChartOf(school)) {
    QStringList row{QString::number(p.number),
                    FromCp1254(school.DutyPlaceByNo(p.number)->name.view()),
                    QString::number(p.Total())};
    for (int day = 1; day <= 7; ++day) row << QString::number(p.DutiesOn(day));
    rows.push_back(row);
  }
  grid_->SetRows(rows);
  const int row = grid_->RowOfNumber(place);
  grid_->SelectRow(row < 0 ? 0 : row);
  grid_->setFocus();
  FillLists();
}

void TBosYerForm::FillLists() {
  const int place = grid_->SelectedNumber();
  const School& school = context_.school;
  const std::vector<DutyChartPlace> chart = DutyChartOf(school);
  for (std::size_t d = 0; d < lists_.size(); ++d) {
    lists_[d]->clear();
    for (const DutyChartPlace& p : chart)
      if (p.number == place)
        for (int teacher : p.teachers[d])
          lists_[d]->addItem(FromCp1254(school.TeacherByNo(teacher)->name.view()));
  }
}

}  // namespace kalvodrin
