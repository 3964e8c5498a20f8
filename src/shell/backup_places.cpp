#include "shell/backup_places.h"

#include <system_error>

#include "core/file_io.h"

namespace kalvodrin {

std::filesystem::path ChosenBackupFolderFile(const PlatformDirs& dirs) {
  return dirs.configHome / "kalvodrin" / std::string(kChosenBackupFolderFile);
}

std::optional<std::filesystem::path> ReadChosenBackupFolder(const std::filesystem::path& file) {
  std::optional<Bytes> content;
  if (!ReadWholeFile(file, content) || !content) return std::nullopt;
  const std::string text(content->begin(), content->end());
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    // The first line that is not a comment is the folder; nothing else is read.
    if (line[0] != '/') return std::nullopt;
    return std::filesystem::path(line);
  }
  return std::nullopt;
}

std::string ChosenBackupFolderText(const std::filesystem::path& folder) {
  return "# Kalvodrin: yedekleme penceresinde seçilen klasör\n" + folder.string() + "\n";
}

Status SaveChosenBackupFolder(const std::filesystem::path& file,
                              const std::filesystem::path& folder, FileSystem& disk) {
  if (!folder.is_absolute()) return Status::Error(folder.string() + ": tam yol değil");
  if (Status s = EnsureFolder(file.parent_path()); !s) return s;
  const std::string text = ChosenBackupFolderText(folder);
  return WriteFileAtomically(file, Bytes(text.begin(), text.end()), disk);
}

bool CreateFixedBackupFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return std::filesystem::is_directory(folder, ec);
}

std::filesystem::path FolderChooserStart(const std::optional<std::filesystem::path>& remembered,
                                         const std::string& user, const std::filesystem::path& home,
                                         bool (*exists)(const std::filesystem::path&)) {
  if (remembered && exists(*remembered)) return *remembered;
  std::vector<std::filesystem::path> media;
  if (!user.empty()) {
    media.push_back(std::filesystem::path("/run/media") / user);
    media.push_back(std::filesystem::path("/media") / user);
  }
  media.push_back("/run/media");
  media.push_back("/media");
  for (const std::filesystem::path& folder : media)
    if (exists(folder)) return folder;
  return home;
}

}  // namespace kalvodrin
