#include "gui/duty/duty_proposal_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>

#include "core/field_text.h"
#include "core/school.h"
#include "duty/duties.h"
#include "duty/duty_rows.h"
#include "gui/common/apply_change.h"
#include "gui/common/help_window.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/qt_text.h"

namespace kalvodrin {
namespace {

QListWidget* CheckList(QWidget* parent, const char* name) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  return list;
}

void AddChecked(QListWidget* list, const QString& text, int number, bool checked) {
  auto* item = new QListWidgetItem(text, list);
  item->setData(Qt::UserRole, number);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

std::vector<int> CheckedNumbers(const QListWidget* list) {
  std::vector<int> numbers;
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->checkState() == Qt::Checked)
      numbers.push_back(list->item(i)->data(Qt::UserRole).toInt());
  return numbers;
}

QString Name(std::string_view cp1254) { return FromCp1254(cp1254); }

}  // namespace

TNobetOneriForm::TNobetOneriForm(AppContext context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      yerList_(CheckList(this, "YerList")),
      gunList_(CheckList(this, "GunList")),
      kisiSpin_(new QSpinBox(this)),
      agirlikGrid_(new QTableWidget(this)),
      oneriGrid_(new ListGrid(this)),
      ozetLabel_(new QLabel(this)),
      kabulBtn_(new QPushButton(U8("Kabul Et"), this)) {
  setObjectName("TNobetOneriForm");
  setWindowTitle(U8("ADİL NÖBET ÖNERİSİ"));
  kisiSpin_->setObjectName("KisiSpin");
  kisiSpin_->setRange(1, 255);
  agirlikGrid_->setObjectName("AgirlikGrid");
  agirlikGrid_->setColumnCount(3);
  agirlikGrid_->setHorizontalHeaderLabels({U8("ÖĞRETMENİN ADI"), U8("AĞIRLIK"), U8("TOPLAM")});
  agirlikGrid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  agirlikGrid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  agirlikGrid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  agirlikGrid_->setWordWrap(false);  // a name is read on one line
  agirlikGrid_->verticalHeader()->hide();
  // The weights are typed into their own boxes; Tab goes from one box to the next
  // instead of wandering over the names.
  agirlikGrid_->setFocusPolicy(Qt::NoFocus);
  agirlikGrid_->setTabKeyNavigation(false);
  oneriGrid_->setObjectName("OneriGrid");
  oneriGrid_->SetColumns({U8("NÖBET YERİ"), U8("GÜN"), U8("ÖĞRETMENİN ADI")}, {});
  ozetLabel_->setObjectName("OzetLabel");
  kabulBtn_->setObjectName("KabulBtn");
  kabulBtn_->setEnabled(false);
  auto* onerBtn = new QPushButton(U8("Öner"), this);
  onerBtn->setObjectName("OnerBtn");
  auto* iptalBtn = new QPushButton(U8("İptal"), this);
  iptalBtn->setObjectName("IptalBtn");
  // Enter, typed after a count or a weight, proposes again; storing the proposal
  // gives duties to teachers and waits for "Kabul Et" itself.
  onerBtn->setDefault(true);
  kabulBtn_->setAutoDefault(false);
  iptalBtn->setAutoDefault(false);

  auto* choices = new QGridLayout;
  choices->addWidget(new QLabel(U8("NÖBET YERLERİ"), this), 0, 0);
  choices->addWidget(new QLabel(U8("GÜNLER"), this), 0, 1);
  choices->addWidget(new QLabel(U8("AĞIRLIKLAR (0 = nöbet verilmez)"), this), 0, 2);
  choices->addWidget(yerList_, 1, 0);
  choices->addWidget(gunList_, 1, 1);
  choices->addWidget(agirlikGrid_, 1, 2);
  // The weights carry the teachers' names beside them: they get the most room.
  choices->setColumnStretch(0, 2);
  choices->setColumnStretch(1, 2);
  choices->setColumnStretch(2, 3);
  auto* perSlot = new QHBoxLayout;
  perSlot->addWidget(new QLabel(U8("Bir yerde bir günde nöbetçi sayısı"), this));
  perSlot->addWidget(kisiSpin_);
  perSlot->addStretch();
  perSlot->addWidget(onerBtn);
  // Without placed lessons no teacher can be proposed, and an empty proposal must not
  // read as a fault of the window.
  auto* note = new QLabel(U8("Nöbet yalnız öğretmenin ders programında yerleşmiş dersi "
                             "olan günlere önerilir. TOPLAM: verilmiş ve önerilen nöbetler."),
                          this);
  note->setObjectName("NotLabel");
  note->setWordWrap(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ozetLabel_, 1);
  buttons->addWidget(kabulBtn_);
  buttons->addWidget(iptalBtn);
  auto* main = new QVBoxLayout(this);
  main->addLayout(choices, 2);
  main->addLayout(perSlot);
  main->addWidget(note);
  main->addWidget(oneriGrid_, 3);
  main->addLayout(buttons);
  auto* keys = new KeyLine(this);
  keys->Show("Enter", U8("Öner"));
  keys->Bind({QKeySequence(Qt::CTRL | Qt::Key_S)}, U8("Kabul Et"), [this] {
    if (kabulBtn_->isEnabled()) KabulBtnClick();
  });
  keys->Bind({QKeySequence(Qt::Key_F1)}, U8("Yardım"),
             [this] { context_.help.ShowPage("nobet_onerisi"); });
  keys->Show("Esc", U8("İptal"));
  main->addWidget(keys);
  // Tab follows the window from top to bottom: places, days, the weights (put in
  // by Prepare), the count, "Öner", the proposal, "Kabul Et".
  for (auto [from, to] : {std::pair<QWidget*, QWidget*>{yerList_, gunList_},
                          {gunList_, kisiSpin_},
                          {kisiSpin_, onerBtn},
                          {onerBtn, oneriGrid_},
                          {oneriGrid_, kabulBtn_},
                          {kabulBtn_, iptalBtn}})
    setTabOrder(from, to);
  connect(onerBtn, &QPushButton::clicked, this, [this] { OnerBtnClick(); });
  connect(kabulBtn_, &QPushButton::clicked, this, [this] { KabulBtnClick(); });
  connect(iptalBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(yerList_, &QListWidget::itemChanged, this, [this] { ChoicesChanged(); });
  connect(gunList_, &QListWidget::itemChanged, this, [this] { ChoicesChanged(); });
  connect(kisiSpin_, &QSpinBox::valueChanged, this, [this] { ChoicesChanged(); });
  resize(820, 640);
}

void TNobetOneriForm::Prepare() {
  const School& school = context_.school;
  const ProposalRequest defaults = DefaultProposalRequest(school);
  yerList_->clear();
  for (const TDutyPlaceRec& p : school.DutyPlaces)
    AddChecked(yerList_, Name(p.name.view()), p.number, true);
  gunList_->clear();
  for (int day = 1; day <= kWeekDays; ++day)
    AddChecked(gunList_, U8(DayName(day)), day,
               std::find(defaults.days.begin(), defaults.days.end(), day) != defaults.days.end());
  agirlikGrid_->setRowCount(static_cast<int>(school.Teachers.size()));
  int row = 0;
  QWidget* before = gunList_;
  for (const TTeacherRec& t : school.Teachers) {
    auto* name = new QTableWidgetItem(Name(t.name.view()));
    name->setData(Qt::UserRole, static_cast<int>(t.number));
    name->setFlags(Qt::ItemIsEnabled);
    agirlikGrid_->setItem(row, 0, name);
    auto* weight = new QSpinBox(agirlikGrid_);
    weight->setRange(0, kMaxDutyWeight);
    weight->setValue(1);
    connect(weight, &QSpinBox::valueChanged, this, [this] { ChoicesChanged(); });
    agirlikGrid_->setCellWidget(row, 1, weight);
    setTabOrder(before, weight);
    before = weight;
    agirlikGrid_->setItem(row, 2, new QTableWidgetItem);
    ++row;
  }
  setTabOrder(before, kisiSpin_);
  kisiSpin_->setValue(1);
  proposal_ = {};
  oneriGrid_->SetRows({});
  ozetLabel_->clear();
  kabulBtn_->setEnabled(false);
  ShowTotals();
}

bool TNobetOneriForm::Propose() {
  Prepare();
  return exec() == QDialog::Accepted;
}

ProposalRequest TNobetOneriForm::RequestFromChoices() const {
  ProposalRequest request;
  request.places = CheckedNumbers(yerList_);
  request.days = CheckedNumbers(gunList_);
  request.perSlot = kisiSpin_->value();
  for (int row = 0; row < agirlikGrid_->rowCount(); ++row) {
    const int teacher = agirlikGrid_->item(row, 0)->data(Qt::UserRole).toInt();
    const auto* weight = qobject_cast<const QSpinBox*>(agirlikGrid_->cellWidget(row, 1));
    request.weights[static_cast<std::size_t>(teacher)] = weight->value();
  }
  return request;
}

void TNobetOneriForm::OnerBtnClick() {
  const School& school = context_.school;
  proposal_ = ProposeDuties(school, RequestFromChoices());
  std::vector<QStringList> rows;
  for (const ProposedDuty& d : proposal_.duties)
    rows.push_back({Name(school.DutyPlaceByNo(d.place)->name.view()), U8(DayName(d.day)),
                    Name(school.TeacherByNo(d.teacher)->name.view())});
  oneriGrid_->SetRows(rows);
  ShowTotals();
  ozetLabel_->setText(U8("Önerilen nöbet: %1   Karşılanamayan: %2   Aynı yer tekrarı: %3")
                          .arg(proposal_.duties.size())
                          .arg(proposal_.unfilled)
                          .arg(proposal_.repeatedPlaces));
  kabulBtn_->setEnabled(!proposal_.duties.empty());
}

// A proposal answers the choices it was made from; once they change, accepting it
// would store duties the user no longer asks for, so it goes until "Öner" again.
void TNobetOneriForm::ChoicesChanged() {
  if (proposal_.duties.empty() && !kabulBtn_->isEnabled()) return;
  proposal_ = {};
  oneriGrid_->SetRows({});
  ozetLabel_->setText(U8("Seçimler değişti: yeni öneri için \"Öner\" düğmesine basın."));
  kabulBtn_->setEnabled(false);
  ShowTotals();
}

// Each teacher's duties as they would be after accepting: those given and, once
// there is a proposal, those it adds.
void TNobetOneriForm::ShowTotals() {
  std::array<int, 256> total{};
  for (const TDutyRec& d : context_.school.Duties) ++total[d.teacher];
  for (const ProposedDuty& d : proposal_.duties) ++total[static_cast<std::size_t>(d.teacher)];
  for (int row = 0; row < agirlikGrid_->rowCount(); ++row) {
    const QTableWidgetItem* name = agirlikGrid_->item(row, 0);
    QTableWidgetItem* cell = agirlikGrid_->item(row, 2);
    if (name == nullptr || cell == nullptr) continue;  // a row still being filled
    const int teacher = name->data(Qt::UserRole).toInt();
    cell->setText(QString::number(total[static_cast<std::size_t>(teacher)]));
    cell->setFlags(Qt::ItemIsEnabled);
    cell->setTextAlignment(Qt::AlignCenter);
  }
}

void TNobetOneriForm::KabulBtnClick() {
  if (proposal_.duties.empty()) return;
  const Change change = AcceptProposal(context_.school, proposal_);
  const bool stored =
      ApplyChange(context_, change, [](const Change& c) { return DutyNoticeText(c.outcome); });
  if (stored) accept();
}

}  // namespace kalvodrin
