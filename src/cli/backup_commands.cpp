// backup and restore: the backup window's two commands. A backup copies the school of
// the working folder into the thirteen ".YDK" files of a backup folder; a restore
// copies them back over the data files. Each writes the whole set or nothing.

#include <iostream>
#include <memory>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/file_io.h"
#include "shell/backup.h"

namespace kalvodrin::cli {
namespace {

int RunBackup(const std::string& given, const std::filesystem::path& to, FileSystem& disk) {
  OpenedSchool opened;
  if (Status s = OpenSchool(given, FolderUse::kReadOnly, opened); !s) return Fail(s.message());
  School& school = *opened.school;
  // A folder typed on a command line is made, as cp and tar make theirs.
  if (Status s = EnsureFolder(to); !s)
    return Fail(to.string() + ": yedek klasörü oluşturulamadı: " + s.message());
  const BackupResult r = Backup(school, to, disk);
  switch (r.folder) {
    case FolderState::kMissing:
      return Fail(to.string() + ": yedek klasörü yok; hiçbir şey yazılmadı");
    case FolderState::kReadOnly:
      return Fail("yedek klasörüne yazılamıyor: " + r.status.message());
    case FolderState::kFailed:
      return Fail(r.status.message());
    case FolderState::kWritable:
      break;
  }
  if (!r.status.ok())
    return Fail(r.status.message() + "; önceki yedek olduğu gibi duruyor");
  std::cout << "Yedek alma işlemi tamamlandı.\n";
  return 0;
}

int RunRestore(const std::string& given, const std::filesystem::path& from, FileSystem& disk) {
  std::filesystem::path folder;
  if (Status s = ResolveFolder(given, FolderUse::kWriting, folder); !s) return Fail(s.message());
  const RestoreResult r = Restore(from, folder, disk);
  if (!r.ok()) return Fail(RestoreProblemText(r));
  std::cout << "Veri dosyaları yedekten geri alındı: " << folder.string() << '\n';
  return 0;
}

}  // namespace

void AddBackupCommands(CLI::App& app, CommandContext& context) {
  auto folder = std::make_shared<std::string>();
  auto to = std::make_shared<std::string>();
  CLI::App* backup = app.add_subcommand(
      "backup", "Okulun veri dosyalarını yedek klasörüne .YDK olarak yedekler");
  AddFolderOption(*backup, *folder);
  backup->add_option("--to", *to, "Yedek klasörü (yoksa oluşturulur)")->required();
  backup->callback(
      [folder, to, &context] { context.exitCode = RunBackup(*folder, *to, context.disk); });

  auto restoreFolder = std::make_shared<std::string>();
  auto from = std::make_shared<std::string>();
  CLI::App* restore = app.add_subcommand(
      "restore", "Veri dosyalarını yedek klasöründeki .YDK dosyalarından geri alır");
  AddFolderOption(*restore, *restoreFolder);
  restore->add_option("--from", *from, "Yedek klasörü")->required();
  restore->callback([restoreFolder, from, &context] {
    context.exitCode = RunRestore(*restoreFolder, *from, context.disk);
  });
}

}  // namespace kalvodrin::cli
