// import: the predecessor program's data, converted into a working folder that holds no
// school yet, as the desktop program does at start-up. Prints one line for each record
// it left out or changed.

#include <iostream>
#include <memory>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/file_io.h"
#include "shell/predecessor_import.h"

namespace kalvodrin::cli {
namespace {

int RunImport(const std::string& given, const std::filesystem::path& from, FileSystem& disk) {
  std::filesystem::path folder;
  if (Status s = ResolveFolder(given, FolderUse::kWriting, folder); !s) return Fail(s.message());
  const ImportCheckResult check = CheckImport(from, folder);
  if (check.due != ImportDue::kDue) return Fail(ImportCheckText(check));
  if (Status s = EnsureFolder(folder); !s) return Fail(s.message());
  auto school = std::make_unique<School>();
  school->WorkFolder = folder;
  VelImport import(from, &disk);
  if (Status s = import.Convert(*school); !s) return Fail(s.message());
  for (const std::string& line : import.Report()) std::cout << line << '\n';
  std::cout << "Eski programın verileri aktarıldı: " << folder.string() << '\n';
  return 0;
}

}  // namespace

void AddImportCommand(CLI::App& app, CommandContext& context) {
  auto folder = std::make_shared<std::string>();
  auto from = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand(
      "import", "Eski programın verilerini (LESSON.PRG ...) boş bir çalışma klasörüne aktarır");
  AddFolderOption(*command, *folder);
  command->add_option("--from", *from, "Eski programın klasörü")->required();
  command->callback(
      [folder, from, &context] { context.exitCode = RunImport(*folder, *from, context.disk); });
}

}  // namespace kalvodrin::cli
