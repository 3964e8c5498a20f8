#include "gui/timetables/run_panel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/common/qt_text.h"

namespace kalvodrin {

RunPanel::RunPanel(const School& school, QWidget* parent)
    : QWidget(parent),
      school_(school),
      teacherLabel_(new QLabel),
      lessonLabel_(new QLabel),
      levelLabel_(new QLabel),
      totalsLabel_(new QLabel),
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
  auto* texts = new QVBoxLayout;
  for (QLabel* l : {teacherLabel_, lessonLabel_, levelLabel_, totalsLabel_, timeLabel_})
    texts->addWidget(l);
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

void RunPanel::Begin(std::function<void(bool)> display, std::function<void()> tick) {
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

void RunPanel::Reveal() {
  shown_ = true;
  if (display_) display_(true);
  ShowElapsed();
  show();
  timer_->start();
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
  const int key = key_;
  key_ = 0;
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
  teacherLabel_->setText((t != nullptr ? FromCp1254(t->name.view()) : QString()) +
                         QString("  %1/%2").arg(p.teacherOrdinal).arg(p.teacherCount));
  const TLessonRec* l = school_.LessonByNo(p.lesson);
  const TClassRec* c = school_.ClassByNo(p.classNo);
  lessonLabel_->setText((c != nullptr ? FromCp1254(c->name.view()) + " " : QString()) +
                        (l != nullptr ? FromCp1254(l->name.view()) : QString()));
  levelLabel_->setText(U8("SEVİYE ") + QString::number(p.searchLevel));
  totalsLabel_->setText(
      U8("YERLEŞEN %1 / %2  KALAN %3").arg(p.placed).arg(p.total).arg(p.Remaining()));
  gauge_->setMaximum(p.total > 0 ? p.total : 1);
  gauge_->setValue(p.total > 0 ? p.placed : 1);
}

void RunPanel::ShowElapsed() {
  const auto elapsed = std::chrono::steady_clock::now() - progress_.started;
  timeLabel_->setText(
      U8(ElapsedText(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count())));
}

}  // namespace kalvodrin
