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

std::filesystem::path MapStoredPath(std::string_view stored, const PlatformDirs& dirs) {
  // The record holds cp1254 while folder names here are UTF-8: a folder named
  // ÖĞRETMEN must not become a name of stray bytes.
  std::string text = Cp1254ToUtf8(stored);
  const bool drive = text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) &&
                     text[1] == ':';
  if (!drive) {
    if (!text.empty() && text[0] == '/') return std::filesystem::path(text);
    for (char& c : text)
      if (c == '\\') c = '/';
    return dirs.currentDir / text;
  }
  std::filesystem::path result =
      dirs.dataHome / "kalvodrin" /
      std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(text[0]))));
  std::string part;
  for (std::size_t i = 2; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '\\' || text[i] == '/') {
      if (!part.empty()) result /= part;
      part.clear();
    } else {
      part += text[i];
    }
  }
  return result;
}

std::filesystem::path WorkFolderFileLocation(const PlatformDirs& dirs) {
  const std::filesystem::path portable = ResolveInFolder(dirs.currentDir, kWorkFolderFile);
  std::error_code ec;
  if (std::filesystem::is_regular_file(portable, ec)) return portable;
  const std::filesystem::path folder = dirs.configHome / "kalvodrin";
  return ResolveInFolder(folder, kWorkFolderFile);
}

Status LoadWorkFolder(const std::filesystem::path& file, std::string& stored) {
  std::optional<Bytes> content;
  if (Status s = ReadWholeFile(file, content); !s) return s;
  if (!content) {
    if (!file.parent_path().empty())
      if (Status s = EnsureFolder(file.parent_path()); !s) return s;
    if (Status s = SaveWorkFolder(file, kDefaultWorkFolder); !s) return s;
    stored = std::string(kDefaultWorkFolder);
    return Status::Ok();
  }
  TWorkFolderRec rec{};
  std::memcpy(&rec, content->data(), std::min(content->size(), sizeof rec));
  stored = rec.path.str();
  return Status::Ok();
}

Status SaveWorkFolder(const std::filesystem::path& file, std::string_view stored) {
  TWorkFolderRec rec{};
  rec.path.assign(stored);
  Bytes bytes(sizeof rec);
  std::memcpy(bytes.data(), &rec, sizeof rec);
  return WriteFileAtomically(file, bytes);
}

}  // namespace kalvodrin
