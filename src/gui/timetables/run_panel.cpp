#include "gui/timetables/run_panel.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/common/qt_text.h"
#include "scheduler/run_state.h"

namespace kalvodrin {

RunPanel::RunPanel(const School& school, QWidget* parent)
    : QWidget(parent),
      school_(school),
      timeLabel_(new QLabel),
      gauge_(new QProgressBar),
      timer_(new QTimer(this)) {
  setObjectName("OtoPanel");
  timeLabel_->setObjectName("TimeLabel");
  gauge_->setObjectName("Gauge");
  gauge_->setOrientation(Qt::Vertical);
  auto* skip = new QPushButton(U8("&DERSİ ATLA"));
  skip->setObjectName("AtlaBtn");
  auto* stop = new QPushButton(U8("&DAĞITIMI DURDUR"));
  stop->setObjectName("DurdurBtn");
  connect(skip, &QPushButton::clicked, this, [this] { Skip(); });
  connect(stop, &QPushButton::clicked, this, [this] { Stop(); });
  auto* fields = new QGridLayout;
  teacherLabel_ = AddField(fields, 0, 0, "ADI SOYADI", "NameEd");
  classLabel_ = AddField(fields, 1, 0, "DERSİN ADI", "SinifEd");
  lessonLabel_ = new QLabel;
  lessonLabel_->setObjectName("DersEd");
  fields->addWidget(lessonLabel_, 1, 2, 1, 2);
  weeklyLabel_ = AddField(fields, 2, 0, "HAFTALIK DERS SAATİ", "HDSEd");
  int column = 1;
  for (const char* heading : {"TOPLAM", "YERLEŞEN", "KALAN"})
    fields->addWidget(new QLabel(U8(heading)), 3, column++);
  fields->addWidget(new QLabel(U8("ÖĞRETMEN")), 4, 0);
  fields->addWidget(new QLabel(U8("OKUL")), 5, 0);
  auto value = [&](int row, int col, const char* name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    fields->addWidget(label, row, col);
    return label;
  };
  teacherTotal_ = value(4, 1, "SnlTopEd");
  teacherPlaced_ = value(4, 2, "PutSnlTopEd");
  teacherLeft_ = value(4, 3, "ReSnlTopEd");
  total_ = value(5, 1, "GlbTeleTotalEd");
  placed_ = value(5, 2, "GlbTlFlTotalEd");
  left_ = value(5, 3, "ReGlbCountEd");
  levelLabel_ = AddField(fields, 6, 0, "ARAMA DÜZEYİ", "SrcLevelEd");
  orderLabel_ = AddField(fields, 6, 2, "SIRA", "OrderEd");
  countdownLabel_ = AddField(fields, 7, 0, "DERS ATLANMASINA", "SkipCountdown");
  auto* texts = new QVBoxLayout;
  texts->addLayout(fields);
  texts->addWidget(timeLabel_);
  texts->addWidget(skip);
  texts->addWidget(stop);
  texts->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(gauge_);
  layout->addLayout(texts);
  timer_->setInterval(1000);
  connect(timer_, &QTimer::timeout, this, [this] {
    ShowProgress();
    ShowElapsed();
    if (tick_) tick_();
  });
  hide();
}

QLabel* RunPanel::AddField(QGridLayout* grid, int row, int column, const char* label,
                           const char* name) {
  grid->addWidget(new QLabel(U8(label)), row, column);
  auto* value = new QLabel;
  value->setObjectName(name);
  grid->addWidget(value, row, column + 1);
  return value;
}

void RunPanel::Begin(std::function<void(bool)> display, std::function<void()> tick,
                     double skipSeconds, std::optional<HandOverBudget> handOver) {
  SetSkipSeconds(skipSeconds);
  SetHandOver(handOver);
  autoSkips_ = 0;
  handedOver_ = false;
  display_ = std::move(display);
  tick_ = std::move(tick);
  progress_ = RunProgress{};
  progress_.started = std::chrono::steady_clock::now();
  lastEvents_ = progress_.started;
  key_ = 0;
  steps_ = 0;
  skips_ = 0;
  stops_ = 0;
  running_ = true;
  shown_ = false;
}

void RunPanel::SetSkipSeconds(double skipSeconds) {
  if (skipSeconds > 0)
    limits_.emplace(skipSeconds, 0.0);
  else
    limits_.reset();
}

void RunPanel::SetHandOver(std::optional<HandOverBudget> budget) {
  if (budget)
    handOver_.emplace(*budget);
  else
    handOver_.reset();
}

void RunPanel::Reveal() {
  shown_ = true;
  if (display_) display_(true);
  ShowElapsed();
  show();
  GrowWindowToFit();
  timer_->start();
}

void RunPanel::GrowWindowToFit() {
  // The window was sized for the buttons the panel stands in for; its wrapped key
  // line at the window's width can leave less height than the panel's rows need, and
  // a row squeezed below its text loses the top of its letters.
  QWidget* w = window();
  QLayout* layout = w->layout();
  if (layout == nullptr || !layout->hasHeightForWidth()) return;
  layout->activate();
  const int needed = layout->totalHeightForWidth(w->width());
  if (needed > w->height()) w->resize(w->width(), needed);
}

void RunPanel::End() {
  running_ = false;
  if (!shown_) return;
  shown_ = false;
  timer_->stop();
  hide();
  if (display_) display_(false);
}

int RunPanel::OnSearchStep(const RunProgress& progress) {
  progress_.currentCell = progress.currentCell;
  // Reading the clock is cheap but not free: look at it every few hundred steps.
  if ((++steps_ & 255u) == 0) {
    const auto now = std::chrono::steady_clock::now();
    if (now - lastEvents_ >= eventInterval_) {
      lastEvents_ = now;
      if (!shown_) Reveal();
      ShowProgress();
      QApplication::processEvents();
    }
  }
  int key = key_;
  key_ = 0;
  // Asked at every step, in steps, so that a school hands over at the same point on
  // every machine; it beats a skip of the same step, never the user's stop.
  if (handOver_ && handOver_->Due(progress) && key != kStopRun) {
    handedOver_ = true;
    return kStopRun;
  }
  // The learning allowance stands in for the skip key; it reads the processor's clock,
  // so it is asked every 64 steps only.
  if (limits_ && (steps_ & 63u) == 0 && limits_->KeyFor(progress) == kSkipLesson && key == 0) {
    key = kSkipLesson;
    ++autoSkips_;
    return key;
  }
  if (key == 13) ++skips_;
  if (key == 27) ++stops_;
  return key;
}

void RunPanel::OnProgress(const RunProgress& progress) {
  const auto started = progress_.started;
  progress_ = progress;
  if (progress_.started == std::chrono::steady_clock::time_point{}) progress_.started = started;
  // Labels are set only when the window gets to paint: a run reports far more often.
}

void RunPanel::ShowProgress() {
  const RunProgress& p = progress_;
  const TTeacherRec* t = school_.TeacherByNo(p.teacher);
  teacherLabel_->setText(t != nullptr ? FromCp1254(t->name.view()) : QString());
  const TLessonRec* l = school_.LessonByNo(p.lesson);
  const TClassRec* c = school_.ClassByNo(p.classNo);
  classLabel_->setText(
      c != nullptr ? FromCp1254(c->name.view()) + " " + FromCp1254(c->section.view()) : QString());
  lessonLabel_->setText(l != nullptr ? FromCp1254(l->name.view()) : QString());
  weeklyLabel_->setText(p.lesson != 0 ? QString::number(p.weeklyHours) : QString());
  const bool teacherShown = p.teacher != 0;
  teacherTotal_->setText(teacherShown ? QString::number(p.teacherTotal) : QString());
  teacherPlaced_->setText(teacherShown ? QString::number(p.teacherPlaced) : QString());
  teacherLeft_->setText(teacherShown ? QString::number(p.teacherTotal - p.teacherPlaced)
                                     : QString());
  levelLabel_->setText(QString::number(p.searchLevel));
  orderLabel_->setText(
      p.teacherCount > 0 ? QString("%1/%2").arg(p.teacherOrdinal).arg(p.teacherCount) : QString());
  total_->setText(QString::number(p.total));
  placed_->setText(QString::number(p.placed));
  left_->setText(QString::number(p.Remaining()));
  const double left = limits_ ? limits_->AttemptSecondsLeft() : -1.0;
  countdownLabel_->setText(left >= 0 ? U8(SkipCountdownText(left)) : U8("kapalı"));
  gauge_->setMaximum(p.total > 0 ? p.total : 1);
  gauge_->setValue(p.total > 0 ? p.placed : 1);
}

void RunPanel::ShowElapsed() {
  const auto elapsed = std::chrono::steady_clock::now() - progress_.started;
  timeLabel_->setText(
      U8(ElapsedText(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count())));
}

}  // namespace kalvodrin
