#pragma once
// The text of the working-folder window's path field.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/file_system.h"
#include "core/status.h"

namespace kalvodrin {

inline constexpr std::string_view kPathSavedNotice = "Yol Kaydedildi.";
// Said with it: the school in memory stays that of the old folder until a restart.
inline constexpr std::string_view kPathNextStartNotice =
    "Yeni çalışma dizini program yeniden açıldığında kullanılacak.";
inline constexpr std::size_t kWorkFolderTextWidth = 80;

// A double click swaps the two folders the program has always offered, the main
// building's and the annex's; any other text stays as it is. Compared exactly.
std::string TogglePathText(std::string_view text);

// The UTF-8 text of the field as it is stored in YARDIM.LOF: cp1254, cut to 80
// characters. Empty when the text holds a character cp1254 cannot write, since such a
// path could not be read back.
std::optional<std::string> StoredPathText(std::string_view utf8);

// Saves the stored text in YARDIM.LOF at `file`, creating its folder when missing.
Status StoreWorkFolder(const std::filesystem::path& file, std::string_view stored,
                       FileSystem& disk);

}  // namespace kalvodrin
