#pragma once
// Where a Linux school can put its backups. Besides the working folder and the fixed
// backup folder (which stands for a drive and lives under the user's data folder), the
// user may choose any folder, a USB stick under /media or /run/media included; the
// choice is remembered between starts in a file of our own (docs/user-files.md).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/file_system.h"
#include "core/paths.h"
#include "core/status.h"

namespace kalvodrin {

inline constexpr std::string_view kChosenBackupFolderFile = "yedek-klasoru.txt";

// <configHome>/kalvodrin/yedek-klasoru.txt, beside the working-folder file of a
// desktop setup: the choice belongs to the user, not to the school's folder.
std::filesystem::path ChosenBackupFolderFile(const PlatformDirs& dirs);

// The folder the file names, when it names an absolute one. A missing, empty or
// unreadable file, or one naming a relative path, gives none: the window then offers
// only the fixed places and the chooser.
std::optional<std::filesystem::path> ReadChosenBackupFolder(const std::filesystem::path& file);

// Remembers the folder (which must be absolute), replacing the file whole.
Status SaveChosenBackupFolder(const std::filesystem::path& file,
                              const std::filesystem::path& folder, FileSystem& disk);

// The text the file holds for `folder`: a comment line and the path (UTF-8).
std::string ChosenBackupFolderText(const std::filesystem::path& folder);

// Makes a missing fixed backup folder: here it is only a folder under the data folder,
// so there is no drive to insert. False when no folder is there afterwards (it could
// not be made or reached): the backup then says the drive is not ready.
bool CreateFixedBackupFolder(const std::filesystem::path& folder);

// Where the folder chooser opens: the remembered folder when it is still there, else
// the first existing of /run/media/<user>, /media/<user>, /run/media, /media (where
// removable media are mounted), else `home`. `exists` answers whether a folder is there.
std::filesystem::path FolderChooserStart(const std::optional<std::filesystem::path>& remembered,
                                         const std::string& user, const std::filesystem::path& home,
                                         bool (*exists)(const std::filesystem::path&));

}  // namespace kalvodrin
