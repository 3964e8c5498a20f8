#include "gui/substitution/substitution_form.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/field_text.h"
#include "core/school.h"
#include "core/turkish_text.h"
#include "gui/common/function_keys.h"
#include "gui/common/help_window.h"
#include "gui/common/key_line.h"
#include "gui/common/message_window.h"
#include "gui/common/print_requests.h"
#include "gui/common/qt_text.h"
#include "printing/qt/pdf_output.h"
#include "printing/substitution_print.h"
#include "substitution/plan_texts.h"

namespace kalvodrin {
namespace {

enum PlanColumn { kHour, kClass, kLesson, kAbsent, kSubstitute, kNotes, kColumns };

QTableWidgetItem* ReadOnly(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

QPushButton* Button(QWidget* parent, const char* text, const char* name) {
  auto* b = new QPushButton(U8(text), parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

TGorevlendirmeForm::TGorevlendirmeForm(AppContext context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      tarihEdit_(new QDateEdit(QDate::currentDate(), this)),
      gelmeyenGrid_(new QTableWidget(this)),
      planGrid_(new QTableWidget(this)),
      ozetLabel_(new QLabel(this)),
      donemLabel_(new QLabel(this)),
      gunLabel_(new QLabel(this)),
      bosSaatSpin_(new QSpinBox(this)),
      bosList_(new QListWidget(this)),
      kaydetBtn_(Button(this, "Kaydet", "KaydetBtn")),
      yazdirBtn_(Button(this, "Yazdır", "YazdirBtn")),
      pdfBtn_(Button(this, "PDF", "PdfBtn")),
      bosYazdirBtn_(Button(this, "Listeyi Yazdır", "BosYazdirBtn")) {
  setObjectName("TGorevlendirmeForm");
  setWindowTitle(U8("DERS GÖREVLENDİRME"));
  tarihEdit_->setObjectName("TarihEdit");
  tarihEdit_->setCalendarPopup(true);
  tarihEdit_->setDisplayFormat("dd.MM.yyyy");
  gunLabel_->setObjectName("GunLabel");
  gelmeyenGrid_->setObjectName("GelmeyenGrid");
  gelmeyenGrid_->setColumnCount(2);
  gelmeyenGrid_->setHorizontalHeaderLabels({U8("GELMEYEN ÖĞRETMEN"), U8("SAATLER")});
  gelmeyenGrid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  gelmeyenGrid_->verticalHeader()->hide();
  gelmeyenGrid_->setToolTip(
      U8("İşaretli öğretmen gelmiyor; SAATLER boşsa bütün gün, "
         "değilse yazılan saatler (ör. 1-3 ya da 2,5)."));
  planGrid_->setObjectName("PlanGrid");
  planGrid_->setColumnCount(kColumns);
  planGrid_->setHorizontalHeaderLabels({U8("SAAT"), U8("SINIF"), U8("DERS"), U8("GELMEYEN"),
                                        U8("GÖREVLİ ÖĞRETMEN"), U8("AÇIKLAMA")});
  planGrid_->horizontalHeader()->setSectionResizeMode(kSubstitute, QHeaderView::Stretch);
  planGrid_->verticalHeader()->hide();
  planGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  ozetLabel_->setObjectName("OzetLabel");
  donemLabel_->setObjectName("DonemLabel");
  bosSaatSpin_->setObjectName("BosSaatSpin");
  bosSaatSpin_->setRange(1, kHoursPerDay);
  bosList_->setObjectName("BosList");

  auto* onerBtn = Button(this, "Öner", "OnerBtn");
  onerBtn->setDefault(true);
  auto* yeniDonemBtn = Button(this, "YENİ DÖNEM", "YeniDonemBtn");
  auto* kapatBtn = Button(this, "Kapat", "KapatBtn");
  yazdirBtn_->setEnabled(context_.printing != nullptr);
  bosYazdirBtn_->setEnabled(context_.printing != nullptr);
  auto* bosPdfBtn = Button(this, "Liste PDF", "BosPdfBtn");

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(U8("TARİH"), this));
  top->addWidget(tarihEdit_);
  top->addWidget(gunLabel_);
  top->addStretch();
  top->addWidget(donemLabel_);
  top->addWidget(yeniDonemBtn);
  auto* left = new QVBoxLayout;
  left->addWidget(gelmeyenGrid_, 1);
  left->addWidget(onerBtn);
  auto* free = new QVBoxLayout;
  auto* freeHead = new QHBoxLayout;
  freeHead->addWidget(new QLabel(U8("Boş öğretmenler, saat"), this));
  freeHead->addWidget(bosSaatSpin_);
  free->addLayout(freeHead);
  free->addWidget(bosList_, 1);
  auto* freeButtons = new QHBoxLayout;
  freeButtons->addWidget(bosYazdirBtn_);
  freeButtons->addWidget(bosPdfBtn);
  free->addLayout(freeButtons);
  auto* middle = new QHBoxLayout;
  middle->addLayout(left, 2);
  middle->addWidget(planGrid_, 5);
  middle->addLayout(free, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ozetLabel_, 1);
  buttons->addWidget(kaydetBtn_);
  buttons->addWidget(yazdirBtn_);
  buttons->addWidget(pdfBtn_);
  buttons->addWidget(kapatBtn);
  auto* main = new QVBoxLayout(this);
  main->addLayout(top);
  main->addLayout(middle, 1);
  main->addLayout(buttons);
  auto* keys = new KeyLine(this);
  keys->Bind({QKeySequence(Qt::CTRL | Qt::Key_S)}, U8("Kaydet"), [this] { KaydetBtnClick(); });
  keys->Bind({QKeySequence(Qt::CTRL | Qt::Key_P)}, U8("Yazdır"), [this] {
    if (yazdirBtn_->isEnabled()) YazdirBtnClick();
  });
  keys->Show("F1", U8("Yardım"));
  keys->Show("Esc", U8("Kapat"));
  main->addWidget(keys);

  connect(onerBtn, &QPushButton::clicked, this, [this] { OnerBtnClick(); });
  connect(kaydetBtn_, &QPushButton::clicked, this, [this] { KaydetBtnClick(); });
  connect(yazdirBtn_, &QPushButton::clicked, this, [this] { YazdirBtnClick(); });
  connect(pdfBtn_, &QPushButton::clicked, this, [this] { PdfBtnClick(); });
  connect(bosYazdirBtn_, &QPushButton::clicked, this, [this] { BosYazdirBtnClick(); });
  connect(bosPdfBtn, &QPushButton::clicked, this, [this] { BosPdfBtnClick(); });
  connect(yeniDonemBtn, &QPushButton::clicked, this, [this] { YeniDonemBtnClick(); });
  connect(kapatBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(tarihEdit_, &QDateEdit::dateChanged, this, [this] { RefreshFreeTeachers(); });
  connect(bosSaatSpin_, &QSpinBox::valueChanged, this, [this] { RefreshFreeTeachers(); });
  BindHelpKey(this, context_.help, "gorevlendirme");
  choosePdfFile = [this] {
    const QString file = QFileDialog::getSaveFileName(this, U8("PDF olarak kaydet"),
                                                      "gorevlendirme.pdf", "PDF (*.pdf)");
    return std::filesystem::path(file.toStdString());
  };
  // Wide enough for a candidate's whole description in the substitute's box.
  resize(1260, 640);
}

bool TGorevlendirmeForm::Prepare() {
  const School& school = context_.school;
  recordRead_ = false;
  record_ = {};
  if (Status s = LoadSubstitutionRecord(school.WorkFolder, context_.Disk(), record_); !s) {
    context_.sil.Notice(U8("Görevlendirme kaydı okunamadı; bu pencere ona bir şey yazmaz.\n") +
                        QString::fromStdString(s.message()));
  } else {
    recordRead_ = true;
  }
  gelmeyenGrid_->setRowCount(static_cast<int>(school.Teachers.size()));
  int row = 0;
  for (const TTeacherRec& t : school.Teachers) {
    auto* name = new QTableWidgetItem(FromCp1254(t.name.view()));
    name->setData(Qt::UserRole, static_cast<int>(t.number));
    name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    name->setCheckState(Qt::Unchecked);
    gelmeyenGrid_->setItem(row, 0, name);
    gelmeyenGrid_->setItem(row, 1, new QTableWidgetItem(QString()));
    ++row;
  }
  plan_ = {};
  ShowPlan();
  RefreshFreeTeachers();
  return recordRead_;
}

void TGorevlendirmeForm::Open() {
  Prepare();
  exec();
}

SchoolDate TGorevlendirmeForm::Date() const {
  const QDate d = tarihEdit_->date();
  return {d.year(), d.month(), d.day()};
}

std::vector<Absence> TGorevlendirmeForm::Absences(bool& ok) {
  ok = true;
  std::vector<Absence> absences;
  for (int row = 0; row < gelmeyenGrid_->rowCount(); ++row) {
    const QTableWidgetItem* name = gelmeyenGrid_->item(row, 0);
    if (name->checkState() != Qt::Checked) continue;
    const QString hoursText = gelmeyenGrid_->item(row, 1)->text().simplified().remove(' ');
    Absence a{name->data(Qt::UserRole).toInt(), {}};
    if (!hoursText.isEmpty()) {
      const auto hours = ParseHours(hoursText.toStdString());
      if (!hours) {
        ok = false;
        context_.sil.Notice(name->text() + U8(": saatler 1..16 arasında, ör. 1-3 ya da 2,5 "
                                              "biçiminde yazılmalı."));
        return {};
      }
      a.hours = *hours;
    }
    absences.push_back(std::move(a));
  }
  return absences;
}

void TGorevlendirmeForm::OnerBtnClick() {
  bool ok = false;
  DayRequest request;
  request.date = Date();
  request.absences = Absences(ok);
  if (!ok) return;
  // What the user chose stays when the same day is proposed again.
  if (plan_.date == request.date)
    for (const PlanRow& row : plan_.rows)
      if (row.fixed) request.fixed.push_back({row.lesson.hour, row.lesson.classNo, row.substitute});
  plan_ = ProposeDay(context_.school, record_, request);
  ShowPlan();
  RefreshFreeTeachers();
}

void TGorevlendirmeForm::ShowPlan() {
  const School& school = context_.school;
  planGrid_->clearContents();
  planGrid_->setRowCount(static_cast<int>(plan_.rows.size()));
  for (int r = 0; r < static_cast<int>(plan_.rows.size()); ++r) {
    const PlanRow& row = plan_.rows[static_cast<std::size_t>(r)];
    planGrid_->setItem(r, kHour, ReadOnly(QString::number(row.lesson.hour)));
    planGrid_->setItem(r, kClass, ReadOnly(U8(ClassesText(school, row.lesson))));
    planGrid_->setItem(r, kLesson, ReadOnly(U8(LessonNameOf(school, row.lesson.lesson))));
    planGrid_->setItem(r, kAbsent, ReadOnly(U8(AbsentText(school, row.lesson))));
    if (!row.NeedsSubstitute()) {
      planGrid_->setItem(r, kSubstitute, ReadOnly(U8(SubstituteText(school, row))));
      planGrid_->setItem(r, kNotes, ReadOnly(U8("birlikte okutulan ders")));
      continue;
    }
    auto* box = new QComboBox(planGrid_);
    box->setObjectName(QString("GorevliBox%1").arg(r));
    box->addItem(U8("—"), 0);
    for (const Candidate& c : row.candidates)
      box->addItem(U8(TeacherNameOf(school, c.teacher) + "  (" + CandidateNotes(c) + ")"),
                   c.teacher);
    box->setCurrentIndex(std::max(0, box->findData(row.substitute)));
    connect(box, &QComboBox::activated, this, [this, r, box] { SubstituteChosen(r, box); });
    planGrid_->setCellWidget(r, kSubstitute, box);
    planGrid_->setItem(r, kNotes,
                       ReadOnly(row.Uncovered() ? U8(NoneFreeText(row.why))
                                : row.fixed     ? U8("seçildi")
                                                : U8("önerildi")));
  }
  planGrid_->resizeColumnsToContents();
  const bool weekend = plan_.weekday > kDays;
  ozetLabel_->setText(weekend ? U8("Hafta sonu: ders yok.")
                              : U8("Görevlendirilen: %1   Boş kalan: %2")
                                    .arg(plan_.Covered())
                                    .arg(plan_.UncoveredCount()));
  const std::optional<SchoolDate> term = CurrentTermStart(record_);
  donemLabel_->setText(term ? U8("Dönem başı: ") + QString::fromStdString(SchoolDateText(*term))
                            : U8("Dönem başı: yok"));
  kaydetBtn_->setEnabled(recordRead_ && plan_.weekday != 0);
}

void TGorevlendirmeForm::SubstituteChosen(int row, QComboBox* box) {
  const int teacher = box->currentData().toInt();
  if (!ChangeSubstitute(context_.school, plan_, static_cast<std::size_t>(row), teacher))
    context_.sil.Notice(
        U8("Bu öğretmen bu saatte görev alamaz: derste, saati kapalı ya da "
           "günlük en çok ders saatinde."));
  ShowPlan();
  RefreshFreeTeachers();
}

void TGorevlendirmeForm::KaydetBtnClick() {
  if (!recordRead_ || plan_.weekday == 0) return;
  if (Status s = SavePlan(context_.school, plan_, record_, context_.Disk()); !s) {
    context_.sil.Notice(U8("Görevlendirme kaydedilemedi; önceki kayıt olduğu gibi duruyor.\n") +
                        QString::fromStdString(s.message()));
    return;
  }
  ozetLabel_->setText(ozetLabel_->text() + U8("   Kaydedildi."));
  RefreshFreeTeachers();
}

void TGorevlendirmeForm::YazdirBtnClick() {
  if (context_.printing != nullptr)
    context_.printing->PrintSubstitutionSheet(SheetOf(context_.school, plan_));
}

void TGorevlendirmeForm::PdfBtnClick() {
  const SubstitutionSheet sheet = SheetOf(context_.school, plan_);
  WriteUprightPdf("DERS GÖREVLENDİRME",
                  [&](Canvas& canvas) { PrintSubstitutionSheet(canvas, context_.school, sheet); });
}

void TGorevlendirmeForm::BosYazdirBtnClick() {
  if (context_.printing != nullptr) context_.printing->PrintFreeTeachers(FreeSheetNow());
}

void TGorevlendirmeForm::BosPdfBtnClick() {
  const FreeTeachersSheet sheet = FreeSheetNow();
  WriteUprightPdf("BOŞ ÖĞRETMENLER",
                  [&](Canvas& canvas) { PrintFreeTeachers(canvas, context_.school, sheet); });
}

void TGorevlendirmeForm::WriteUprightPdf(const std::string& title,
                                         const std::function<void(Canvas&)>& draw) {
  const std::filesystem::path file = choosePdfFile();
  if (file.empty()) return;
  PdfPage page;
  page.landscape = false;
  page.title = Cp1254ToUtf8(context_.school.Settings.schoolName.view()) + " - " + title;
  const Status s = WritePdf(file, page, draw, context_.Disk());
  if (!s) context_.sil.Notice(U8("PDF yazılamadı.\n") + QString::fromStdString(s.message()));
}

void TGorevlendirmeForm::YeniDonemBtnClick() {
  if (!recordRead_) return;
  const SchoolDate date = Date();
  if (!context_.sil.Confirm(U8("Görev sayıları %1 tarihinden başlayarak yeniden sayılacak; "
                               "önceki görevlendirmeler kayıtta kalır. Yeni dönem başlatılsın mı ?")
                                .arg(QString::fromStdString(SchoolDateText(date)))))
    return;
  SubstitutionRecord next = record_;
  if (!StartTerm(next, date)) {
    context_.sil.Notice(U8("Yeni dönem, son dönemin başından sonraki bir tarihte başlamalı."));
    return;
  }
  if (Status s = SaveSubstitutionRecord(context_.school.WorkFolder, next, context_.Disk()); !s) {
    context_.sil.Notice(U8("Kaydedilemedi.\n") + QString::fromStdString(s.message()));
    return;
  }
  record_ = std::move(next);
  ShowPlan();
  RefreshFreeTeachers();
}

FreeQuery TGorevlendirmeForm::FreeQueryNow(std::vector<Candidate>& free) const {
  const SchoolDate date = Date();
  FreeQuery query{WeekdayOf(date), bosSaatSpin_->value(), date, {}};
  // The plan on screen counts as given, saved or not.
  SubstitutionRecord withPlan = record_;
  if (plan_.date == date) {
    query.absences = plan_.context.absences;
    ReplaceDay(withPlan, date, PlanEntries(context_.school, plan_));
  }
  free = FreeTeachers(context_.school, withPlan, query);
  return query;
}

FreeTeachersSheet TGorevlendirmeForm::FreeSheetNow() const {
  std::vector<Candidate> free;
  const FreeQuery query = FreeQueryNow(free);
  return FreeSheetOf(context_.school, query, free);
}

void TGorevlendirmeForm::RefreshFreeTeachers() {
  bosList_->clear();
  gunLabel_->setText(U8(DayName(WeekdayOf(Date()))));
  std::vector<Candidate> free;
  FreeQueryNow(free);
  for (const Candidate& c : free)
    bosList_->addItem(
        U8(TeacherNameOf(context_.school, c.teacher) + "  (" + CandidateNotes(c) + ")"));
}

}  // namespace kalvodrin
