#include "cli/command_support.h"

#include <iostream>

#include "core/data_files.h"
#include "core/file_io.h"
#include "core/paths.h"

namespace kalvodrin::cli {

void AddFolderOption(CLI::App& command, std::string& folder) {
  command.add_option("--folder", folder,
                     "Çalışma klasörü (verilmezse YARDIM.LOF'taki klasör)");
}

Status ResolveFolder(const std::string& given, FolderUse use, std::filesystem::path& folder) {
  if (!given.empty()) {
    folder = given;
    return Status::Ok();
  }
  const PlatformDirs dirs = PlatformDirs::FromEnvironment();
  const std::filesystem::path file = WorkFolderFileLocation(dirs);
  std::string stored;
  if (Status s =
          use == FolderUse::kReadOnly ? ReadWorkFolder(file, stored) : LoadWorkFolder(file, stored);
      !s)
    return s;
  folder = MapStoredPath(stored, dirs);
  return Status::Ok();
}

Status OpenSchool(const std::string& given, FolderUse use, OpenedSchool& opened) {
  std::filesystem::path folder;
  if (Status s = ResolveFolder(given, use, folder); !s) return s;
  opened.school->WorkFolder = folder;
  if (Status s = LoadSchoolWithoutWriting(*opened.school, &opened.tails); !s) return s;
  // A mistyped path reads as an empty school; a command that went on would write
  // timetables or backups of nothing and call it done.
  if (FirstDataFileIn(folder).empty())
    return Status::Error(folder.string() +
                         ": bu klasörde okul yok (hiçbir veri dosyası bulunamadı); hiçbir şey "
                         "yazılmadı. Yeni bir okul için init, from-json ya da import "
                         "komutunu kullanınız.");
  return Status::Ok();
}

std::string FirstDataFileIn(const std::filesystem::path& folder) {
  std::error_code ec;
  for (const DataFileInfo& info : kDataFiles)
    if (std::filesystem::exists(ResolveInFolder(folder, info.name), ec))
      return std::string(info.name);
  return "";
}

std::string Pad(const std::string& text, std::size_t width) {
  std::size_t chars = 0;
  for (unsigned char c : text)
    if ((c & 0xC0u) != 0x80u) ++chars;
  return chars >= width ? text + ' ' : text + std::string(width - chars, ' ');
}

int Fail(std::string_view message) {
  std::cerr << "kalvodrin-cli: " << message << '\n';
  return 1;
}

}  // namespace kalvodrin::cli
