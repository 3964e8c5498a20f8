#include "shell/work_folder_text.h"

#include "core/file_io.h"
#include "core/paths.h"
#include "core/turkish_text.h"

namespace kalvodrin {
namespace {

constexpr std::string_view kMainFolder = "C:\\Kalvodrin\\";
constexpr std::string_view kAnnexFolder = "C:\\ekbina\\";

}  // namespace

std::string TogglePathText(std::string_view text) {
  if (text == kMainFolder) return std::string(kAnnexFolder);
  if (text == kAnnexFolder) return std::string(kMainFolder);
  return std::string(text);
}

std::optional<std::string> StoredPathText(std::string_view utf8) {
  std::optional<std::string> cp = Utf8ToCp1254(utf8);
  if (cp && cp->size() > kWorkFolderTextWidth) cp->resize(kWorkFolderTextWidth);
  return cp;
}

Status StoreWorkFolder(const std::filesystem::path& file, std::string_view stored,
                       FileSystem& disk) {
  if (!file.parent_path().empty())
    if (Status s = EnsureFolder(file.parent_path()); !s) return s;
  return SaveWorkFolder(file, stored, disk);
}

}  // namespace kalvodrin
