#include "cli/schedule_progress.h"

#include <algorithm>
#include <string>

#include "core/turkish_text.h"
#include "scheduler/run_state.h"

namespace kalvodrin::cli {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBarWidth = 30;
// A log gets a line at most this often.
constexpr auto kLineEvery = std::chrono::seconds(5);

long SecondsSince(const RunProgress& p) {
  return static_cast<long>(
      std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - p.started).count());
}

}  // namespace

ScheduleProgress::ScheduleProgress(const School& school, std::ostream& out, bool terminal,
                                   RunTimeLimits limits, std::optional<HandOverBudget> handOver)
    : school_(school), out_(out), terminal_(terminal), limits_(std::move(limits)) {
  if (handOver) handOver_.emplace(*handOver);
}

std::string ScheduleProgress::Bar(int placed, int total, int width) {
  const int filled =
      total > 0 ? std::clamp(static_cast<int>(static_cast<long long>(placed) * width / total),
                             0, width)
                : width;
  return "[" + std::string(static_cast<std::size_t>(filled), '#') +
         std::string(static_cast<std::size_t>(width - filled), '.') + "]";
}

// The clock is read every 64 steps only: the search calls this at every step. The
// hand-over counts steps, so it is asked at every one: a school hands over at the same
// step on every machine.
int ScheduleProgress::OnSearchStep(const RunProgress& progress) {
  if (handOver_ && handOver_->Due(progress)) {
    if (terminal_) out_ << '\n';
    out_ << "Dağıtım ilerlemiyor: kalanlar tamamlama aramasına bırakıldı ("
         << ElapsedText(SecondsSince(progress)) << ")\n"
         << std::flush;
    return kStopRun;
  }
  if ((++steps_ & 63u) != 0) return kNoStop;
  const int key = limits_.KeyFor(progress);
  if (limits_.TakeSkipNotice()) SaySkipped(progress);
  if (key == kStopRun && !stopSaid_) {
    stopSaid_ = true;
    if (terminal_) out_ << '\n';
    out_ << "Süre doldu: dağıtım durduruldu (" << ElapsedText(SecondsSince(progress))
         << ")\n" << std::flush;
  }
  if (terminal_ && (steps_ & 1023u) == 0) Draw(progress, false);
  return key;
}

void ScheduleProgress::OnProgress(const RunProgress& progress) {
  last_ = progress;
  if (terminal_)
    Draw(progress, false);
  else if (progress.searchLevel != lineLevel_ &&
           Clock::now() - lastDraw_ >= kLineEvery)
    Line(progress);
}

void ScheduleProgress::Finish() {
  if (terminal_) {
    Draw(last_, true);
    out_ << '\n';
  } else {
    Line(last_);
  }
  out_ << std::flush;
}

void ScheduleProgress::Draw(const RunProgress& p, bool force) {
  const auto now = Clock::now();
  if (!force && now - lastDraw_ < std::chrono::milliseconds(100)) return;
  lastDraw_ = now;
  out_ << '\r' << Bar(p.placed, p.total, kBarWidth) << ' ' << p.placed << '/' << p.total
       << "  düzey " << p.searchLevel << "  öğretmen " << p.teacherOrdinal << '/'
       << p.teacherCount << "  " << ElapsedText(SecondsSince(p)) << "   " << std::flush;
}

void ScheduleProgress::Line(const RunProgress& p) {
  lastDraw_ = Clock::now();
  lineLevel_ = p.searchLevel;
  out_ << p.placed << '/' << p.total << "  düzey " << p.searchLevel << "  öğretmen "
       << p.teacherOrdinal << '/' << p.teacherCount << "  " << ElapsedText(SecondsSince(p))
       << '\n' << std::flush;
}

void ScheduleProgress::SaySkipped(const RunProgress& p) {
  std::string what;
  if (const TClassRec* c = school_.ClassByNo(p.classNo))
    what = Cp1254ToUtf8(c->name.view()) + ' ' + Cp1254ToUtf8(c->section.view()) + ' ';
  if (const TLessonRec* l = school_.LessonByNo(p.lesson))
    what += Cp1254ToUtf8(l->name.view());
  if (terminal_) out_ << '\n';
  out_ << "Ders atlandı: " << what << " (" << ElapsedText(SecondsSince(p)) << ")\n"
       << std::flush;
}

}  // namespace kalvodrin::cli
