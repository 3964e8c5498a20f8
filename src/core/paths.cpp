#include "core/paths.h"

#include <cctype>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "core/file_io.h"
#include "core/pstr.h"
#include "core/turkish_text.h"

namespace kalvodrin {
namespace {

std::filesystem::path EnvOr(const char* name, const std::filesystem::path& fallback) {
  const char* value = std::getenv(name);
  if (value != nullptr && value[0] == '/') return value;
  return fallback;
}

struct TWorkFolderRec {
  PStr<80> path;
};
static_assert(sizeof(TWorkFolderRec) == 81);

}  // namespace

PlatformDirs PlatformDirs::FromEnvironment() {
  PlatformDirs dirs;
  std::error_code ec;
  dirs.currentDir = std::filesystem::current_path(ec);
  const char* home = std::getenv("HOME");
  const std::filesystem::path homeDir = home != nullptr ? home : dirs.currentDir;
  dirs.configHome = EnvOr("XDG_CONFIG_HOME", homeDir / ".config");
  dirs.dataHome = EnvOr("XDG_DATA_HOME", homeDir / ".local" / "share");
  return dirs;
}

namespace {

// The folder names of a stored path, whichever separator it uses, appended to `base`.
// Empty names (a leading, doubled or trailing separator) add nothing, so a path that
// starts with a separator still stays under `base`.
std::filesystem::path AppendParts(std::filesystem::path base, std::string_view text) {
  std::string part;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '\\' || text[i] == '/') {
      if (!part.empty()) base /= part;
      part.clear();
    } else {
      part += text[i];
    }
  }
  return base;
}

}  // namespace

std::filesystem::path MapStoredPath(std::string_view stored, const PlatformDirs& dirs) {
  // The record holds cp1254 while folder names here are UTF-8: a folder named
  // ÖĞRETMEN must not become a name of stray bytes.
  const std::string text = Cp1254ToUtf8(stored);
  const bool drive =
      text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':';
  if (drive) {
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return AppendParts(dirs.dataHome / "kalvodrin" / std::string(1, letter),
                       std::string_view(text).substr(2));
  }
  if (!text.empty() && text[0] == '/') return std::filesystem::path(text);
  // "\OKUL\" is a folder of the current drive on Windows; here that is the current
  // folder, never the root of the file system.
  return AppendParts(dirs.currentDir, text);
}

std::filesystem::path WorkFolderFileLocation(const PlatformDirs& dirs) {
  const std::filesystem::path portable = ResolveInFolder(dirs.currentDir, kWorkFolderFile);
  std::error_code ec;
  if (std::filesystem::is_regular_file(portable, ec)) return portable;
  const std::filesystem::path folder = dirs.configHome / "kalvodrin";
  return ResolveInFolder(folder, kWorkFolderFile);
}

Status ReadWorkFolder(const std::filesystem::path& file, std::string& stored, bool* missing) {
  std::optional<Bytes> content;
  if (Status s = ReadWholeFile(file, content); !s) return s;
  if (missing != nullptr) *missing = !content;
  if (!content) {
    stored = std::string(kDefaultWorkFolder);
    return Status::Ok();
  }
  TWorkFolderRec rec{};
  std::memcpy(&rec, content->data(), std::min(content->size(), sizeof rec));
  stored = rec.path.str();
  return Status::Ok();
}

Status LoadWorkFolder(const std::filesystem::path& file, std::string& stored) {
  bool missing = false;
  if (Status s = ReadWorkFolder(file, stored, &missing); !s || !missing) return s;
  if (!file.parent_path().empty())
    if (Status s = EnsureFolder(file.parent_path()); !s) return s;
  return SaveWorkFolder(file, stored);
}

Status SaveWorkFolder(const std::filesystem::path& file, std::string_view stored) {
  LocalFileSystem disk;
  return SaveWorkFolder(file, stored, disk);
}

Status SaveWorkFolder(const std::filesystem::path& file, std::string_view stored,
                      FileSystem& disk) {
  TWorkFolderRec rec{};
  rec.path.assign(stored);
  Bytes bytes(sizeof rec);
  std::memcpy(bytes.data(), &rec, sizeof rec);
  return WriteFileAtomically(file, bytes, disk);
}

}  // namespace kalvodrin
