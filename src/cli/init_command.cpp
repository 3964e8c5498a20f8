// init: a new, empty working folder with every data file at its default.

#include <iostream>
#include <memory>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/file_io.h"

namespace kalvodrin::cli {
namespace {

int RunInit(const std::string& given, FileSystem& disk) {
  std::filesystem::path folder;
  if (Status s = ResolveFolder(given, FolderUse::kWriting, folder); !s) return Fail(s.message());
  // Never mix defaults into a school that is already there.
  if (const std::string existing = FirstDataFileIn(folder); !existing.empty())
    return Fail(folder.string() + ": zaten bir çalışma klasörü (" + existing +
                " var); hiçbir şey yazılmadı");
  // An empty school is every file at its default; all are written or none.
  auto school = std::make_unique<School>();
  school->WorkFolder = folder;
  if (Status s = EnsureFolder(folder); !s) return Fail(s.message());
  if (Status s = SaveFiles(*school, FileSet::All(), disk); !s) return Fail(s.message());
  std::cout << "Çalışma klasörü hazır: " << folder.string() << '\n';
  return 0;
}

}  // namespace

void AddInitCommand(CLI::App& app, CommandContext& context) {
  auto folder = std::make_shared<std::string>();
  CLI::App* command =
      app.add_subcommand("init", "Boş bir çalışma klasörü oluşturur (her dosya varsayılanıyla)");
  AddFolderOption(*command, *folder);
  command->callback([folder, &context] { context.exitCode = RunInit(*folder, context.disk); });
}

}  // namespace kalvodrin::cli
