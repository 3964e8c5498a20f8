// schedule: the automatic placement run over the whole school (or one teacher), with
// a progress bar on stderr; saves the three timetable files.

#include <chrono>
#include <iostream>
#include <memory>
#include <string>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/completion_support.h"
#include "core/storage.h"
#include "scheduler/placement_run.h"

namespace kalvodrin::cli {
namespace {

// Redraws one line on stderr, at most ten times a second. The search calls it at
// every step, so the clock is read only every 1024 steps.
class ProgressBar : public RunObserver {
 public:
  int OnSearchStep(const RunProgress& progress) override {
    if ((++steps_ & 1023u) == 0) Draw(progress, false);
    return 0;
  }
  void OnProgress(const RunProgress& progress) override {
    last_ = progress;
    Draw(progress, false);
  }
  // The last state of the run, drawn whatever the time, and the line ended.
  void Finish() {
    Draw(last_, true);
    std::cerr << '\n';
  }

 private:
  void Draw(const RunProgress& p, bool force) {
    const auto now = std::chrono::steady_clock::now();
    if (!force && now - lastDraw_ < std::chrono::milliseconds(100)) return;
    lastDraw_ = now;
    constexpr int kWidth = 30;
    const int filled = p.total > 0 ? p.placed * kWidth / p.total : kWidth;
    const long seconds = static_cast<long>(
        std::chrono::duration_cast<std::chrono::seconds>(now - p.started).count());
    std::cerr << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] "
              << p.placed << '/' << p.total << "  düzey " << p.searchLevel
              << "  öğretmen " << p.teacherOrdinal << '/' << p.teacherCount << "  "
              << ElapsedText(seconds) << "   " << std::flush;
  }

  unsigned steps_ = 0;
  std::chrono::steady_clock::time_point lastDraw_{};
  RunProgress last_;
};

int RunSchedule(const std::string& given, int teacher, const CompletionFlags* complete) {
  std::filesystem::path folder;
  if (Status s = ResolveFolder(given, folder); !s) return Fail(s.message());
  auto school = std::make_unique<School>();
  TailBytes tails{};
  if (Status s = LoadExistingSchool(folder, *school, tails); !s) return Fail(s.message());
  if (teacher != 0 && school->TeacherGridByNo(teacher) == nullptr)
    return Fail(std::to_string(teacher) + " numaralı öğretmen yok");
  ProgressBar bar;
  DeadlineObserver limited(bar, complete != nullptr ? complete->timeLimitSeconds : 0.0);
  PlacementRun run(*school, complete != nullptr ? static_cast<RunObserver*>(&limited) : &bar);
  const RunOutcome outcome =
      teacher != 0 ? run.RunForTeacher(teacher) : run.RunWholeSchool();
  if (outcome.refused) return Fail(outcome.notice);
  bar.Finish();
  if (complete != nullptr) {
    std::cout << outcome.notice << '\n';
    return CompleteAndSave(*school, folder, *complete);
  }
  for (Status s : {SaveTeacherGrids(*school), SaveClassGrids(*school),
                   SaveRoomGrids(*school)})
    if (!s) return Fail(s.message());
  std::cout << outcome.notice << '\n';
  return 0;
}

}  // namespace

void AddScheduleCommand(CLI::App& app, CommandContext& context) {
  auto folder = std::make_shared<std::string>();
  auto teacher = std::make_shared<int>(0);
  auto complete = std::make_shared<bool>(false);
  auto flags = std::make_shared<CompletionFlags>();
  CLI::App* command = app.add_subcommand(
      "schedule", "Ders dağıtımı yapar (bütün okul ya da --teacher ile bir öğretmen)");
  AddFolderOption(*command, *folder);
  command->add_option("--teacher", *teacher, "Yalnız bu numaralı öğretmenin programı")
      ->check(CLI::Range(1, 255));
  command->add_flag("--complete", *complete,
                    "Dağıtımdan sonra kalanları tamamlama aramasıyla yerleştirir");
  AddCompletionOptions(*command, *flags);
  command->callback([folder, teacher, complete, flags, &context] {
    context.exitCode = RunSchedule(*folder, *teacher, *complete ? flags.get() : nullptr);
  });
}

}  // namespace kalvodrin::cli
