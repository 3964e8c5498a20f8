#include "gui/timetables/report_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/cells.h"
#include "gui/common/focus_return.h"
#include "gui/common/function_keys.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/qt_text.h"
#include "gui/timetables/timetable_grid.h"
#include "timetables/why_not_paint.h"

namespace kalvodrin {
namespace {

// A legend sample: a grid cell painted as the why-not grid paints it.
QLabel* Swatch(const CellPaint& p, const QPalette& palette) {
  auto* label = new QLabel(U8(p.text));
  label->setFixedSize(35, 20);
  QFont font = label->font();
  font.setBold(p.bold);
  font.setUnderline(p.underline);
  label->setFont(font);
  label->setStyleSheet(
      QString("background: %1; color: %2; border: 1px solid gray")
          .arg(ToQColor(p.cell, palette).name(), ToQColor(p.font, palette).name()));
  return label;
}

QLabel* WrappedLabel(const char* name) {
  auto* label = new QLabel;
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

TRaporForm::TRaporForm(AppContext context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      grid_(new ListGrid),
      whyGrid_(new TimetableGrid),
      total_(new QLabel),
      reasons_(WrappedLabel("ReasonLabel")),
      fix_(WrappedLabel("FixLabel")),
      bestFix_(WrappedLabel("BestFixLabel")),
      go_(new QPushButton(U8("&YERLEŞMEYEN DERS"))) {
  setObjectName("TRaporForm");
  setWindowTitle(U8("YERLEŞMEYEN DERSLER"));
  grid_->setObjectName("Grid");
  grid_->GrowToTexts();
  grid_->SetColumns(
      {"TeacherNo", "ClassNo", "LessonNo", "ADI SOYADI", "SINIFI", U8("DERSİN ADI"), "KALAN"},
      {0, 1, 2});
  for (auto [column, width] :
       {std::pair{3, 150}, std::pair{4, 70}, std::pair{5, 150}, std::pair{6, 45}})
    grid_->setColumnWidth(column, width);
  whyGrid_->setObjectName("WhyNotGrid");
  whyGrid_->SetPainter([this](int row, int column) { return Paint(row, column); });
  total_->setObjectName("ReportLabel");
  go_->setObjectName("GitBtn");
  auto* close = new QPushButton(U8("KAPAT"));
  close->setObjectName("KapatBtn");
  connect(go_, &QPushButton::clicked, this, &QDialog::accept);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* legend = new QGridLayout;
  int line = 0;
  for (const WhyNotLegendEntry& e : WhyNotLegend()) {
    legend->addWidget(Swatch(e.sample, whyGrid_->palette()), line, 0);
    legend->addWidget(new QLabel(U8(e.text)), line++, 1);
  }
  legend->setColumnStretch(1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(total_, 1);
  buttons->addWidget(go_);
  buttons->addWidget(close);
  auto* left = new QVBoxLayout;
  left->addWidget(grid_, 1);
  left->addLayout(buttons);
  left->addWidget(bestFix_);
  auto* keys = new KeyLine(this);
  keys->Show("Alt+Y", U8("Yerleşmeyen derse git"));
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("Kapat"));
  left->addWidget(keys);
  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(U8("DERSİN SIRADAKİ SAATİ NEDEN YERLEŞMİYOR")));
  right->addWidget(whyGrid_);
  right->addLayout(legend);
  right->addWidget(reasons_);
  right->addWidget(fix_);
  right->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right, 1);
  resize(1180, 560);

  connect(grid_, &QTableWidget::currentCellChanged, this, [this] { ShowRow(); });
  // The page says why this total and the runs' counts differ.
  BindHelpKey(this, context_.help, "yerlesmeyen");
  connect(whyGrid_, &QTableWidget::currentCellChanged, this, [this] { ShowCell(); });
}

void TRaporForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Fill();
}

void TRaporForm::Fill() {
  report_ = BuildUnplacedReport(context_.school);
  whyNot_ = BuildWhyNot(context_.school);
  std::vector<QStringList> rows;
  for (const UnplacedRow& r : report_.rows)
    rows.push_back({QString::number(r.teacher), QString::number(r.classNo),
                    QString::number(r.lesson), FromCp1254(r.teacherName), FromCp1254(r.classText),
                    FromCp1254(r.lessonName), QString::number(r.remaining)});
  grid_->SetRows(rows);
  grid_->SelectRow(0);
  total_->setText("TOPLAM = " + QString::number(report_.total) + U8(" sınıf ders saati"));
  go_->setEnabled(report_.total != 0);
  bestFix_->setText(whyNot_.bestFix ? U8("En çok saati açan tek değişiklik (" +
                                         std::to_string(whyNot_.bestFixHours) +
                                         " saat): " + FixText(context_.school, *whyNot_.bestFix))
                                    : QString());
  ShowRow();
}

HandOver TRaporForm::Chosen() const {
  const int row = grid_->SelectedRow();
  return HandOver{grid_->NumberAt(row, 0), grid_->NumberAt(row, 1), grid_->NumberAt(row, 2)};
}

const WhyNotRow* TRaporForm::SelectedWhyNot() const {
  const HandOver h = Chosen();
  for (const WhyNotRow& row : whyNot_.rows)
    if (row.teacher == h.teacher && row.classNo == h.classNo && row.lesson == h.lesson) return &row;
  return nullptr;
}

void TRaporForm::ShowRow() {
  const WhyNotRow* row = SelectedWhyNot();
  fix_->setText(row != nullptr && row->cheapestFix
                    ? U8("En ucuz düzeltme: " + FixText(context_.school, *row->cheapestFix))
                    : QString());
  ShowCell();
}

void TRaporForm::ShowCell() {
  const WhyNotRow* row = SelectedWhyNot();
  const WhyNotCell* cell = row != nullptr ? WhyNotCellAt(*row, whyGrid_->CurrentCell()) : nullptr;
  QString text;
  if (cell != nullptr && cell->reasons.empty()) text = U8("Bu saatte yerleşebilir.");
  if (cell != nullptr)
    for (const Reason& r : cell->reasons) text += U8(ReasonText(context_.school, r)) + "\n";
  reasons_->setText(text.trimmed());
  whyGrid_->RepaintAll();
}

CellPaint TRaporForm::Paint(int row, int column) const {
  if (row == 0 || column == 0) return PaintHeader(row, column);
  const WhyNotRow* selected = SelectedWhyNot();
  if (selected == nullptr) return PaintHeader(row, column);
  return PaintWhyNotCell(context_.school, *selected, CellIndex(row, column),
                         whyGrid_->CurrentCell());
}

HandOver ChooseUnplacedLesson(AppContext context, QWidget* owner) {
  TRaporForm report(context, owner);
  return ExecReturningFocus(report) == QDialog::Accepted ? report.Chosen() : HandOver{};
}

}  // namespace kalvodrin
