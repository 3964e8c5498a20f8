#pragma once
// Whole-file reads and atomic writes, with the operating system's message on failure.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"

namespace kalvodrin {

class FileSystem;

using Bytes = std::vector<uint8_t>;

// The file of that name in the folder, matched without regard to case; when none
// exists, the name as given (upper-case for our files).
std::filesystem::path ResolveInFolder(const std::filesystem::path& folder,
                                      std::string_view name);
std::filesystem::path ResolveInFolder(const std::filesystem::path& folder, std::string_view name,
                                      FileSystem& disk);

// Resolves names in one folder as ResolveInFolder does, listing the folder only once, on
// the first name not there as given: a load resolves fifteen names, and a folder that
// lacked several of them was listed again for each. Files made or renamed in the folder
// after that listing are not seen by their other-case names.
class FolderNames {
 public:
  FolderNames(std::filesystem::path folder, FileSystem& disk);
  std::filesystem::path Resolve(std::string_view name);

 private:
  std::filesystem::path folder_;
  FileSystem& disk_;
  bool listed_ = false;
  std::vector<std::string> names_;
  std::vector<std::string> upperNames_;
};

// Missing file: ok with an empty optional. Any other failure: an error status.
Status ReadWholeFile(const std::filesystem::path& path, std::optional<Bytes>& content);

// Writes a temporary file beside the target, flushes it to disk and renames it over
// the target, so the old file stays whole when anything fails.
Status WriteFileAtomically(const std::filesystem::path& path, const Bytes& content);
Status WriteFileAtomically(const std::filesystem::path& path, const Bytes& content,
                           FileSystem& disk);

// Creates the folder and its parents when missing.
Status EnsureFolder(const std::filesystem::path& folder);
Status EnsureFolder(const std::filesystem::path& folder, FileSystem& disk);

// Ok when the folder is there; otherwise the error names it and says why ("klasör yok"
// when a file stands there).
Status FolderThere(const std::filesystem::path& folder, FileSystem& disk);

}  // namespace kalvodrin
