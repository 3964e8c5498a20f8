#include "scheduler/run_preferences.h"

#include <optional>

#include "core/file_io.h"
#include "core/file_set_save.h"
#include "core/storage.h"

namespace kalvodrin {
namespace {

constexpr std::string_view kSkipKey = "kendiliginden-atla";
constexpr std::string_view kCompleteKey = "kalanlari-tamamla";

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

std::optional<bool> YesNo(std::string_view value) {
  if (value == "E" || value == "e") return true;
  if (value == "H" || value == "h") return false;
  return std::nullopt;
}

}  // namespace

std::string FormatRunPreferences(const RunPreferences& p) {
  std::string text = "# Kalvodrin: otomatik dagitimin ayarlari (E = evet, H = hayir)\n";
  text += std::string(kSkipKey) + "=" + (p.skipOnItsOwn ? "E" : "H") + "\n";
  text += std::string(kCompleteKey) + "=" + (p.completeAfterRun ? "E" : "H") + "\n";
  return text;
}

RunPreferences ParseRunPreferences(std::string_view text) {
  RunPreferences p;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const std::size_t equals = line.find('=');
    if (line.empty() || line.front() == '#' || equals == std::string_view::npos) continue;
    const std::string_view key = Trim(line.substr(0, equals));
    const std::optional<bool> value = YesNo(Trim(line.substr(equals + 1)));
    if (!value) continue;
    if (key == kSkipKey) p.skipOnItsOwn = *value;
    if (key == kCompleteKey) p.completeAfterRun = *value;
  }
  return p;
}

Status LoadRunPreferences(const std::filesystem::path& folder, FileSystem& disk,
                          RunPreferences& preferences) {
  std::optional<Bytes> content;
  if (Status s = disk.Read(ResolveInFolder(folder, kRunPreferencesFile), content); !s) return s;
  preferences = content ? ParseRunPreferences(std::string_view(
                              reinterpret_cast<const char*>(content->data()), content->size()))
                        : RunPreferences{};
  return Status::Ok();
}

namespace {

FileImage RunPreferencesImage(const std::filesystem::path& folder,
                              const RunPreferences& preferences) {
  const std::string text = FormatRunPreferences(preferences);
  return {ResolveInFolder(folder, kRunPreferencesFile), Bytes(text.begin(), text.end())};
}

}  // namespace

Status SaveRunPreferences(const std::filesystem::path& folder, FileSystem& disk,
                          const RunPreferences& preferences) {
  return SaveAllOrNothing({RunPreferencesImage(folder, preferences)}, disk);
}

Status SaveSettingsAndRunPreferences(const School& school, FileSystem& disk,
                                     const RunPreferences& preferences) {
  std::vector<FileImage> files = DataFileImages(school, FileSet{DataFile::kSettings}, disk);
  if (!school.WorkFolder.empty())
    files.push_back(RunPreferencesImage(school.WorkFolder, preferences));
  return SaveAllOrNothing(files, disk);
}

}  // namespace kalvodrin
