// schedule: the automatic placement run over the whole school (or one teacher), with
// its progress on stderr; saves the timetable files it changed, all or none. Nobody is
// there to press the skip and stop keys, so time bounds stand in for them.

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/completion_support.h"
#include "cli/schedule_progress.h"
#include "core/storage.h"
#include "scheduler/placement_run.h"

namespace kalvodrin::cli {
namespace {

struct ScheduleOptions {
  int teacher = 0;
  double skipAfter = 5;  // seconds a lesson's first attempt may take; 0 = no bound
  double timeLimit = 0;  // seconds the whole run may take; 0 = no bound
  bool complete = false;
  CompletionFlags completion;
};

int RunSchedule(const std::string& given, ScheduleOptions options, FileSystem& disk) {
  const int teacher = options.teacher;
  // With the completion after it, the classic run keeps to the completion's limit.
  if (options.complete) {
    if (options.timeLimit > 0) options.completion.timeLimitSeconds = options.timeLimit;
    options.timeLimit = options.completion.timeLimitSeconds;
  }
  OpenedSchool opened;
  if (Status s = OpenSchool(given, FolderUse::kWriting, opened); !s) return Fail(s.message());
  School& school = *opened.school;
  if (teacher != 0 && school.TeacherGridByNo(teacher) == nullptr)
    return Fail(std::to_string(teacher) + " numaralı öğretmen yok");
  // With the completion after it, a whole-school run that may skip lessons on its own
  // gives way to the completion as soon as it stalls, as the desktop's main button does.
  const std::optional<HandOverBudget> handOver =
      HandOverFor({.wholeSchool = teacher == 0,
                   .skipsOnItsOwn = options.skipAfter > 0,
                   .completionFollows = options.complete});
  ScheduleProgress bar(school, std::cerr, isatty(fileno(stderr)) == 1,
                       RunTimeLimits(options.skipAfter, options.timeLimit), handOver);
  PlacementRun run(school, &bar);
  const RunOutcome outcome =
      teacher != 0 ? run.RunForTeacher(teacher) : run.RunWholeSchool();
  if (outcome.refused) return Fail(outcome.notice);
  bar.Finish();
  if (options.complete) {
    std::cout << outcome.notice << '\n';
    return CompleteAndSave(school, school.WorkFolder, options.completion, disk);
  }
  if (Status s = SaveFiles(school, outcome.files, disk); !s) return Fail(s.message());
  std::cout << outcome.notice << '\n';
  return 0;
}

}  // namespace

void AddScheduleCommand(CLI::App& app, CommandContext& context) {
  auto folder = std::make_shared<std::string>();
  auto options = std::make_shared<ScheduleOptions>();
  CLI::App* command = app.add_subcommand(
      "schedule", "Ders dağıtımı yapar (bütün okul ya da --teacher ile bir öğretmen)");
  AddFolderOption(*command, *folder);
  command->add_option("--teacher", options->teacher,
                      "Yalnız bu numaralı öğretmenin programı")
      ->check(CLI::Range(1, 255));
  command->add_flag("--complete", options->complete,
                    "Dağıtımdan sonra kalanları tamamlama aramasıyla yerleştirir");
  AddSeedOption(*command, options->completion);
  command
      ->add_option("--skip-after", options->skipAfter,
                   "Bir dersin denemesi bu kadar saniyeyi aşınca ders atlanır; bu dağıtımda "
                   "atlanmış bir öğretmen dersine her yeni atlamada öncekinin yarısı "
                   "verilir, en az 0,1 saniye (0: hiç)")
      ->check(CLI::Range(0.0, 1e6))
      ->capture_default_str();
  command
      ->add_option("--time-limit", options->timeLimit,
                   "Dağıtım bu kadar saniyede durdurulur, yerleşenler kaydedilir "
                   "(0: sınırsız; --complete ile öntanımlı 30)")
      ->check(CLI::Range(0.0, 1e6))
      ->capture_default_str();
  command->callback([folder, options, &context] {
    context.exitCode = RunSchedule(*folder, *options, context.disk);
  });
}

}  // namespace kalvodrin::cli
