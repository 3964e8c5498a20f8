// complete: the completion search on the folder as it is; also the second half of
// `schedule --complete`.

#include <iomanip>
#include <iostream>
#include <memory>
#include <random>
#include <sstream>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/completion_support.h"
#include "core/file_io.h"
#include "core/storage.h"
#include "scheduler/completion/completion.h"

namespace kalvodrin::cli {
namespace {

uint64_t FreshSeed() {
  std::random_device device;
  return (static_cast<uint64_t>(device()) << 32 | device()) % 1'000'000'000ull;
}

void PrintCosts(std::ostream& out, const char* label, const SoftCosts& c) {
  out << label << c.Weighted() << " (boşluk " << c.gapHours << ", aynı gün " << c.sameLessonDays
      << ", ardışık gün " << c.daysApart << ", aynı saat " << c.sameHours
      << ", aynı sınıfa iki ders " << c.teacherTwoLessons << ", ders grubu " << c.lessonGroups
      << ", bina değişimi " << c.annexMoves << ", taşınan saat " << c.movedHours
      << ", tek saatlik gün " << c.singleHourDays << ")\n";
}

std::string Report(const School& school, const CompletionOutcome& o) {
  std::ostringstream out;
  out << "Tohum: " << o.seed << '\n'
      << "Yerleşen ders saati: " << o.placedBefore << '/' << o.total << " -> " << o.placedAfter
      << '/' << o.total << '\n'
      << "Taşınan ders saati: " << o.movedHours << '\n';
  PrintCosts(out, "Yumuşak maliyet önce: ", o.costsBefore);
  PrintCosts(out, "Yumuşak maliyet sonra: ", o.costsAfter);
  out << "Esnetilen kural: " << o.bentRules.size() << '\n';
  for (const BentRule& rule : o.bentRules) out << "  " << BentRuleText(school, rule) << '\n';
  if (o.stopped) out << "Durduruldu.\n";
  if (o.timedOut) out << "Süre doldu.\n";
  return out.str();
}

int RunComplete(const std::string& given, const CompletionFlags& flags, FileSystem& disk) {
  OpenedSchool opened;
  if (Status s = OpenSchool(given, FolderUse::kWriting, opened); !s) return Fail(s.message());
  School& school = *opened.school;
  return CompleteAndSave(school, school.WorkFolder, flags, disk);
}

}  // namespace

void AddSeedOption(CLI::App& command, CompletionFlags& flags) {
  command.add_option("--seed", flags.seed, "Aramanın tohumu (aynı tohum, aynı program)");
}

void AddCompletionOptions(CLI::App& command, CompletionFlags& flags) {
  AddSeedOption(command, flags);
  command.add_option("--time-limit", flags.timeLimitSeconds, "En çok bu kadar saniye")
      ->check(CLI::PositiveNumber);
}

int CompleteAndSave(School& school, const std::filesystem::path& folder,
                    const CompletionFlags& flags, FileSystem& disk) {
  CompletionOptions options;
  options.seed = flags.seed ? *flags.seed : FreshSeed();
  options.timeLimitSeconds = flags.timeLimitSeconds;
  std::cerr << "Tamamlama tohumu: " << options.seed << '\n';
  const CompletionOutcome outcome = CompleteTimetable(school, options);
  if (!outcome.refused.empty()) return Fail(outcome.refused);
  // The record of the seed goes with the timetables it made: a failure leaves both old
  // and the exit code can truthfully say that nothing was written.
  const std::string report = Report(school, outcome);
  std::vector<FileImage> files = DataFileImages(school, outcome.files);
  files.push_back(
      {ResolveInFolder(folder, kCompletionRecordFile), Bytes(report.begin(), report.end())});
  if (Status s = SaveAllOrNothing(files, disk); !s) return Fail(s.message());
  std::cout << report << std::fixed << std::setprecision(3) << "Süre: " << outcome.seconds
            << " s\n";
  const int left = outcome.total - outcome.placedAfter;
  std::cout << (left == 0 ? std::string("Tebrikler dersleri yerleştirdiniz.")
                          : "Yerleşmeyen " + std::to_string(left) + " öğretmen saati kaldı.")
            << '\n';
  return 0;
}

void AddCompleteCommand(CLI::App& app, CommandContext& context) {
  auto folder = std::make_shared<std::string>();
  auto flags = std::make_shared<CompletionFlags>();
  CLI::App* command = app.add_subcommand(
      "complete", "Yerleşmeyen dersleri tamamlama aramasıyla yerleştirir (klasik dağıtım olmadan)");
  AddFolderOption(*command, *folder);
  AddCompletionOptions(*command, *flags);
  command->callback(
      [folder, flags, &context] { context.exitCode = RunComplete(*folder, *flags, context.disk); });
}

}  // namespace kalvodrin::cli
