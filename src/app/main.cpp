// kalvodrin: the desktop program. One optional development aid: --folder DIR uses DIR
// as the working folder for this start instead of the one named in YARDIM.LOF.

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <filesystem>
#include <optional>

#include "app/kalvodrin_app.h"
#include "gui/common/capital_marks_style.h"
#include "gui/common/qt_translations.h"
#include "shell/predecessor_import.h"
#include "shell/predecessor_records.h"

namespace {

// Empty optional on a usage error; an optional holding nothing when no folder is given.
std::optional<std::optional<std::filesystem::path>> FolderArgument(const QStringList& args) {
  std::optional<std::filesystem::path> folder;
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg == QLatin1String("--folder") && i + 1 < args.size())
      folder = args[++i].toStdString();
    else if (arg.startsWith(QLatin1String("--folder=")))
      folder = arg.mid(9).toStdString();
    else
      return std::nullopt;
  }
  if (folder && folder->empty()) return std::nullopt;
  return folder;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("kalvodrin"));
  kalvodrin::InstallQtTurkish(app);
  kalvodrin::InstallCapitalMarksStyle();
  const auto folder = FolderArgument(QApplication::arguments());
  if (!folder) {
    std::fputs("kullanım: kalvodrin [--folder DİZİN]\n", stderr);
    return 2;
  }
  kalvodrin::StartupOptions options;
  options.folderOverride = *folder;
  kalvodrin::VelImport import(kalvodrin::MapStoredPath(kalvodrin::kVelFolder, options.dirs));
  kalvodrin::KalvodrinApp program(std::move(options), &import);
  program.Start();
  return QApplication::exec();
}
