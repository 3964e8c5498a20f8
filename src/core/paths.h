#pragma once
// Where things live on this platform: the file that names the working folder, and how
// a stored Windows path ("C:\VORTELAMINKA\") maps to a folder here.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/file_system.h"
#include "core/status.h"

namespace kalvodrin {

inline constexpr std::string_view kDefaultWorkFolder = "C:\\VORTELAMINKA\\";
inline constexpr std::string_view kWorkFolderFile = "YARDIM.LOF";

struct PlatformDirs {
  std::filesystem::path currentDir;
  std::filesystem::path configHome;  // $XDG_CONFIG_HOME or ~/.config
  std::filesystem::path dataHome;    // $XDG_DATA_HOME or ~/.local/share

  static PlatformDirs FromEnvironment();
};

// A drive path "X:\A\B\" becomes <dataHome>/kalvodrin/X/A/B; an absolute POSIX path
// is used as it is; anything else, "\A\B\" included, is taken from the current
// folder. `stored` is the cp1254 text of YARDIM.LOF; the path it gives is UTF-8.
std::filesystem::path MapStoredPath(std::string_view stored, const PlatformDirs& dirs);

// YARDIM.LOF in the current folder when one is there (a portable setup), otherwise in
// <configHome>/kalvodrin/.
std::filesystem::path WorkFolderFileLocation(const PlatformDirs& dirs);

// Reads the stored working-folder text (cp1254) from YARDIM.LOF without writing
// anything: a missing file reads as the default path, and `missing` (when given) says
// so.
Status ReadWorkFolder(const std::filesystem::path& file, std::string& stored,
                      bool* missing = nullptr);
// As ReadWorkFolder, but a missing file is created with the default path.
Status LoadWorkFolder(const std::filesystem::path& file, std::string& stored);
// Rewrites YARDIM.LOF with the text cut to 80 characters.
Status SaveWorkFolder(const std::filesystem::path& file, std::string_view stored);
Status SaveWorkFolder(const std::filesystem::path& file, std::string_view stored, FileSystem& disk);

}  // namespace kalvodrin
